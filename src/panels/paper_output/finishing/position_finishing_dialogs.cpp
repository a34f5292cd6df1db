// The position finishings, each a row of one table: the generic position dialog on one field of
// the finishing state, with its title, its options and the finishing code its OK sets.
#include <array>
#include <string>

#include "panels/paper_output/finishing/finishing_dialog_template.h"
#include "panels/paper_output/finishing/finishing_dialogs.h"
#include "panels/paper_output/finishing/finishing_features.h"
#include "panels/paper_output/finishing/finishing_texts.h"
#include "panels/paper_output/paper_output_pictures.h"

namespace {

// The positions of a staple kind in table order: "1 Staple..." a corner, "2 Staples..." and
// "Center Staple..." an edge. The one staple's bottom-right corner is offered only where the
// stapler can reach it.
std::vector<FinishingOption> StapleOptions(StapleKind kind, std::string_view picturePrefix) {
  std::vector<FinishingOption> options;
  for (const StaplePosition& p : kStaplePositions) {
    if (p.kind != kind) continue;
    if (&p.texts == &kCornerTexts[3] && !FinishingFeatureInstalled(p.feature)) continue;
    options.push_back({p.texts.choice, PositionPicture(picturePrefix, options.size()), p.stored});
  }
  return options;
}
std::vector<FinishingOption> OneStapleOptions(std::int32_t) { return StapleOptions(StapleKind::OneStaple, "1St"); }
std::vector<FinishingOption> TwoStaplesOptions(std::int32_t) { return StapleOptions(StapleKind::TwoStaples, "2St"); }
std::vector<FinishingOption> CenterStapleOptions(std::int32_t) {
  return StapleOptions(StapleKind::CenterStaple, "CtSt");
}

// "2 Hole Punch...", "3 Hole Punch...", "4 Hole Punch...": the edge the holes go along; the
// number of holes comes with the menu item.
std::vector<FinishingOption> HolePunchOptions(std::int32_t holesCode) {
  std::vector<FinishingOption> options;
  const HolePunchCount* count = RowWith(kHolePunchCounts, &HolePunchCount::holesCode, holesCode);
  if (count == nullptr) return options;
  for (const HolePunchEdge& edge : kHolePunchEdges)
    options.push_back({edge.texts.choice, PositionPicture(count->picturePrefix, EdgePlace(edge.texts)), edge.stored});
  return options;
}

// "Bind...": the edge the binding goes along.
std::vector<FinishingOption> BindOptions(std::int32_t) {
  std::vector<FinishingOption> options;
  for (const BindPosition& bind : kBindPositions)
    options.push_back({bind.texts.choice, PositionPicture("Bnd", EdgePlace(bind.texts)), bind.stored});
  return options;
}

// The tri-fold dialog: a C or a Z tri-fold (finishing code 18).
std::vector<FinishingOption> FoldOptions(std::int32_t) {
  std::vector<FinishingOption> options;
  for (const FoldFacts& fold : kFolds)
    if (fold.kind == FoldKind::TriFold) options.push_back({fold.dialogLabel, fold.picture, fold.stored});
  return options;
}

struct PositionFinishingRow {
  PositionFinishing finishing;
  const char* titleKey;  // none: the hole punch's, by its number of holes
  std::vector<FinishingOption> (*options)(std::int32_t holesCode);
  std::int32_t FinishingState::*field;
  std::int32_t code;
};

constexpr std::array<PositionFinishingRow, 6> kPositionFinishings = {{
    {PositionFinishing::OneStaple, FactsOf(StapleKind::OneStaple).label, OneStapleOptions,
     &FinishingState::staple1, kFinishingOneStaple},
    {PositionFinishing::TwoStaples, FactsOf(StapleKind::TwoStaples).label, TwoStaplesOptions,
     &FinishingState::staple2, kFinishingTwoStaples},
    {PositionFinishing::CenterStaple, FactsOf(StapleKind::CenterStaple).label, CenterStapleOptions,
     &FinishingState::stapleCenter, kFinishingCenterStaple},
    {PositionFinishing::HolePunch, nullptr, HolePunchOptions, &FinishingState::holePunchValue, kFinishingHolePunch},
    {PositionFinishing::Bind, "Bind", BindOptions, &FinishingState::bind, kFinishingBind},
    {PositionFinishing::Fold, "Fold", FoldOptions, &FinishingState::fold, kFinishingFold},
}};

}  // namespace

DialogAnswer<FinishingState> RunModalPositionFinishingDialog(const PaperOutputContext& context,
                                                             PositionFinishing finishing, std::int32_t holesCode) {
  const PositionFinishingRow& row = kPositionFinishings[static_cast<std::size_t>(finishing)];
  std::string title = row.titleKey ? row.titleKey : "";
  if (finishing == PositionFinishing::HolePunch) {
    const std::optional<std::string_view> key = HolePunchKey(holesCode);
    if (!key) return {platform::paramErr, std::nullopt};
    title = *key;
  }
  FinishingState f = context.finishing;
  const DialogAnswer<std::int32_t> value =
      RunModalPositionDialog(context.bundle, title.c_str(), row.options(holesCode), f.*row.field);
  if (!value.record) return {value.status, std::nullopt};
  f.*row.field = *value.record;
  f.code = row.code;
  if (finishing == PositionFinishing::HolePunch) f.holePunchOptions = holesCode;
  ClearExclusiveFinishings(f, finishing);
  return {platform::noErr, std::move(f)};
}
