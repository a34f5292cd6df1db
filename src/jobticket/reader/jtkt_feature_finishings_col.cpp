// The finishing collection: a named finishing template, and booklet making with its square fold
// and trim. Stored only when the file gives them.
#include <optional>
#include <string_view>

#include "jobticket/reader/jtkt_import_context.h"
#include "jobticket/reader/jtkt_import_node.h"
#include "model/paper_output_codes.h"
#include "model/paper_output_keys.h"
#include "vocabulary/device_profile.h"

using platform::PlistDict;
using platform::PlistValue;

namespace {

// The booklet's "off" for square fold and trim, as the panel stores it.
constexpr std::int32_t kBookletOff = -1;
// A square fold the printer has no word for: the writer then names none, as the file did.
constexpr std::int32_t kSquareFoldNotNamed = 0;
// The booklet fold that shares its finishing value with the booklet staple.
constexpr std::int32_t kFoldBookletPlain = 44;

struct SquareFold {
  std::string_view keyword;
  std::int32_t value;
};
constexpr SquareFold kSquareFolds[] = {{"None", kBookletOff}, {"High2", 62}, {"High1", 63},
                                       {"Normal", 64},        {"Low1", 65},  {"Low2", 66}};

std::optional<PlistValue> Value(const PlistDict* feature, const JTKTImportFeatureContext& context, xmlNodePtr element) {
  if (element == nullptr) return std::nullopt;
  const char* syntaxClass = JTKTImportGetNodeSyntax(element);
  return JTKTImportNodeValue(element, syntaxClass, KFSGetFeatureSyntax(feature, syntaxClass), JTKTFileName(context));
}

std::optional<std::string> Keyword(const PlistDict* feature, const JTKTImportFeatureContext& context, xmlNodePtr element) {
  const std::optional<PlistValue> value = Value(feature, context, element);
  if (!value || value->asString() == nullptr) return std::nullopt;
  return *value->asString();
}

}  // namespace

void JTKTImportFinishingTemplate(const PlistDict* feature, const JTKTImportFeatureContext& context) {
  const std::optional<PlistValue> name = Value(feature, context, JTKTImportGetNode(context.node, ".finishings-col.finishing-template"));
  if (!name || name->asString() == nullptr) return;
  JTKTStore(context, JTKTTarget::Ticket, kFinishingCustomKey, *name);
  JTKTStore(context, JTKTTarget::Ticket, kFinishingOptionsKey, PlistValue(std::int32_t{kFinishingCustom}));
}

void JTKTImportBookletMaking(const PlistDict* feature, const JTKTImportFeatureContext& context) {
  xmlNodePtr booklet = JTKTImportGetNode(context.node, ".finishings-col.booklet-making");
  if (booklet == nullptr) return;
  std::int32_t squareFold = kSquareFoldNotNamed;
  if (const std::optional<std::string> fold = Keyword(feature, context, JTKTImportGetNode(booklet->children, ".booklet-square-fold-type"))) {
    for (const SquareFold& row : kSquareFolds)
      if (row.keyword == *fold) squareFold = row.value;
  }
  std::int32_t trim = kBookletOff;
  if (Keyword(feature, context, JTKTImportGetNode(booklet->children, ".booklet-trim-type")) == "TrimWidth") {
    const std::optional<PlistValue> width = Value(feature, context, JTKTImportGetNode(booklet->children, ".booklet-trim-width"));
    trim = width && width->asInteger() != nullptr ? static_cast<std::int32_t>(*width->asInteger()) : 0;
  }
  // The booklet's staple (fold value 53) and the plain booklet fold 44 share the finishing value
  // 110; only the staple names its type here.
  const PlistValue* fold = platform::PlistDictFind(*context.dictionary, kFinishingFoldValueKey);
  if (fold != nullptr && *fold == PlistValue(kFoldBookletFoldStaple) &&
      JTKTImportGetNode(booklet->children, ".booklet-staple-type") == nullptr)
    JTKTStore(context, JTKTTarget::Ticket, kFinishingFoldValueKey, PlistValue(kFoldBookletPlain));
  JTKTStore(context, JTKTTarget::Ticket, kFinishingSquareFoldValueKey, PlistValue(squareFold));
  JTKTStore(context, JTKTTarget::Ticket, kFinishingTrimLengthValueKey, PlistValue(trim));
}
