// The dictionary forms of covers, inserts and exception ranges. Values from a ticket that no
// menu holds, or that no page could have, are ignored and the field keeps its default, so a
// damaged ticket never shows a setting the printer cannot take.
#include "model/special_page_keys.h"
#include <algorithm>
#include <climits>
#include <initializer_list>
#include <vector>

#include "model/special_page.h"
#include "model/special_pages_codes.h"
#include "model/ticket_fields.h"

using namespace special_page_keys;

namespace {

const platform::PlistDict* FindDictionary(const platform::PlistDict& dict, const char* key) {
  const platform::PlistValue* value = platform::PlistDictFind(dict, key);
  return value ? value->asDictionary() : nullptr;
}

// Takes the key's integer only when accept() says the value is one the field can hold.
template <class Accept>
void ReadChecked(const platform::PlistDict& dict, const char* key, std::int32_t& field, Accept accept) {
  std::int32_t value = 0;
  if (ReadInteger(&dict, key, value) && accept(value)) field = value;
}

auto OneOf(std::initializer_list<std::int32_t> values) {
  return [set = std::vector<std::int32_t>(values)](std::int32_t v) {
    return v == kPrinterDefault || std::find(set.begin(), set.end(), v) != set.end();
  };
}

auto InRange(std::int32_t low, std::int32_t high) {
  return [low, high](std::int32_t v) { return v >= low && v <= high; };
}

}  // namespace

SpecialPage::SpecialPage(const platform::PlistDict& dict) : stock_(FindDictionary(dict, kStockKey)) {
  ReadChecked(dict, kStartPageKey, startPage_, InRange(0, INT32_MAX));
}

platform::PlistDict SpecialPage::asTicket() const {
  platform::PlistDict dict;
  PutInteger(dict, kStartPageKey, startPage_);
  dict.insert_or_assign(kStockKey, stock_.asTicket());
  return dict;
}

Cover::Cover(const platform::PlistDict& dict) : SpecialPage(dict) {
  ReadChecked(dict, kSidesImagedKey, sidesImaged_, InRange(1, 4));
}

platform::PlistDict Cover::asTicket() const {
  platform::PlistDict dict = SpecialPage::asTicket();
  PutInteger(dict, kSidesImagedKey, sidesImaged_);
  return dict;
}

Insert::Insert(const platform::PlistDict& dict) : SpecialPage(dict) {
  ReadChecked(dict, kQuantityKey, quantity_, InRange(1, INT32_MAX));
}

platform::PlistDict Insert::asTicket() const {
  platform::PlistDict dict = SpecialPage::asTicket();
  PutInteger(dict, kQuantityKey, quantity_);
  return dict;
}

ExceptionPage::ExceptionPage(const platform::PlistDict& dict) : SpecialPage(dict) {
  imageShift_.valid = false;  // until the dictionary holds a shift
  if (const platform::PlistDict* shift = FindDictionary(dict, kImageShiftOptionsPageKey)) imageShift_.fromTicket(*shift);
  ReadChecked(dict, kEndPageKey, endPage_, InRange(0, INT32_MAX));
  colorOptions_.fromTicket(FindDictionary(dict, kFullColorOptionsPageKey));
  // Any screen the printer has a word for (a job ticket may name more than the menu offers).
  ReadChecked(dict, kHalftoneScreenKey, halftoneScreen_, [](std::int32_t v) {
    return v == kPrinterDefault || (v >= 1 && v <= 47) || v == 51;
  });
  ReadChecked(dict, kAntialiasingKey, antialiasing_, OneOf({1, 2}));
  ReadChecked(dict, kOutputColorKey, outputColor_, OneOf({1, 2}));
  ReadChecked(dict, kSidesImagedKey, plex_, OneOf({1, 2, 3}));
  // Only the steps the menu offers: a job ticket carries no others back.
  ReadChecked(dict, kLightenDarkenKey, lightenDarken_, [](std::int32_t v) {
    return v == kPrinterDefault || (v >= kLightenDarkenLightest && v <= kLightenDarkenDarkest);
  });
}

platform::PlistDict ExceptionPage::asTicket() const {
  platform::PlistDict dict = SpecialPage::asTicket();
  PutInteger(dict, kEndPageKey, endPage_);
  if (auto shift = imageShift_.asTicket()) dict.insert_or_assign(kImageShiftOptionsPageKey, std::move(*shift));
  PutIntegerIfSet(dict, kSidesImagedKey, plex_);
  dict.insert_or_assign(kFullColorOptionsPageKey, colorOptions_.asTicket());
  PutIntegerIfSet(dict, kAntialiasingKey, antialiasing_);
  PutIntegerIfSet(dict, kOutputColorKey, outputColor_);
  PutIntegerIfSet(dict, kHalftoneScreenKey, halftoneScreen_);
  PutIntegerIfSet(dict, kLightenDarkenKey, lightenDarken_);
  return dict;
}

std::unique_ptr<ExceptionPage> ExceptionPageFromTicket(const platform::PlistDict& dict) {
  auto page = std::make_unique<ExceptionPage>(dict);
  if (!page->isValidRange()) return nullptr;
  return page;
}
