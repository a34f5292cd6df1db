// The stock's type and colour as the printer's media type and media colour, with what a type
// implies about weight, coating, tooth, holes and printing.
#include <string>
#include <utility>

#include "jobticket/writer/jtkt_media.h"

namespace {

struct Implied {
  std::int32_t weight = kJTktUnset;
  bool glossCoatedFront = false;
};

// Sets the record's type code and what the stock type implies beside it.
void SetType(_MEDIADATA* record, std::int32_t code, Implied implied = {}) {
  record->type = code;
  if (implied.weight != kJTktUnset) record->weight = implied.weight;
  if (implied.glossCoatedFront) {
    record->sidesCoated = 2;
    record->coatingKind = 1;
  }
}

void SetNamedType(_MEDIADATA* record, std::string name, Implied implied = {}) {
  SetType(record, kJTktMediaNamed, implied);
  record->typeName = std::move(name);
}

}  // namespace

void FillMediaType(_MEDIADATA* record, const Stock& stock) {
  const std::int32_t type = stock.type();
  switch (type) {
    case 1: SetType(record, kJTktMediaStationery); break;
    case 11:
      SetType(record, kJTktMediaStationery);
      record->holeCount = 3;
      break;
    case 12: case 45: SetType(record, kJTktMediaStationery, {141}); break;
    case 27: SetType(record, kJTktMediaStationery, {219}); break;
    case 35: SetType(record, kJTktMediaStationery, {229}); break;
    case 40:
      SetType(record, kJTktMediaStationery);
      record->tooth = 3;
      break;
    case 29: SetType(record, kJTktMediaStationery, {kJTktUnset, true}); break;
    case 31: SetType(record, kJTktMediaStationery, {219, true}); break;
    case 37: SetType(record, kJTktMediaStationery, {229, true}); break;
    case 2: SetType(record, kJTktMediaTransparency); break;
    case 3:
    case 14:
      SetType(record, kJTktMediaPrePrinted);
      record->prePrinted = type == 3 ? 1 : 2;  // pre-printed, letterhead
      break;
    case 4: case 24: SetType(record, kJTktMediaPreCutTabs); break;
    case 33: SetType(record, kJTktMediaPreCutTabs, {229}); break;
    case 5: SetType(record, kJTktMediaFullCutTabs); break;
    case 9: SetType(record, kJTktMediaLabels); break;
    case 25: SetType(record, kJTktMediaLabels, {219}); break;
    case 39: SetType(record, kJTktMediaLabels, {229}); break;
    case 8: SetType(record, kJTktMediaEnvelope); break;
    case 10:
      SetType(record, kJTktMediaRecycled);
      record->recycled = 1;
      break;
    case 13: SetType(record, kJTktMediaBond); break;
    case 22: SetType(record, kJTktMediaOther); break;
    case 6: case 7: SetNamedType(record, stock.customType()); break;
    case 15: case 16: case 17: case 18: case 19: case 20: case 21:
      SetNamedType(record, "Custom" + std::to_string(type - 14));
      break;
    case 26: SetNamedType(record, "stationery2", {141}); break;
    case 28: case 32: SetNamedType(record, "stationery2", {219, type == 32}); break;
    case 30: SetNamedType(record, "stationery2", {kJTktUnset, true}); break;
    case 36: case 38: SetNamedType(record, "stationery2", {229, type == 38}); break;
    // The system-default type names no paper: a name type without a name, which writes nothing.
    case 23: SetType(record, kJTktMediaNamed); break;
    case 52: case 53: case 54: case 55: case 56: SetType(record, kJTktMediaPreCutEmbossedTab + (type - 52)); break;
    default: SetType(record, kJTktMediaNoType); break;
  }
  record->orderCount = stock.modulus() == kPrinterDefault ? kJTktUnset : stock.modulus();
}

void FillMediaColor(_MEDIADATA* record, const Stock& stock) {
  // Stock colours 1 to 13 (10, custom, apart) to the printer's colour codes.
  constexpr std::int32_t kColorCodes[] = {kJTktUnset, 1, 4, 3, 5, 2, 0, 6, 7, 8, kJTktUnset, 9, 10, 11};
  const std::int32_t color = stock.color();
  if (color >= 1 && color <= 13 && color != 10) {
    record->color = kColorCodes[static_cast<std::size_t>(color)];
  } else if (color == 10) {
    record->color = kJTktMediaColorNamed;
    record->colorName = stock.customColor();
  } else if (color == 14) {
    record->color = kJTktMediaColorNamed;
    record->colorName = "other";
  } else if (color >= 15 && color <= 21) {
    record->color = kJTktMediaColorNamed;
    record->colorName = "custom" + std::to_string(color - 14);
  } else {
    record->color = kJTktMediaNoColor;
  }
}
