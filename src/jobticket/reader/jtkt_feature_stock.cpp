// The stock features with conversions of their own: size, type, description, punching, coating.
// A value the file does not give is stored as a default, which never replaces what an earlier
// file of the same import set.
#include <cstdio>
#include <optional>

#include "jobticket/reader/jtkt_import_context.h"
#include "jobticket/reader/jtkt_import_log.h"
#include "jobticket/reader/jtkt_import_node.h"
#include "model/stock.h"
#include "model/stock_keys.h"
#include "vocabulary/device_profile.h"
#include "vocabulary/ppd_bridge.h"
#include "vocabulary/printer_default.h"
#include "vocabulary/setting_map.h"

using platform::PlistDict;
using platform::PlistValue;

namespace {

constexpr std::int32_t kMaximumModulus = 254;
constexpr const char* kLetterHead = "letter-head";
// Hundredths of a millimetre in a point.
constexpr double kHmmPerPoint = 3.5277777777777777 * 10;

void Put(const JTKTImportFeatureContext& context, bool fromFile, const char* key, PlistValue value) {
  if (fromFile)
    JTKTStore(context, JTKTTarget::Stock, key, std::move(value));
  else
    JTKTStoreDefault(context, JTKTTarget::Stock, key, std::move(value));
}

// A member of the stock's collection, by its whole path: written out at each call so that the
// thousands of pages of a large file build no path strings.
#define MEDIA_COL ".media-col."
xmlNodePtr Media(const JTKTImportFeatureContext& context, std::string_view path) {
  return JTKTImportGetNode(context.node, path);
}

bool OfferedByMenu(std::int32_t size) {
  for (const SettingMap* row = StockSizeMap; row->labelKey != nullptr; ++row)
    if (row->value == size) return true;
  return false;
}

std::optional<std::int32_t> SizeForDimensions(std::int32_t x, std::int32_t y) {
  for (const PaperSizeSettingMap* row = CompleteStockSizeMap; row->labelKey != nullptr; ++row) {
    if (row->widthHmm == x && row->heightHmm == y) {
      if (OfferedByMenu(row->value)) return row->value;
      break;
    }
  }
  return std::nullopt;
}

// The keyword name of a coating element through the feature "StockCoatingType": the coating type
// of the table, 0 for a keyword the table lacks (an uncoated side), none when not given.
std::optional<std::int32_t> Coating(const JTKTImportFeatureContext& context, std::string_view path) {
  xmlNodePtr element = Media(context, path);
  if (element == nullptr) return std::nullopt;
  const PlistDict* feature = KFSGetFeature("StockCoatingType");
  const char* syntaxClass = JTKTImportGetNodeSyntax(element);
  const std::optional<PlistValue> name =
      JTKTImportNodeValue(element, syntaxClass, KFSGetFeatureSyntax(feature, syntaxClass), JTKTFileName(context));
  if (!name || name->asString() == nullptr) return std::nullopt;
  std::string keyword = *name->asString();
  std::int32_t type = 0;
  return JTKTConvertKeyword(JTKTMediaCoatingTypeMap, kJTKTKeywordToValue, &keyword, &type) ? type : 0;
}

}  // namespace

void JTKTImportStockSize(const PlistDict*, const JTKTImportFeatureContext& context) {
  const std::string& file = JTKTFileName(context);
  const std::optional<std::int32_t> x = JTKTImportNodeInteger(Media(context, MEDIA_COL "media-size.x-dimension"), file);
  const std::optional<std::int32_t> y = JTKTImportNodeInteger(Media(context, MEDIA_COL "media-size.y-dimension"), file);
  if (!x || !y) {
    Put(context, false, stock_keys::kSizeKey, PlistValue(kPrinterDefault));
    return;
  }
  if (const std::optional<std::int32_t> size = SizeForDimensions(*x, *y)) {
    Put(context, true, stock_keys::kSizeKey, PlistValue(*size));
    return;
  }
  float minWidth = 0, minLength = 0, maxWidth = 0, maxLength = 0;
  GetMediaLimits(minWidth, minLength, maxWidth, maxLength);
  const auto within = [](std::int32_t v, float low, float high) {
    return v >= low * kHmmPerPoint && v <= high * kHmmPerPoint;
  };
  if (within(*x, minWidth, maxWidth) && within(*y, minLength, maxLength)) {
    Put(context, true, stock_keys::kWidthKey, PlistValue(*x));
    Put(context, true, stock_keys::kLengthKey, PlistValue(*y));
    Put(context, true, stock_keys::kSizeKey, PlistValue(kStockSizeCustom));
    return;
  }
  JTKTImportError("%s: a paper of %d by %d hundredths of a millimetre is beyond the printer's limits",
               file.c_str(), *x, *y);
  Put(context, false, stock_keys::kSizeKey, PlistValue(kPrinterDefault));
}

