// Opening the panel: its interface description, its groups stacked in the pane, the About button
// in the pane's corner, the pop-ups filled, and one handler for everything the user does on it.
#include <cstdio>

#include "kit/control_helpers.h"
#include "kit/input_limiting.h"
#include "kit/number_text.h"
#include "panels/advanced/advanced_panel.h"
#include "panels/panel_groups.h"
#include "platform/ui/interface_file.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr std::int32_t kStackedGroups[] = {1, 2, 14, 5, 6, 10, 11, 12};
constexpr std::int32_t kAboutGroup = 13;
constexpr int kAboutInset = 8;
constexpr int kMaximumPageDigits = 7;  // the digits of 9999999
constexpr std::int32_t kLargestPage = 9999999;

ui::ControlID Id(std::int32_t id) { return {kAdvancedSignature, id}; }

struct ControlSlot {
  std::int32_t id;
  ui::Control* AdvancedControls::*member;
};
constexpr ControlSlot kControlSlots[] = {
    {602, &AdvancedControls::bookletOrderPopup},    {604, &AdvancedControls::rotatePopup},
    {681, &AdvancedControls::forceSizePopup},       {610, &AdvancedControls::opiSubstitutionPopup},
    {612, &AdvancedControls::opiPrescanPopup},      {640, &AdvancedControls::sendJobTicketBox},
    {651, &AdvancedControls::importButton},         {652, &AdvancedControls::exportButton},
    {660, &AdvancedControls::pagesBox},             {663, &AdvancedControls::fromField},
    {664, &AdvancedControls::toField},              {670, &AdvancedControls::aboutButton},
};
constexpr std::int32_t kPageRangeIds[] = {661, 662, 663, 664, 665, 666};

bool FindControls(ui::Control& pane, AdvancedControls& c) {
  bool all = true;
  for (const ControlSlot& slot : kControlSlots) all = ((c.*slot.member = pane.find(Id(slot.id))) != nullptr) && all;
  for (std::int32_t id : kPageRangeIds) {
    ui::Control* control = pane.find(Id(id));
    all = control != nullptr && all;
    if (control) c.pageRange.push_back(control);
  }
  return all;
}

// Force to New Paper Size: the paper sizes, each carrying the panel's command, with "Off" (0) in
// place of the printer's default.
void FillForceSizes(const platform::Bundle* bundle, ui::Control& popup) {
  PopulatePopupButtonFromMap(bundle, popup, StockSizeMap, kJobContextJob, kForceNewSizeCommand);
  if (ui::MenuItem* first = popup.menu().item(1)) {
    first->text = bundle->localizedString("Off");
    first->refValue = kForceNewSizeOff;
  }
}

void SetUpPageFields(const platform::Bundle* bundle, AdvancedControls& c) {
  static const auto digits = std::make_shared<const CharacterSet>(CharacterSet::DecimalDigits());
  LimitInputLengthAndCharacters(c.fromField, 1, kMaximumPageDigits, digits);
  LimitInputLengthAndCharacters(c.toField, 1, kMaximumPageDigits, digits);
  const std::string largest = CreateLocalizedCFStringFromNumberWithDecimals(kLargestPage, 0).value_or("9999999");
  SetLocalizedStaticText(bundle, "PagesHint", c.pageRange[4], {largest});
}

// The two job-ticket buttons take the width of the wider title.
void SizeButtonsAlike(ui::Control& a, ui::Control& b) {
  SetControlBestRect(&a);
  SetControlBestRect(&b);
  const int width = std::max(a.bounds().width, b.bounds().width);
  ui::Rect ra = a.bounds(), rb = b.bounds();
  a.setBounds({ra.x, ra.y, width, ra.height});
  b.setBounds({ra.x + width + 10, rb.y, width, rb.height});
}

ui::Control* TakeGroup(AdvancedContext& context, std::int32_t group) {
  ui::Control* found = context.interfaceWindow->find(Id(group));
  if (found == nullptr)
    std::fprintf(stderr, "!! %s: window %s has no group %d\n", kAdvancedInterfaceName, kAdvancedWindowName,
                 static_cast<int>(group));
  return found;
}

}  // namespace

platform::OSStatus BuildAdvancedControls(AdvancedContext& context) {
  const platform::Bundle* bundle = context.bundle;
  const PanelGroups groups{kAdvancedInterfaceName, kAdvancedWindowName, kAdvancedSignature, kStackedGroups};
  if (platform::OSStatus status = StackPanelGroups(*bundle, groups, *context.pane, &context.interfaceWindow);
      status != platform::noErr)
    return status;
  ui::Control* about = TakeGroup(context, kAboutGroup);
  if (about == nullptr) return platform::kPMInvalidPDEContext;
  const ui::Rect pane = context.pane->bounds(), box = about->bounds();
  about->setBounds({pane.width - box.width - kAboutInset, pane.height - box.height - kAboutInset, box.width, box.height});
  context.pane->embed(*about);

  AdvancedControls& c = context.controls;
  if (!FindControls(*context.pane, c)) return platform::kPMInvalidPDEContext;
  PopulatePopupButtonFromMap(bundle, *c.bookletOrderPopup, BookletLayoutOrderMap, kJobContextJob, 0);
  PopulatePopupButtonFromMap(bundle, *c.rotatePopup, RotateImageMap, kJobContextJob, 0);
  PopulatePopupButtonFromMap(bundle, *c.opiSubstitutionPopup, OPISubsitutionMap, kJobContextJob, 0);
  PopulatePopupButtonFromMap(bundle, *c.opiPrescanPopup, OPIPrescanMap, kJobContextJob, 0);
  FillForceSizes(bundle, *c.forceSizePopup);
  SetUpPageFields(bundle, c);
  SizeButtonsAlike(*c.importButton, *c.exportButton);
  AdvancedContext* owner = &context;
  context.handlers.push_back(context.pane->installHandler(
      {{ui::kEventClassControl, ui::kEventControlHit}, {ui::kEventClassCommand, ui::kEventCommandProcess}},
      [owner](ui::Event& e) { return AdvancedEventHandler(e, *owner); }));
  return platform::noErr;
}
