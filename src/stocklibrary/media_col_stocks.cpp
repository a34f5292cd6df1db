// Media collections to stocks: each member read by its exact name, first value only.
#include "stocklibrary/media_col_stocks.h"

#include <optional>
#include <string_view>

#include "model/stock_sizes.h"
#include "platform/locale/utf8_text.h"
#include "stocklibrary/media_keywords.h"

namespace {

constexpr const char* kMediaColDatabase = "media-col-database";

class MediaCol {
 public:
  MediaCol(ipp_t* collection, int& refused) : collection_(collection), refused_(refused) {}

  // The member's first value as text; none when absent or not a text syntax.
  std::optional<std::string_view> text(const char* name) const {
    ipp_attribute_t* member = find(name);
    if (member == nullptr) return std::nullopt;
    switch (ippGetValueTag(member)) {
      case IPP_TAG_KEYWORD:
      case IPP_TAG_NAME:
      case IPP_TAG_TEXT:
      case IPP_TAG_NAMELANG:
      case IPP_TAG_TEXTLANG: {
        const char* value = ippGetString(member, 0, nullptr);
        if (value != nullptr && platform::IsValidUTF8(value)) return std::string_view(value);
        break;
      }
      default:
        break;
    }
    ++refused_;
    return std::nullopt;
  }

  // The member's first value as an integer; none when absent or not an integer (a range is not).
  std::optional<std::int32_t> integer(const char* name) const {
    ipp_attribute_t* member = find(name);
    if (member == nullptr) return std::nullopt;
    if (ippGetValueTag(member) == IPP_TAG_INTEGER) return static_cast<std::int32_t>(ippGetInteger(member, 0));
    ++refused_;
    return std::nullopt;
  }

  // The member's first value as a collection.
  ipp_t* collection(const char* name) const {
    ipp_attribute_t* member = find(name);
    if (member == nullptr) return nullptr;
    if (ippGetValueTag(member) == IPP_TAG_BEGIN_COLLECTION) return ippGetCollection(member, 0);
    ++refused_;
    return nullptr;
  }

 private:
  ipp_attribute_t* find(const char* name) const {
    ipp_attribute_t* member = ippFindAttribute(collection_, name, IPP_TAG_ZERO);
    return member != nullptr && ippGetCount(member) > 0 ? member : nullptr;
  }
  ipp_t* collection_;
  int& refused_;
};

std::int32_t PunchedForHoleCount(std::int32_t holes) {
  if (holes == 0) return 1;
  if (holes >= 2 && holes <= 4) return 2;
  return kPrinterDefault;
}

}  // namespace

Stock StockFromMediaCol(ipp_t* collection, int& refused) {
  Stock stock;
  const MediaCol col(collection, refused);
  if (auto key = col.text("media-key")) stock.setCustomName(std::string(*key));
  if (auto description = col.text("media-description")) stock.setDescription(std::string(*description));
  if (auto color = col.text("media-color")) {
    stock.setColor(convertJTKTColorToIndex(*color));
    if (stock.color() == 10) stock.setCustomColor(std::string(*color));
  }
  const std::optional<std::int32_t> orderCount = col.integer("media-order-count");
  if (auto type = col.text("media-type")) {
    const std::int32_t index = convertJTKTTypeToIndex(*type, col.text("media-pre-printed"), col.text("media-recycled"),
                                                      orderCount.value_or(kPrinterDefault));
    stock.setType(index);
    if (index == 7) stock.setCustomType(std::string(*type));
    if ((index == 4 || index == 6) && orderCount) stock.setModulus(*orderCount);
  }
  if (auto holes = col.integer("media-hole-count")) stock.setPunched(PunchedForHoleCount(*holes));
  if (auto weight = col.integer("media-weight-metric"); weight && *weight != 0) stock.setWeight(*weight);
  if (ipp_t* size = col.collection("media-size")) {
    const MediaCol dimensions(size, refused);
    auto x = dimensions.integer("x-dimension");
    auto y = dimensions.integer("y-dimension");
    if (x && y) stock.setSize(GetSizeForStockDimensions(*x, *y));
  }
  std::optional<std::int32_t> sidesCoated, coatingType;
  convertJTKTSidesCoatedAndCoatingType(col.text("media-front-coating"), col.text("media-back-coating"), sidesCoated,
                                       coatingType);
  stock.setSidesCoated(sidesCoated.value_or(kPrinterDefault));
  stock.setCoatingType(coatingType.value_or(kPrinterDefault));
  if (auto info = col.text("media-info")) stock.setComment(std::string(*info));
  return stock;
}

bool StocksFromMediaColDatabase(ipp_t* reply, std::vector<Stock>& stocks, int& refused, std::string* error) {
  stocks.clear();
  ipp_attribute_t* database = ippFindAttribute(reply, kMediaColDatabase, IPP_TAG_ZERO);
  if (database == nullptr) return true;
  const ipp_tag_t tag = ippGetValueTag(database);
  if (tag == IPP_TAG_NOVALUE) return true;  // a printer that holds no media says so
  if (tag != IPP_TAG_BEGIN_COLLECTION) {
    if (error) *error = std::string(kMediaColDatabase) + " is not a set of collections";
    return false;
  }
  const int count = ippGetCount(database);
  stocks.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) stocks.push_back(StockFromMediaCol(ippGetCollection(database, i), refused));
  return true;
}
