// Accounting identifiers, the page range to print and pad printing: settings of the whole job
// that the file spells in forms of their own. Each is stored only when the file gives it.
#include <optional>

#include "jobticket/reader/jtkt_import_context.h"
#include "jobticket/reader/jtkt_import_node.h"
#include "model/advanced_keys.h"
#include "model/paper_output_keys.h"
#include "model/special_page_keys.h"
#include "vocabulary/device_profile.h"

using platform::PlistDict;
using platform::PlistValue;

namespace {

// A pad job whose count the file does not carry prints one pad.
constexpr std::int32_t kPadsWhenNotGiven = 1;

// The element's value through the feature's dictionary for its own class.
std::optional<PlistValue> Value(const PlistDict* feature, const JTKTImportFeatureContext& context, xmlNodePtr element) {
  if (element == nullptr) return std::nullopt;
  const char* syntaxClass = JTKTImportGetNodeSyntax(element);
  return JTKTImportNodeValue(element, syntaxClass, KFSGetFeatureSyntax(feature, syntaxClass), JTKTFileName(context));
}

void StoreName(const PlistDict* feature, const JTKTImportFeatureContext& context, xmlNodePtr element, const char* key) {
  const std::optional<PlistValue> name = Value(feature, context, element);
  if (name && name->asString() != nullptr) JTKTStore(context, JTKTTarget::Ticket, key, *name);
}

}  // namespace

void JTKTImportAccounting(const PlistDict* feature, const JTKTImportFeatureContext& context) {
  xmlNodePtr user = JTKTImportGetNode(context.node, ".job-accounting-user-id");
  xmlNodePtr account = JTKTImportGetNode(context.node, ".job-account-id");
  if (user == nullptr && account == nullptr) return;
  // The writer names both identifiers whenever accounting is on, empty ones too.
  JTKTStore(context, JTKTTarget::Ticket, kAccountingOnKey, PlistValue(kAccountingOnValue));
  StoreName(feature, context, user, kAccountingUserIDKey);
  StoreName(feature, context, account, kAccountingAccountIDKey);
}

void JTKTImportPageRanges(const PlistDict* feature, const JTKTImportFeatureContext& context) {
  const std::optional<PlistValue> lower = Value(feature, context, JTKTImportGetNode(context.node, ".page-ranges.value.lower-bound"));
  const std::optional<PlistValue> upper = Value(feature, context, JTKTImportGetNode(context.node, ".page-ranges.value.upper-bound"));
  if (!lower || !upper || lower->asInteger() == nullptr || upper->asInteger() == nullptr) return;
  JTKTStore(context, JTKTTarget::Ticket, kPagesToPrintSelectedKey, PlistValue(1));
  JTKTStore(context, JTKTTarget::Ticket, kPagesToPrintFromKey, *lower);
  JTKTStore(context, JTKTTarget::Ticket, kPagesToPrintToKey, *upper);
}

void JTKTImportPads(const PlistDict* feature, const JTKTImportFeatureContext& context) {
  xmlNodePtr pad = JTKTImportGetNode(context.node, ".pad-printing");
  if (pad == nullptr || context.dictionary == nullptr) return;
  // A pad type the printer does not know is kept as no type, which the writer writes as none.
  std::string backCover;
  if (const std::optional<PlistValue> type = Value(feature, context, JTKTImportGetNode(pad->children, ".pad-printing-type"));
      type && type->asString() != nullptr)
    backCover = *type->asString() == "NoBackCover" ? kPadNoBackCover : kPadBlankBackCover;
  JTKTStore(context, JTKTTarget::Ticket, kPadBackCoverKey, PlistValue(backCover));
  if (const std::optional<PlistValue> sheets = Value(feature, context, JTKTImportGetNode(pad->children, ".number-of-sheets-per-pad"));
      sheets && sheets->asInteger() != nullptr)
    JTKTStore(context, JTKTTarget::Ticket, kPagesPerPadsKey, *sheets);
  JTKTStoreDefault(context, JTKTTarget::Ticket, kNoOfPadsKey, PlistValue(kPadsWhenNotGiven));
  // The pads are on in the job type the dialog keeps, when the file names a job type at all.
  if (platform::PlistDictFind(*context.dictionary, kJobTypeKey) != nullptr)
    JTKTStore(context, JTKTTarget::JobType, kJobTypePadEnableKey, PlistValue(true));
  // The blank back cover's paper is read as a cover's paper is, then kept as the pads' paper.
  if (xmlNodePtr cover = JTKTImportGetNode(pad->children, ".cover-back-pad")) {
    PlistDict page;
    JTKTImportPageElement(context, cover, kJobContextCover, page);
    if (PlistValue* stock = platform::PlistDictFind(page, special_page_keys::kStockKey); stock != nullptr)
      JTKTStore(context, JTKTTarget::Ticket, kPadLevelStockKey, std::move(*stock));
  }
}
