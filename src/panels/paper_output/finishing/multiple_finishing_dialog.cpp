// "Multiple Finishing...": staples, hole punch and z-fold half sheet together. Staples and punch
// share one edge, and a z-fold binds on that edge when it is the left or the right one.
#include "kit/control_helpers.h"
#include "panels/paper_output/finishing/finishing_dialogs.h"
#include "panels/paper_output/finishing/finishing_features.h"
#include "panels/paper_output/finishing/finishing_texts.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr ui::ControlID kStaplingID{kFinishingSignature, 11};
constexpr ui::ControlID kStapleLocationID{kFinishingSignature, 12};
constexpr ui::ControlID kPunchID{kFinishingSignature, 13};
constexpr ui::ControlID kPunchLocationID{kFinishingSignature, 14};
constexpr ui::ControlID kZFoldBoxID{kFinishingSignature, 15};
constexpr ui::ControlID kZFoldLabelID{kFinishingSignature, 34};
constexpr std::int32_t kNothing = 0;

void AddItem(const platform::Bundle* bundle, ui::Menu& menu, std::string_view key, std::int32_t ref) {
  menu.append(ui::MenuItem(bundle->localizedString(key), 0, ref));
}

void Finish(ui::Control& popup, std::int32_t current) {
  popup.setMaximum(popup.menu().count());
  popup.setValue(1);
  SetPopupButtonToTicketValue(popup, current);
}

// The staple locations of a staple kind (finishing code 4, 9 or 25); without staples the pop-up
// is disabled and says "None" rather than showing nothing.
void FillStapleLocations(const platform::Bundle* bundle, ui::Control& popup, std::int32_t kind, std::int32_t current) {
  popup.menu().clear();
  for (const StaplePosition& p : kStaplePositions)
    if (FactsOf(p.kind).finishingCode == kind) AddItem(bundle, popup.menu(), p.texts.choice, p.stored);
  popup.setEnabled(popup.menu().count() > 0);
  if (popup.menu().count() == 0) AddItem(bundle, popup.menu(), "None", kNothing);
  Finish(popup, current);
}

struct Choice {
  std::int32_t stapleKind = kNothing;  // 4, 9, 25 or nothing
  std::int32_t stapleLocation = kNothing;
  std::int32_t holes = kNothing;  // 3, 4, 5 or nothing
  std::int32_t punchLocation = kNothing;
  bool zFold = false;
};

// The punch position that shares the edge of a two-staple or centre-staple location.
std::optional<std::int32_t> PunchEdgeOf(std::int32_t stapleLocation) {
  const StaplePosition* staple = StaplePositionStored(stapleLocation);
  if (staple == nullptr || staple->kind == StapleKind::OneStaple) return std::nullopt;
  for (const HolePunchEdge& edge : kHolePunchEdges)
    if (&edge.texts == &staple->texts) return edge.stored;
  return std::nullopt;
}

// True when the staple location or the punch position lies on the side.
bool OnSide(std::int32_t stapleLocation, std::int32_t punchPosition, BindSide side) {
  const StaplePosition* staple = StaplePositionStored(stapleLocation);
  const HolePunchEdge* punch = RowWith(kHolePunchEdges, &HolePunchEdge::stored, punchPosition);
  return (staple != nullptr && staple->texts.side == side) || (punch != nullptr && punch->texts.side == side);
}

std::int32_t CodeFor(const Choice& c) {
  const bool staple = c.stapleKind != kNothing, punch = c.holes != kNothing;
  if (!staple) {
    if (punch) return c.zFold ? kFinishingPunchZFold : kFinishingHolePunch;
    return c.zFold ? kFinishingZFoldHalfSheet : kFinishingPrinterDefault;
  }
  if (punch) return c.zFold ? kFinishingStaplePunchZFold : kFinishingStaplePunch;
  return c.zFold ? kFinishingStapleZFold : c.stapleKind;
}

void Apply(const Choice& c, FinishingState& f) {
  f.staple1 = c.stapleKind == kFinishingOneStaple ? c.stapleLocation : 0;
  f.staple2 = c.stapleKind == kFinishingTwoStaples ? c.stapleLocation : 0;
  f.stapleCenter = c.stapleKind == kFinishingCenterStaple ? c.stapleLocation : 0;
  if (c.holes != kNothing) {
    f.holePunchValue = PunchEdgeOf(c.stapleLocation).value_or(c.punchLocation);
    f.holePunchOptions = c.holes;
  } else {
    f.holePunchValue = 0;
  }
  // The bind side follows the shared edge; on the top edge, or with nothing on an edge, the z-fold
  // keeps the side it had.
  if (c.zFold) {
    for (const ZFoldSide& side : kZFoldSides)
      if (OnSide(c.stapleLocation, f.holePunchValue, side.side)) f.zFold = side.stored;
  }
  f.code = CodeFor(c);
  f.fold = 0;
  f.bind = 0;
  SquareFoldAndTrimOff(f);
}

}  // namespace

