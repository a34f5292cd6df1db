#pragma once
// Where a staple goes, with every fact the program keeps about it: the value the Paper/Output
// panel stores in its staple key, the installable feature that offers it, the keyword an imported
// ticket names it by, the finishing record's staple code, the finishings enum that record code
// is sent as (the job ticket and IPP share it), and the texts the dialogs and the summary show.
#include <cstdint>
#include <string_view>

#include "model/paper_output_codes.h"

// A corner or an edge as the dialogs name it ("... or ...") and as the summary names it, in two
// parts.
// Keys of the string table, hence plain C strings.
struct PositionTexts {
  const char* choice;
  const char* portrait;
  const char* landscape;
};

inline constexpr PositionTexts kCornerTexts[4] = {
    {"Portrait - Top Left or Landscape - Top Right", "Portrait - Top Left", "Landscape - Top Right"},
    {"Portrait - Bottom Left or Landscape - Top Left", "Portrait - Bottom Left", "Landscape - Top Left"},
    {"Portrait - Top Right or Landscape - Bottom Right", "Portrait - Top Right", "Landscape - Bottom Right"},
    {"Portrait - Bottom Right or Landscape - Bottom Left", "Portrait - Bottom Right", "Landscape - Bottom Left"}};
inline constexpr PositionTexts kEdgeTexts[4] = {
    {"Portrait - Left or Landscape - Top", "Portrait - Left", "Landscape - Top"},
    {"Portrait - Top or Landscape - Right", "Portrait - Top", "Landscape - Right"},
    {"Portrait - Bottom or Landscape - Left", "Portrait - Bottom", "Landscape - Left"},
    {"Portrait - Right or Landscape - Bottom", "Portrait - Right", "Landscape - Bottom"}};

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

// The position a stored staple value or a record code stands for; none when no position has it.
constexpr const StaplePosition* StaplePositionStored(std::int32_t stored) {
  for (const StaplePosition& p : kStaplePositions)
    if (p.stored == stored) return &p;
  return nullptr;
}
constexpr const StaplePosition* StaplePositionOfRecord(std::int32_t recordCode) {
  for (const StaplePosition& p : kStaplePositions)
    if (p.recordCode == recordCode) return &p;
  return nullptr;
}
