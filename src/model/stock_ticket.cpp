// The stock dictionary: how a Stock is kept in the print-settings ticket, in special pages and in
// the stock library. Every integer is a 32-bit property-list integer; unset fields are left out,
// so a reader takes a key's absence as "leave the field as it is".
#include "model/stock_keys.h"
#include <cstdint>
#include <string>

#include "model/stock.h"
#include "model/ticket_field_table.h"

using namespace stock_keys;
using namespace ticket_fields;

namespace {

// Width and length mean something only beside a custom size.
bool HasCustomSize(const Stock& stock) { return stock.size() == kStockSizeCustom; }

// Only pre-cut tabs and ordered stocks repeat in sets; a modulus beside any other type (the
// embossed variants included) is a leftover and is not taken, though it is still written.
bool RepeatsInSets(const Stock& stock) {
  return stock.type() == kStockTypePrecutTab || stock.type() == kStockTypeOrdered;
}

}  // namespace

Table<Stock> Stock::ticketFields() {
  using R = Stock;
  static constexpr Field<R> kFields[] = {
      {kSizeKey, Int32IfSet<R>{&R::size_}},
      // Read only beside a custom size read from the same dictionary.
      {.key = kWidthKey, .kind = Int32<R>{&R::width_}, .after = kSizeKey, .writeWhen = HasCustomSize,
       .readWhen = HasCustomSize},
      {.key = kLengthKey, .kind = Int32<R>{&R::length_}, .after = kSizeKey, .writeWhen = HasCustomSize,
       .readWhen = HasCustomSize},
      {kTypeKey, Int32<R>{&R::type_}},  // always, so an unset type is stated rather than implied
      {kCustomTypeKey, TextIfAny<R>{&R::customType_}},
      {.key = kModulusKey, .kind = Int32IfSet<R>{&R::modulus_}, .readWhen = RepeatsInSets},
      {kColorKey, Int32IfSet<R>{&R::color_}},
      {kCustomColorKey, TextIfAny<R>{&R::customColor_}},
      {kWeightKey, Int32IfSet<R>{&R::weight_}},
      {kPunchedKey, Int32IfSet<R>{&R::punched_}},
      {kDescriptionKey, TextIfAny<R>{&R::description_}},
      {kSidesCoatedKey, Int32IfSet<R>{&R::sidesCoated_}},
      // The coating type belongs to the coating: written and read only beside the sides.
      {.key = kCoatingTypeKey, .kind = Int32<R>{&R::coatingType_}, .after = kSidesCoatedKey},
      {kFinishKey, Int32IfSet<R>{&R::finish_}},
      {kGrainKey, Int32IfSet<R>{&R::grain_}},
      {kCustomNameKey, TextIfAny<R>{&R::customName_}},
      {kCustomNameOnlyKey, FlagIfTrue<R>{&R::customNameOnly_}},
      {kCommentKey, TextIfAny<R>{&R::comment_}},
      {kSourceKey, Int32IfSet<R>{&R::source_}},
  };
  return kFields;
}

platform::PlistDict Stock::asTicket() const { return WriteFields(*this, ticketFields()); }

void Stock::fromTicket(const platform::PlistDict* dictionary) { ReadFields(*this, ticketFields(), dictionary); }