DialogAnswer<FinishingState> RunModalMultipleFinishingDialog(const PaperOutputContext& context) {
  const platform::Bundle* bundle = context.bundle;
  return RunDialog(bundle, {kFinishingInterfaceName, "Multiple", {}}, context.finishing,
                   [bundle](ui::Window& window, FinishingState& f) -> std::optional<DialogWiring> {
  ui::Control* stapling = window.find(kStaplingID);
  ui::Control* stapleAt = window.find(kStapleLocationID);
  ui::Control* punch = window.find(kPunchID);
  ui::Control* punchAt = window.find(kPunchLocationID);
  ui::Control* zFold = window.find(kZFoldBoxID);
  if (!stapling || !stapleAt || !punch || !punchAt || !zFold || bundle == nullptr) return std::nullopt;

  AddItem(bundle, stapling->menu(), "None", kNothing);
  for (StapleKind kind : {StapleKind::OneStaple, StapleKind::TwoStaples, StapleKind::CenterStaple})
    if (StapleKindInstalled(kind)) AddItem(bundle, stapling->menu(), FactsOf(kind).label, FactsOf(kind).finishingCode);
  const std::int32_t currentKind = OneStaplePositionKey(f.staple1)                          ? kFinishingOneStaple
                                   : EdgePositionKey(f.staple2, kTwoStaplesFirst)           ? kFinishingTwoStaples
                                   : EdgePositionKey(f.stapleCenter, kCenterStapleFirst) ? kFinishingCenterStaple
                                                                                            : kNothing;
  Finish(*stapling, currentKind);
  const std::int32_t currentLocation = currentKind == kFinishingOneStaple    ? f.staple1
                                       : currentKind == kFinishingTwoStaples ? f.staple2
                                                                             : f.stapleCenter;
  FillStapleLocations(bundle, *stapleAt, currentKind, currentLocation);

  AddItem(bundle, punch->menu(), "None", kNothing);
  for (const HolePunchCount& count : kHolePunchCounts)
    if (HolePunchCountInstalled(count)) AddItem(bundle, punch->menu(), count.label, count.holesCode);
  const bool punched = EdgePositionKey(f.holePunchValue, kHolePunchFirst).has_value();
  Finish(*punch, punched ? f.holePunchOptions : kNothing);
  for (const HolePunchEdge& edge : kHolePunchEdges) AddItem(bundle, punchAt->menu(), edge.texts.choice, edge.stored);
  Finish(*punchAt, f.holePunchValue);

  const bool zFoldInstalled = AnyRowInstalled(kZFoldSides);
  zFold->setVisible(zFoldInstalled);
  if (ui::Control* label = window.find(kZFoldLabelID)) label->setVisible(zFoldInstalled);
  const std::int32_t code = f.code;
  const bool zFolded = code == kFinishingZFoldHalfSheet || code == kFinishingStaplePunchZFold ||
                       code == kFinishingStapleZFold || code == kFinishingPunchZFold;
  zFold->setValue(zFoldInstalled && zFolded ? 1 : 0);

  auto value = [](const ui::Control& popup) { return GetPopupButtonTicketValue(popup).value_or(kNothing); };
  auto follow = [=] {
    // A punch along the staples' edge follows them; its own location counts only otherwise.
    punchAt->setEnabled(value(*punch) != kNothing && !PunchEdgeOf(value(*stapleAt)));
  };
  follow();
  DialogWiring wiring;
  wiring.handlers.push_back(stapling->installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, [=](ui::Event&) {
    FillStapleLocations(bundle, *stapleAt, value(*stapling), kNothing);
    follow();
    return platform::noErr;
  }));
  for (ui::Control* popup : {stapleAt, punch})
    wiring.handlers.push_back(popup->installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, [=](ui::Event&) {
      follow();
      return platform::noErr;
    }));
  wiring.collect = [=, &f] {
    Choice choice;
    choice.stapleKind = value(*stapling);
    choice.stapleLocation = choice.stapleKind != kNothing ? value(*stapleAt) : kNothing;
    choice.holes = value(*punch);
    choice.punchLocation = value(*punchAt);
    choice.zFold = zFoldInstalled && zFold->value() != 0;
    Apply(choice, f);
  };
  return wiring;
  });
}
