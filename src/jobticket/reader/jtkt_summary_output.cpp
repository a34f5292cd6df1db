// The summary's Output section: slip sheets, the finishing option with its positions, and the
// output location.
#include "jobticket/reader/jtkt_summary.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "model/paper_output_keys.h"
#include "model/ticket_fields.h"
#include "vocabulary/printer_default.h"

using platform::PlistDict;
using namespace jtkt_summary;

namespace {

constexpr std::int32_t kSlipSheetOn = 2;

struct Position {
  std::int32_t value;
  const char* first;
  const char* portrait;
  const char* landscape;
};

constexpr Position kStaples[] = {
    {5, "1 Staple", "Portrait - Top Left", "Landscape - Top Right"},
    {6, "1 Staple", "Portrait - Bottom Left", "Landscape - Top Left"},
    {7, "1 Staple", "Portrait - Top Right", "Landscape - Bottom Right"},
    {8, "1 Staple", "Portrait - Bottom Right", "Landscape - Bottom Left"},
    {10, "2 Staples", "Portrait - Left", "Landscape - Top"},
    {11, "2 Staples", "Portrait - Top", "Landscape - Right"},
    {12, "2 Staples", "Portrait - Bottom", "Landscape - Left"},
    {13, "2 Staples", "Portrait - Right", "Landscape - Bottom"},
    {26, "Center Staple", "Portrait - Left", "Landscape - Top"},
    {27, "Center Staple", "Portrait - Top", "Landscape - Right"},
    {28, "Center Staple", "Portrait - Bottom", "Landscape - Left"},
    {29, "Center Staple", "Portrait - Right", "Landscape - Bottom"}};
constexpr Position kHolePunches[] = {{32, "HolePunch", "Portrait - Left", "Landscape - Top"},
                                     {33, "HolePunch", "Portrait - Top", "Landscape - Right"},
                                     {34, "HolePunch", "Portrait - Bottom", "Landscape - Left"},
                                     {35, "HolePunch", "Portrait - Right", "Landscape - Bottom"}};
constexpr Position kBinds[] = {{15, "Bind", "Portrait - Left", "Landscape - Top"},
                               {16, "Bind", "Portrait - Right", "Landscape - Bottom"}};

template <std::size_t N>
void PositionLine(const Position (&table)[N], std::int32_t value, JTKTSummaryLines* lines) {
  for (const Position& row : table) {
    if (row.value != value) continue;
    const std::string comma = Localized(",");
    lines->push_back("\t\t\t" + Localized(row.first) + comma + Localized(row.portrait) + comma +
                     Localized(row.landscape));
  }
}

void LabelFor(std::int32_t value, std::initializer_list<std::pair<std::int32_t, const char*>> labels,
              JTKTSummaryLines* lines) {
  for (const auto& [v, label] : labels)
    if (v == value) Single(lines, label);
}

// A finishing value, 0 when absent or not set.
std::int32_t Value(const PlistDict* settings, const char* key) {
  const std::optional<std::int32_t> value = Integer(settings, key);
  return value && *value != kPrinterDefault ? *value : 0;
}

// The staple value as the writer takes it: the first staple key holding a value.
std::int32_t StapleValue(const PlistDict* settings) {
  for (const char* key : {kFinishingStaple1ValueKey, kFinishingStaple2ValueKey, kFinishingStapleCenterValueKey})
    if (const std::int32_t value = Value(settings, key); value != 0) return value;
  return 0;
}

void ZFoldLine(std::int32_t zFold, JTKTSummaryLines* lines) {
  LabelFor(zFold, {{38, "ZFoldLeftBind"}, {39, "ZFoldRightBind"}}, lines);
}

void addFinishing(const PlistDict* settings, std::int32_t option, JTKTSummaryLines* lines) {
  const std::int32_t zFold = Value(settings, kFinishingZFoldValueKey);
  const std::int32_t holePunch = Value(settings, kFinishingHolePunchValueKey);
  const std::int32_t fold = Value(settings, kFinishingFoldValueKey);
  const std::int32_t bind = Value(settings, kFinishingBindValueKey);
  const std::int32_t booklet = Value(settings, kBookletFoldStapleKey);
  const std::int32_t staple = StapleValue(settings);
  switch (option) {
    case 1: Single(lines, "None"); break;
    case 3: Single(lines, "SignatureBookletMaker"); break;
    case 4: case 9: case 25: addStaple(staple, lines); break;
    case 14: PositionLine(kBinds, bind, lines); break;
    case 18: LabelFor(fold, {{19, "FoldCFold"}, {20, "FoldZFold"}}, lines); break;
    case 22:
      if (const std::string* name = FindString(settings, kFinishingCustomKey)) lines->push_back("\t\t\t" + *name);
      break;
    case 24: LabelFor(booklet, {{7, "BookletFold"}, {8, "BookletFoldStaple"}}, lines); break;
    case 30: addHolePunch(holePunch, lines); break;
    case 32: case 33: case 34: case 35: addHolePunch(option, lines); break;
    case 36: ZFoldLine(zFold, lines); break;
    case 40:
      LabelFor(fold, {{41, "BiFoldSingleInside"}, {42, "BiFoldSingleOutside"}, {43, "BiFoldMultipleInside"},
                      {44, "BiFoldMultipleOutside"}, {45, "CTriFoldInside"}, {46, "CTriFoldOutside"},
                      {47, "ZTriFoldInside"}, {48, "ZTriFoldOutside"}},
               lines);
      break;
    case 49: addHolePunch(holePunch, lines); addStaple(staple, lines); break;
    case 50: ZFoldLine(zFold, lines); addHolePunch(holePunch, lines); addStaple(staple, lines); break;
    case 51: ZFoldLine(zFold, lines); addStaple(staple, lines); break;
    case 52: ZFoldLine(zFold, lines); addHolePunch(holePunch, lines); break;
    default: break;
  }
}

}  // namespace

void addStaple(std::int32_t stapleValue, JTKTSummaryLines* lines) {
  if (lines != nullptr) PositionLine(kStaples, stapleValue, lines);
}

void addHolePunch(std::int32_t holePunchValue, JTKTSummaryLines* lines) {
  if (lines != nullptr) PositionLine(kHolePunches, holePunchValue, lines);
}

void addOutputLocation(const PlistDict* settings, JTKTSummaryLines* lines) {
  const std::optional<std::int32_t> location = Integer(settings, kFinishingOutputDestinationKey);
  if (!location || lines == nullptr) return;
  static constexpr const char* kLabels[] = {nullptr,       "Auto",          "TopTray", "TopTray", "StackerTray",
                                            "StackerTray1", "StackerTray2", nullptr,   "Top Tray 1", "Top Tray 2"};
  if (*location >= 1 && *location <= 9 && kLabels[*location] != nullptr)
    LabelValue(lines, "Output Location", Localized(kLabels[*location]));
}

void addOutput(const PlistDict* settings, JTKTSummaryLines* lines) {
  if (lines == nullptr) return;
  lines->push_back(Localized("Output"));
  if (const std::optional<std::int32_t> slip = Integer(settings, kFinishingSlipSheetKey))
    LabelValue(lines, "SlipSheet", Localized(*slip == kSlipSheetOn ? "On" : "Off"));
  if (const std::optional<std::int32_t> option = Integer(settings, kFinishingOptionsKey)) {
    SubHeading(lines, "Stapling/Finishing");
    addFinishing(settings, *option, lines);
  }
  addOutputLocation(settings, lines);
  lines->push_back(kBlankLine);
}
