#pragma once
// Where a staple, a punch, a binding or a coil goes, with every fact the program keeps about it:
// the value the Paper/Output panel stores in its key, the installable feature that offers it, the
// keyword an imported ticket names it by, the finishing record's code, the finishings enum that
// record code is sent as, and the texts the dialogs and the summaries show.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <type_traits>

#include "model/paper_output_codes.h"

// The side of the portrait sheet a position lies on, where a z-folded half sheet binds with it.
enum class BindSide : std::uint8_t { Neither, Left, Right };

// A corner or an edge as the dialogs name it ("... or ...") and as the summary names it, in two
// parts, and the side it lies on.
// Keys of the string table, hence plain C strings.
struct PositionTexts {
  const char* choice;
  const char* portrait;
  const char* landscape;
  BindSide side;
};

inline constexpr PositionTexts kCornerTexts[4] = {
    {"Portrait - Top Left or Landscape - Top Right", "Portrait - Top Left", "Landscape - Top Right", BindSide::Left},
    {"Portrait - Bottom Left or Landscape - Top Left", "Portrait - Bottom Left", "Landscape - Top Left",
     BindSide::Left},
    {"Portrait - Top Right or Landscape - Bottom Right", "Portrait - Top Right", "Landscape - Bottom Right",
     BindSide::Right},
    {"Portrait - Bottom Right or Landscape - Bottom Left", "Portrait - Bottom Right", "Landscape - Bottom Left",
     BindSide::Right}};
// Left, top, bottom, right: the order every edge finishing keeps its positions in.
inline constexpr PositionTexts kEdgeTexts[4] = {
    {"Portrait - Left or Landscape - Top", "Portrait - Left", "Landscape - Top", BindSide::Left},
    {"Portrait - Top or Landscape - Right", "Portrait - Top", "Landscape - Right", BindSide::Neither},
    {"Portrait - Bottom or Landscape - Left", "Portrait - Bottom", "Landscape - Left", BindSide::Neither},
    {"Portrait - Right or Landscape - Bottom", "Portrait - Right", "Landscape - Bottom", BindSide::Right}};

// The place of an edge's texts in kEdgeTexts, which is also its picture's number.
constexpr std::size_t EdgePlace(const PositionTexts& texts) { return static_cast<std::size_t>(&texts - kEdgeTexts); }

// Where a finishings enum goes: the job ticket numbers some finishings its own way, IPP only by
// the registered values.
enum class FinishingsFor : std::uint8_t { JobTicket, Ipp };

// The three staple finishings, in the order of their ticket keys (staple 1, staple 2, centre).
enum class StapleKind : std::uint8_t { OneStaple, TwoStaples, CenterStaple };

struct StapleKindFacts {
  std::int32_t finishingCode;
  const char* label;  // the dialog's title and the summary's name
};
inline constexpr StapleKindFacts kStapleKinds[] = {{kFinishingOneStaple, "1 Staple"},
                                                   {kFinishingTwoStaples, "2 Staples"},
                                                   {kFinishingCenterStaple, "Center Staple"}};
constexpr const StapleKindFacts& FactsOf(StapleKind kind) { return kStapleKinds[static_cast<int>(kind)]; }

struct StaplePosition {
  StapleKind kind;
  std::int32_t stored;
  std::string_view feature;
  std::string_view keyword;
  std::int32_t recordCode;
  std::int32_t finishingsEnum;
  const PositionTexts& texts;
};

// In dialog order within each kind.
inline constexpr StaplePosition kStaplePositions[] = {
    {StapleKind::OneStaple, kOneStapleFirst, "1StapleTL", "1StapleTopLeft", 0, 20, kCornerTexts[0]},
    {StapleKind::OneStaple, kOneStapleFirst + 1, "1StapleBL", "1StapleBottomLeft", 2, 21, kCornerTexts[1]},
    {StapleKind::OneStaple, kOneStapleFirst + 2, "1StapleTR", "1StapleTopRight", 1, 22, kCornerTexts[2]},
    {StapleKind::OneStaple, kOneStapleFirst + 3, "1StapleBR", "1StapleBottomRight", 20, 23, kCornerTexts[3]},
    {StapleKind::TwoStaples, kTwoStaplesFirst, "2StaplesL", "2StaplesLeft", 3, 28, kEdgeTexts[0]},
    {StapleKind::TwoStaples, kTwoStaplesFirst + 1, "2StaplesT", "2StaplesTop", 4, 29, kEdgeTexts[1]},
    {StapleKind::TwoStaples, kTwoStaplesFirst + 2, "2StaplesB", "2StaplesBottom", 5, 31, kEdgeTexts[2]},
    {StapleKind::TwoStaples, kTwoStaplesFirst + 3, "2StaplesR", "2StaplesRight", 6, 30, kEdgeTexts[3]},
    {StapleKind::CenterStaple, kCenterStapleFirst, "CenterStapleL", "1StapleLeft", 16, 32, kEdgeTexts[0]},
    {StapleKind::CenterStaple, kCenterStapleFirst + 1, "CenterStapleT", "1StapleTop", 17, 33, kEdgeTexts[1]},
    {StapleKind::CenterStaple, kCenterStapleFirst + 2, "CenterStapleB", "1StapleBottom", 18, 35, kEdgeTexts[2]},
    {StapleKind::CenterStaple, kCenterStapleFirst + 3, "CenterStapleR", "1StapleRight", 19, 34, kEdgeTexts[3]}};

