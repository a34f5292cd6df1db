// The summary's Output section: slip sheets, the finishing option with its positions, and the
// output location.
#include "jobticket/reader/jtkt_summary.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "model/finishing_folds.h"
#include "model/paper_output_keys.h"
#include "model/ticket_fields.h"
#include "vocabulary/printer_default.h"

using platform::PlistDict;
using namespace jtkt_summary;

namespace {

void PositionLine(const char* kind, const PositionTexts& texts, JTKTSummaryLines* lines) {
  const std::string comma = Localized(",");
  lines->push_back("\t\t\t" + Localized(kind) + comma + Localized(texts.portrait) + comma + Localized(texts.landscape));
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
  if (const ZFoldSide* side = RowWith(kZFoldSides, &ZFoldSide::stored, zFold)) Single(lines, side->summaryKey);
}

// The fold's line when it is of the kinds the finishing option takes.
template <class Kinds>
void FoldLine(std::int32_t fold, Kinds kinds, JTKTSummaryLines* lines) {
  if (const FoldFacts* facts = FoldOf(fold); facts != nullptr && kinds(facts->kind)) Single(lines, facts->summaryKey);
}

void addFinishing(const PlistDict* settings, std::int32_t option, JTKTSummaryLines* lines) {
  const std::int32_t zFold = Value(settings, kFinishingZFoldValueKey);
  const std::int32_t holePunch = Value(settings, kFinishingHolePunchValueKey);
  const std::int32_t fold = Value(settings, kFinishingFoldValueKey);
  const std::int32_t bind = Value(settings, kFinishingBindValueKey);
  const std::int32_t booklet = Value(settings, kBookletFoldStapleKey);
  const std::int32_t staple = StapleValue(settings);
  switch (option) {
    case kFinishingNone: Single(lines, "None"); break;
    case kFinishingSignatureBooklet: Single(lines, "SignatureBookletMaker"); break;
    case kFinishingOneStaple: case kFinishingTwoStaples: case kFinishingCenterStaple: addStaple(staple, lines); break;
    case kFinishingBind:
      if (const BindPosition* position = RowWith(kBindPositions, &BindPosition::stored, bind))
        PositionLine("Bind", position->texts, lines);
      break;
    case kFinishingFold: FoldLine(fold, [](FoldKind kind) { return kind == FoldKind::TriFold; }, lines); break;
    case kFinishingCustom:
      if (const std::string* name = FindString(settings, kFinishingCustomKey)) lines->push_back("\t\t\t" + *name);
      break;
    case kFinishingBooklet:
      LabelFor(booklet, {{kBookletFoldOnly, "BookletFold"}, {kBookletFoldAndStaple, "BookletFoldStaple"}}, lines);
      break;
    case kFinishingHolePunch: addHolePunch(holePunch, lines); break;
    case kHolePunchFirst: case kHolePunchFirst + 1: case kHolePunchFirst + 2: case kHolePunchFirst + 3:
      addHolePunch(option, lines); break;
    case kFinishingZFoldHalfSheet: ZFoldLine(zFold, lines); break;
    case kFinishingAdvancedFold: FoldLine(fold, IsAdvancedFold, lines); break;
    case kFinishingStaplePunch: addHolePunch(holePunch, lines); addStaple(staple, lines); break;
    case kFinishingStaplePunchZFold: ZFoldLine(zFold, lines); addHolePunch(holePunch, lines); addStaple(staple, lines); break;
    case kFinishingStapleZFold: ZFoldLine(zFold, lines); addStaple(staple, lines); break;
    case kFinishingPunchZFold: ZFoldLine(zFold, lines); addHolePunch(holePunch, lines); break;
    default: break;
  }
}

}  // namespace

void addStaple(std::int32_t stapleValue, JTKTSummaryLines* lines) {
  const StaplePosition* position = StaplePositionStored(stapleValue);
  if (lines != nullptr && position != nullptr) PositionLine(FactsOf(position->kind).label, position->texts, lines);
}

void addHolePunch(std::int32_t holePunchValue, JTKTSummaryLines* lines) {
  const HolePunchEdge* edge = RowWith(kHolePunchEdges, &HolePunchEdge::stored, holePunchValue);
  if (lines != nullptr && edge != nullptr) PositionLine("HolePunch", edge->texts, lines);
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
    LabelValue(lines, "SlipSheet", Localized(*slip == kSlipSheetsOn ? "On" : "Off"));
  if (const std::optional<std::int32_t> option = Integer(settings, kFinishingOptionsKey)) {
    SubHeading(lines, "Stapling/Finishing");
    addFinishing(settings, *option, lines);
  }
  addOutputLocation(settings, lines);
  lines->push_back(kBlankLine);
}