void JTKTImportStockType(const PlistDict* feature, const JTKTImportFeatureContext& context) {
  std::int32_t type = kPrinterDefault, modulus = kPrinterDefault;
  std::string customType;
  bool fromFile = false;
  if (xmlNodePtr element = Media(context, MEDIA_COL "media-type")) {
    const char* syntaxClass = JTKTImportGetNodeSyntax(element);
    const std::optional<PlistValue> value = JTKTImportNodeValue(
        element, syntaxClass, KFSGetFeatureSyntax(feature, syntaxClass), JTKTFileName(context));
    if (value && std::string_view(syntaxClass) == kKFSKeywordClass && value->asString() != nullptr) {
      std::string keyword = *value->asString();
      fromFile = JTKTConvertKeyword(JTKTMediaTypeMap, kJTKTKeywordToValue, &keyword, &type);
    } else if (value && std::string_view(syntaxClass) == kKFSNameClass && value->asString() != nullptr) {
      type = kStockTypeCustom;
      customType = *value->asString();
      fromFile = true;
    } else if (std::string_view(syntaxClass) == kKFSNameClass && !JTKTImportNodeText(element)) {
      // A custom type the user gave no name.
      type = kStockTypeCustom;
      fromFile = true;
    }
    xmlNodePtr count = Media(context, MEDIA_COL "media-order-count");
    if (count != nullptr && std::string_view(JTKTImportGetNodeSyntax(count)) == kKFSNumberClass) {
      const std::optional<std::int32_t> sets = JTKTImportNodeInteger(count, JTKTFileName(context));
      if (sets && (*sets < 1 || *sets > kMaximumModulus)) {
        JTKTImportError("%s: line %ld: <media-order-count> %d is out of range (1 to %d); not imported",
                     JTKTFileName(context).c_str(), xmlGetLineNo(count), *sets, kMaximumModulus);
      } else if (sets) {
        modulus = *sets;
        if (type == kStockTypeCustom) type = kStockTypeOrdered;
        fromFile = true;
      }
    }
  } else if (xmlNodePtr count = Media(context, MEDIA_COL "media-order-count")) {
    // Sets without a named type: the system-default type, which the writer names no further.
    if (const std::optional<std::int32_t> sets = JTKTImportNodeInteger(count, JTKTFileName(context));
        sets && *sets >= 1 && *sets <= kMaximumModulus) {
      type = kStockTypeSystemDefault;
      modulus = *sets;
      fromFile = true;
    }
  } else if (Media(context, MEDIA_COL "media-recycled") != nullptr) {
    type = kStockTypeRecycled;
    fromFile = true;
  } else if (xmlNodePtr printed = Media(context, MEDIA_COL "media-pre-printed")) {
    type = JTKTImportNodeText(printed) == kLetterHead ? kStockTypeLetterhead : kStockTypePrePrinted;
    fromFile = true;
  }
  Put(context, fromFile, stock_keys::kTypeKey, PlistValue(type));
  Put(context, fromFile, stock_keys::kModulusKey, PlistValue(modulus));
  Put(context, fromFile, stock_keys::kCustomTypeKey, PlistValue(customType));
}

void JTKTImportStockDescription(const PlistDict*, const JTKTImportFeatureContext& context) {
  const std::optional<std::string> text = JTKTImportNodeText(Media(context, MEDIA_COL "media-description"));
  Put(context, text.has_value(), stock_keys::kDescriptionKey, PlistValue(text.value_or("")));
}

void JTKTImportStockPunch(const PlistDict*, const JTKTImportFeatureContext& context) {
  const std::optional<std::int32_t> holes =
      JTKTImportNodeInteger(Media(context, MEDIA_COL "media-hole-count"), JTKTFileName(context));
  std::int32_t punched = kPrinterDefault;
  if (holes == 0) punched = kStockNotPunched;
  if (holes == kStockPunchedHoleCount) punched = kStockPunched;
  Put(context, holes.has_value(), stock_keys::kPunchedKey, PlistValue(punched));
}

// The sides coated as the writer reads them: 1 neither side, 2 the front only, 3 both, 4 the
// back only. Where both sides are coated with different types, the front's type is kept.
void JTKTImportStockCoating(const PlistDict*, const JTKTImportFeatureContext& context) {
  const std::optional<std::int32_t> front = Coating(context, MEDIA_COL "media-front-coating");
  const std::optional<std::int32_t> back = Coating(context, MEDIA_COL "media-back-coating");
  std::int32_t sides = kPrinterDefault, type = kPrinterDefault;
  const bool frontCoated = front.value_or(0) != 0, backCoated = back.value_or(0) != 0;
  if (frontCoated && backCoated) sides = 3;
  else if (frontCoated) sides = 2;
  else if (backCoated) sides = 4;
  else if (front || back) sides = 1;
  if (frontCoated) type = *front;
  else if (backCoated) type = *back;
  const bool fromFile = front.has_value() || back.has_value();
  Put(context, fromFile, stock_keys::kSidesCoatedKey, PlistValue(sides));
  Put(context, fromFile, stock_keys::kCoatingTypeKey, PlistValue(type));
}

// Paper fed from the post-fuser inserter is named by its source alone.
void JTKTImportStockSource(const PlistDict* feature, const JTKTImportFeatureContext& context) {
  xmlNodePtr element = JTKTImportGetNode(context.node, ".media");
  if (element == nullptr) return;
  const char* syntaxClass = JTKTImportGetNodeSyntax(element);
  const std::optional<PlistValue> value = JTKTImportNodeValue(element, syntaxClass, KFSGetFeatureSyntax(feature, syntaxClass), JTKTFileName(context));
  if (value && value->asString() != nullptr && *value->asString() == "PostFuserInserter")
    JTKTStore(context, JTKTTarget::Stock, stock_keys::kSourceKey, PlistValue(kStockSourcePostFuserInserter));
}

// A stock known by its library name alone.
void JTKTImportStockMediaKey(const PlistDict* feature, const JTKTImportFeatureContext& context) {
  xmlNodePtr element = Media(context, MEDIA_COL "media-key");
  if (element == nullptr) return;
  const char* syntaxClass = JTKTImportGetNodeSyntax(element);
  const std::optional<PlistValue> name = JTKTImportNodeValue(element, syntaxClass, KFSGetFeatureSyntax(feature, syntaxClass), JTKTFileName(context));
  if (!name || name->asString() == nullptr) return;
  JTKTStore(context, JTKTTarget::Stock, stock_keys::kCustomNameKey, *name);
  JTKTStore(context, JTKTTarget::Stock, stock_keys::kCustomNameOnlyKey, PlistValue(true));
}
