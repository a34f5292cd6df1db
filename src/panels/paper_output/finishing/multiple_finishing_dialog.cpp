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

// The staple locations of a staple kind (finishing code 4, 9 or 25).
void FillStapleLocations(const platform::Bundle* bundle, ui::Control& popup, std::int32_t kind, std::int32_t current) {
  popup.menu().clear();
  for (std::int32_t i = 0; i < 4; ++i) {
    if (kind == kFinishingOneStaple) AddItem(bundle, popup.menu(), *OneStaplePositionKey(kOneStapleFirst + i), kOneStapleFirst + i);
    if (kind == kFinishingTwoStaples) AddItem(bundle, popup.menu(), *EdgePositionKey(kTwoStaplesFirst + i, kTwoStaplesFirst), kTwoStaplesFirst + i);
    if (kind == kFinishingCenterStaple)
      AddItem(bundle, popup.menu(), *EdgePositionKey(kCenterStapleFirst + i, kCenterStapleFirst), kCenterStapleFirst + i);
  }
  popup.setEnabled(popup.menu().count() > 0);
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
  if (stapleLocation >= kTwoStaplesFirst && stapleLocation < kTwoStaplesFirst + 4)
    return kHolePunchFirst + stapleLocation - kTwoStaplesFirst;
  if (stapleLocation >= kCenterStapleFirst && stapleLocation < kCenterStapleFirst + 4)
    return kHolePunchFirst + stapleLocation - kCenterStapleFirst;
  return std::nullopt;
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
  if (c.zFold) {
    const std::int32_t s = c.stapleLocation, p = f.holePunchValue;
    if (s == 5 || s == 6 || s == 10 || s == 26 || p == kHolePunchFirst) f.zFold = kZFoldLeftBind;
    if (s == 7 || s == 8 || s == 13 || s == 29 || p == kHolePunchFirst + 3) f.zFold = kZFoldRightBind;
    // A z-fold always binds on a side: the one it had, else the left.
    if (f.zFold != kZFoldLeftBind && f.zFold != kZFoldRightBind) f.zFold = kZFoldLeftBind;
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
  if (StapleKindInstalled(StapleKind::OneStaple)) AddItem(bundle, stapling->menu(), "1 Staple", kFinishingOneStaple);
  if (StapleKindInstalled(StapleKind::TwoStaples)) AddItem(bundle, stapling->menu(), "2 Staples", kFinishingTwoStaples);
  if (StapleKindInstalled(StapleKind::CenterStaple)) AddItem(bundle, stapling->menu(), "Center Staple", kFinishingCenterStaple);
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
  for (std::int32_t holes = 3; holes <= 5; ++holes)
    if (HolePunchFeatures(holes).any()) AddItem(bundle, punch->menu(), *HolePunchKey(holes), holes);
  const bool punched = EdgePositionKey(f.holePunchValue, kHolePunchFirst).has_value();
  Finish(*punch, punched ? f.holePunchOptions : kNothing);
  for (std::int32_t i = 0; i < 4; ++i)
    AddItem(bundle, punchAt->menu(), *EdgePositionKey(kHolePunchFirst + i, kHolePunchFirst), kHolePunchFirst + i);
  Finish(*punchAt, f.holePunchValue);

  const bool zFoldInstalled = AnyFinishingFeatureInstalled({kFeatureZFoldHalfLeft, kFeatureZFoldHalfRight});
  zFold->setVisible(zFoldInstalled);
  if (ui::Control* label = window.find(kZFoldLabelID)) label->setVisible(zFoldInstalled);
  const std::int32_t code = f.code;
  zFold->setValue(zFoldInstalled && (code == 36 || code == 50 || code == 51 || code == 52) ? 1 : 0);

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