// The booklet's staples are no position: the record's code for them and their enums, which the
// job ticket and IPP number differently.
inline constexpr std::int32_t kStapleRecordBooklet = 7;
inline constexpr std::int32_t kStapleBookletTicketEnum = 110;
inline constexpr std::int32_t kStapleBookletIppEnum = 8;

// The four edges a hole punch goes along, in kEdgeTexts order. IPP numbers its punches by hole
// count and then by edge in the order left, top, right, bottom: ippPlace.
struct HolePunchEdge {
  std::int32_t stored;
  std::string_view keyword;
  std::int32_t recordCode;
  std::int32_t ticketEnum;
  int ippPlace;
  const PositionTexts& texts;
};
inline constexpr HolePunchEdge kHolePunchEdges[] = {{kHolePunchFirst, "Left", 31, 93, 0, kEdgeTexts[0]},
                                                    {kHolePunchFirst + 1, "Top", 32, 94, 1, kEdgeTexts[1]},
                                                    {kHolePunchFirst + 2, "Bottom", 33, 96, 3, kEdgeTexts[2]},
                                                    {kHolePunchFirst + 3, "Right", 34, 95, 2, kEdgeTexts[3]}};
// A punch value of 49 is kept in the record as code 38, which no finishings enum stands for.
inline constexpr std::int32_t kHolePunchStoredOther = 49;
inline constexpr std::int32_t kHolePunchRecordOther = 38;

// The hole counts: the value the panel stores in its hole punch options key, the imported
// keyword, the record's code with its job ticket enum, the first IPP punch enum of the count
// (its left edge), the dialog title and menu item, the picture prefix and the installable
// feature of each edge in kHolePunchEdges order.
struct HolePunchCount {
  std::int32_t holesCode;
  std::string_view keyword;
  std::int32_t recordCode;
  std::int32_t ticketEnum;
  int ippFirst;
  const char* label;
  const char* menuLabel;
  const char* picturePrefix;
  std::string_view features[4];
};
inline constexpr HolePunchCount kHolePunchCounts[] = {
    {3, "Two", 35, 90, 74, "2 Hole Punch", "2 Hole Punch...", "2Hp",
     {"2HolePunchL", "2HolePunchT", "2HolePunchB", "2HolePunchR"}},
    {4, "Three", 36, 91, 78, "3 Hole Punch", "3 Hole Punch...", "3Hp",
     {"3HolePunchL", "3HolePunchT", "3HolePunchB", "3HolePunchR"}},
    {5, "Four", 37, 92, 82, "4 Hole Punch", "4 Hole Punch...", "4Hp",
     {"4HolePunchL", "4HolePunchT", "4HolePunchB", "4HolePunchR"}}};
// The count a ticket without a hole count punches: three holes.
inline constexpr const HolePunchCount& kHolePunchDefaultCount = kHolePunchCounts[1];

// The two edges a binding goes along: the stored value, the imported keyword, the installable
// feature, the record's fold code, the texts and the Paper/Output summary's key.
struct BindPosition {
  std::int32_t stored;
  std::string_view keyword;
  std::string_view feature;
  std::int32_t recordCode;
  const PositionTexts& texts;
  const char* summaryKey;
};
inline constexpr BindPosition kBindPositions[] = {{kBindLeftTop, "Left", "BindLeft", 13, kEdgeTexts[0], "BindLT"},
                                                  {kBindRightBottom, "Right", "BindRight", 14, kEdgeTexts[3], "BindRB"}};

// The two edges a coil goes along, in the coil punch dialog's order: the stored value, the
// imported keyword, the job ticket enum (IPP has none) and the Paper/Output summary's key.
struct CoilPunchPosition {
  std::int32_t stored;
  std::string_view keyword;
  std::int32_t ticketEnum;
  const char* summaryKey;
};
inline constexpr CoilPunchPosition kCoilPunchPositions[] = {{kCoilLeftTop, "Coil255", 254, "CoilPunchLT"},
                                                            {kCoilRightBottom, "Coil257", 256, "CoilPunchRB"}};

// The row of a table whose field holds value; none when no row does.
template <class Row, std::size_t N, class Field>
constexpr const Row* RowWith(const Row (&rows)[N], Field Row::*field, std::type_identity_t<Field> value) {
  for (const Row& row : rows)
    if (row.*field == value) return &row;
  return nullptr;
}

// The position a stored staple value or a record code stands for; none when no position has it.
constexpr const StaplePosition* StaplePositionStored(std::int32_t stored) {
  return RowWith(kStaplePositions, &StaplePosition::stored, stored);
}
constexpr const StaplePosition* StaplePositionOfRecord(std::int32_t recordCode) {
  return RowWith(kStaplePositions, &StaplePosition::recordCode, recordCode);
}

// The finishings enum of a record's staple code; none for a code without one (the not-set -1 too).
constexpr std::optional<std::int32_t> StapleFinishingsEnum(std::int32_t recordCode, FinishingsFor to) {
  if (recordCode == kStapleRecordBooklet)
    return to == FinishingsFor::Ipp ? kStapleBookletIppEnum : kStapleBookletTicketEnum;
  if (const StaplePosition* position = StaplePositionOfRecord(recordCode)) return position->finishingsEnum;
  return std::nullopt;
}
