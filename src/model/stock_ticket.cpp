// The stock dictionary: how a Stock is kept in the print-settings ticket, in special pages and in
// the stock library. Every integer is a 32-bit property-list integer; unset fields are left out,
// so a reader takes a key's absence as "leave the field as it is".
#include "model/stock_keys.h"
#include <cstdint>
#include <string>

#include "model/stock.h"
#include "model/ticket_fields.h"

using namespace stock_keys;

namespace {


void ReadString(const platform::PlistDict& dict, const char* key, std::string& field) {
  if (const std::string* text = FindString(&dict, key)) field = *text;
}

}  // namespace

platform::PlistDict Stock::asTicket() const {
  platform::PlistDict dict;
  if (size_ != kPrinterDefault) {
    PutInteger(dict, kSizeKey, size_);
    if (size_ == kStockSizeCustom) {
      PutInteger(dict, kWidthKey, width_);
      PutInteger(dict, kLengthKey, length_);
    }
  }
  PutInteger(dict, kTypeKey, type_);  // always, so an unset type is stated rather than implied
  PutStringIfAny(dict, kCustomTypeKey, customType_);
  PutIntegerIfSet(dict, kModulusKey, modulus_);
  PutIntegerIfSet(dict, kColorKey, color_);
  PutStringIfAny(dict, kCustomColorKey, customColor_);
  PutIntegerIfSet(dict, kWeightKey, weight_);
  PutIntegerIfSet(dict, kPunchedKey, punched_);
  PutStringIfAny(dict, kDescriptionKey, description_);
  if (sidesCoated_ != kPrinterDefault) {
    PutInteger(dict, kSidesCoatedKey, sidesCoated_);
    PutInteger(dict, kCoatingTypeKey, coatingType_);
  }
  PutIntegerIfSet(dict, kFinishKey, finish_);
  PutIntegerIfSet(dict, kGrainKey, grain_);
  PutStringIfAny(dict, kCustomNameKey, customName_);
  if (customNameOnly_) dict.insert_or_assign(kCustomNameOnlyKey, platform::PlistValue(true));
  PutStringIfAny(dict, kCommentKey, comment_);
  PutIntegerIfSet(dict, kSourceKey, source_);
  return dict;
}

void Stock::fromTicket(const platform::PlistDict* dictionary) {
  if (dictionary == nullptr) return;
  const platform::PlistDict& dict = *dictionary;
  // Width and length mean something only beside a custom size read from the same dictionary.
  if (ReadInteger(&dict, kSizeKey, size_) && size_ == kStockSizeCustom) {
    ReadInteger(&dict, kWidthKey, width_);
    ReadInteger(&dict, kLengthKey, length_);
  }
  ReadInteger(&dict, kTypeKey, type_);
  ReadString(dict, kCustomTypeKey, customType_);
  // Only pre-cut tabs and ordered stocks repeat in sets; a modulus beside any other type
  // (the embossed variants included) is a leftover and is not taken.
  if (type_ == kStockTypePrecutTab || type_ == kStockTypeOrdered) ReadInteger(&dict, kModulusKey, modulus_);
  ReadInteger(&dict, kColorKey, color_);
  ReadString(dict, kCustomColorKey, customColor_);
  ReadInteger(&dict, kWeightKey, weight_);
  ReadInteger(&dict, kPunchedKey, punched_);
  ReadString(dict, kDescriptionKey, description_);
  // The coating type belongs to the coating; without the sides it is not taken.
  if (ReadInteger(&dict, kSidesCoatedKey, sidesCoated_)) ReadInteger(&dict, kCoatingTypeKey, coatingType_);
  ReadInteger(&dict, kFinishKey, finish_);
  ReadInteger(&dict, kGrainKey, grain_);
  ReadString(dict, kCustomNameKey, customName_);
  if (const platform::PlistValue* only = platform::PlistDictFind(dict, kCustomNameOnlyKey)) {
    if (const bool* flag = only->asBoolean()) customNameOnly_ = *flag;
  }
  ReadString(dict, kCommentKey, comment_);
  ReadInteger(&dict, kSourceKey, source_);
}
