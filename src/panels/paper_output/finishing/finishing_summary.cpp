#include "panels/paper_output/finishing/finishing_summary.h"

#include <cstdio>
#include <vector>

#include "kit/control_helpers.h"
#include "model/finishing_folds.h"
#include "panels/paper_output/finishing/finishing_texts.h"

namespace {

class Lines {
 public:
  explicit Lines(const platform::Bundle& bundle) : bundle_(bundle) {}
  std::string text(std::string_view key) const { return bundle_.localizedString(key); }
  void add(std::string line) { lines_.push_back(std::move(line)); }
  void addKey(std::string_view key) { add(text(key)); }
  // A localised format of the program's own, filled with arguments (never the other way round).
  void addFormat(std::string_view formatKey, const FormatArguments& arguments) {
    add(FormatLocalizedText(text(formatKey), arguments));
  }
  bool empty() const { return lines_.empty(); }
  std::string joined() const {
    std::string out;
    for (std::size_t i = 0; i < lines_.size(); ++i) out += (i ? "\n" : "") + lines_[i];
    return out;
  }

 private:
  const platform::Bundle& bundle_;
  std::vector<std::string> lines_;
};

bool Among(std::int32_t code, std::initializer_list<std::int32_t> codes) {
  for (std::int32_t c : codes)
    if (c == code) return true;
  return false;
}

struct Positioned {
  std::string_view name;
  std::string_view position;
};

std::optional<Positioned> StapleOf(const FinishingState& f) {
  if (auto p = OneStaplePositionKey(f.staple1)) return Positioned{FactsOf(StapleKind::OneStaple).label, *p};
  if (auto p = EdgePositionKey(f.staple2, kTwoStaplesFirst)) return Positioned{FactsOf(StapleKind::TwoStaples).label, *p};
  if (auto p = EdgePositionKey(f.stapleCenter, kCenterStapleFirst))
    return Positioned{FactsOf(StapleKind::CenterStaple).label, *p};
  return std::nullopt;
}

std::optional<Positioned> PunchOf(const FinishingState& f) {
  auto name = HolePunchKey(f.holePunchOptions);
  auto position = EdgePositionKey(f.holePunchValue, kHolePunchFirst);
  if (!name || !position) return std::nullopt;
  return Positioned{*name, *position};
}

void AddPositioned(Lines& lines, const Positioned& p) {
  lines.add(lines.text(p.name) + lines.text(":") + lines.text(p.position));
}

void AddCodeLines(Lines& lines, const FinishingState& f) {
  switch (f.code) {
    case kFinishingNone: lines.addKey("None"); break;
    case kFinishingSignatureBooklet: lines.addKey("SignatureBooklet"); break;
    case kFinishingBind:
      if (const BindPosition* bind = RowWith(kBindPositions, &BindPosition::stored, f.bind)) lines.addKey(bind->summaryKey);
      break;
    case kFinishingCustom: lines.add(lines.text("CustomFinishing") + f.custom); break;
    case kFinishingFold:
    case kFinishingAdvancedFold:
      if (auto key = FoldKey(f.fold)) lines.addKey(*key);
      break;
    case kFinishingBooklet:
      if (f.fold == kFoldBiFoldMultipleInside) lines.addKey("Booklet Fold");
      if (f.fold == kFoldBookletFoldStaple) lines.addKey("Booklet FoldStaple");
      break;
    case kFinishingCoilPunch:
      if (const CoilPunchPosition* coil = RowWith(kCoilPunchPositions, &CoilPunchPosition::stored, f.coil))
        lines.addKey(coil->summaryKey);
      break;
    default: break;
  }
  std::optional<Positioned> staple, punch;
  if (Among(f.code, {kFinishingOneStaple, kFinishingTwoStaples, kFinishingCenterStaple, kFinishingStaplePunch,
                     kFinishingStaplePunchZFold, kFinishingStapleZFold}))
    staple = StapleOf(f);
  if (Among(f.code, {kFinishingHolePunch, kFinishingStaplePunch, kFinishingStaplePunchZFold, kFinishingPunchZFold}))
    punch = PunchOf(f);
  if (staple && punch && staple->position == punch->position) {
    lines.add(FormatLocalizedText(lines.text("%@, %@"), {lines.text(staple->name), lines.text(punch->name)}) +
              lines.text(":") + lines.text(staple->position));
  } else {
    if (staple) AddPositioned(lines, *staple);
    if (punch) AddPositioned(lines, *punch);
  }
  if (Among(f.code, {kFinishingZFoldHalfSheet, kFinishingStaplePunchZFold, kFinishingStapleZFold, kFinishingPunchZFold}))
    if (const ZFoldSide* side = RowWith(kZFoldSides, &ZFoldSide::stored, f.zFold)) lines.addKey(side->summaryKey);
}

void AddPadLine(Lines& lines, const PadSettings& pads) {
  const std::int64_t count = pads.numberOfPads, pages = pads.pagesPerPad;
  if (pads.numberBoxChecked && pads.pagesBoxChecked) {
    lines.addKey("Pads Enabled");
  } else if (pads.numberBoxChecked) {
    lines.addFormat("%d Pages Per Pad", {pages});
  } else if (pads.pagesBoxChecked) {
    lines.addFormat("%d Pads", {count});
  } else {
    lines.addFormat("%d Pads, %d Pages Per Pad", {count, pages});
  }
}

void AddSquareFoldLine(Lines& lines, const FinishingState& f) {
  const std::string label = lines.text("SquareFold");
  const SquareFoldLevel* level = RowWith(kSquareFoldLevels, &SquareFoldLevel::stored, f.squareFoldValue);
  if (level == nullptr) return;
  if (level->summaryKey != nullptr)
    lines.addFormat("%@: %@", {label, lines.text(level->summaryKey)});
  else
    lines.addFormat("%@: %d", {label, level->summaryStep});
}

}  // namespace

std::string FinishingSummaryText(const platform::Bundle& bundle, const PaperOutputContext& c) {
  const FinishingState& f = c.finishing;
  Lines lines(bundle);
  AddCodeLines(lines, f);
  if (lines.empty()) lines.addKey("PrinterDefault");
  if (c.booklet.on) lines.addKey("Booklet Layout");
  if (f.slipSheets == kSlipSheetsOn) lines.addKey("SlipSheet");
  lines.add(lines.text("Offset") + lines.text(OffsetKey(f.offset).value_or("PrinterDefault")));
  if (c.pads.on) AddPadLine(lines, c.pads);
  if (f.squareFoldOn) AddSquareFoldLine(lines, f);
  if (f.trimOn) {
    char length[32];
    std::snprintf(length, sizeof length, "%3.2f", TrimLengthInMillimetres(f));
    lines.add(lines.text("TrimmedLength") + " " + length + " mm");
  }
  return lines.joined();
}
