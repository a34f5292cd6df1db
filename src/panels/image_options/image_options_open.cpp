// Opening the panel: its interface description, its groups laid under each other in the pane,
// the pop-ups filled from their maps, the curve combo box with its history, and one handler for
// everything the user does on it.
#include <cstdio>

#include "controls/combo_box.h"
#include "kit/control_helpers.h"
#include "model/image_options_keys.h"
#include "panels/image_options/image_options_panel.h"
#include "panels/panel_groups.h"
#include "panels/summary_view.h"
#include "platform/ui/interface_file.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

// Colour, anti-aliasing, resolution, halftone, curve, invert image, image shift.
constexpr std::int32_t kGroups[] = {1000, 1400, 1500, 1600, 1700, 2100, 2200};
// The group without which the panel still works: not every description offers resolution.
constexpr std::int32_t kOptionalGroup = 1500;
constexpr std::int32_t kMirrorPlaceholder = 2102;
constexpr int kCurveHistoryCount = 10;
constexpr int kCurveMaximumLength = 30;

ui::ControlID Id(std::int32_t id) { return {kImageOptionsSignature, id}; }

struct ControlSlot {
  std::int32_t id;
  ui::Control* ImageOptionsControls::*member;
  bool required;
};
constexpr ControlSlot kControlSlots[] = {
    {1002, &ImageOptionsControls::colorSummary, true},       {1003, &ImageOptionsControls::colorPicture, true},
    {1004, &ImageOptionsControls::colorSetupButton, true},   {1402, &ImageOptionsControls::antialiasingPopup, true},
    {1403, &ImageOptionsControls::antialiasingPicture, true}, {1502, &ImageOptionsControls::resolutionPopup, false},
    {1503, &ImageOptionsControls::resolutionPicture, false}, {1602, &ImageOptionsControls::halftonePopup, true},
    {1603, &ImageOptionsControls::halftonePicture, true},    {1702, &ImageOptionsControls::curveCombo, true},
    {2103, &ImageOptionsControls::mirrorBox, true},          {2104, &ImageOptionsControls::invertPicture, true},
    {2202, &ImageOptionsControls::imageShiftSummary, true},  {2203, &ImageOptionsControls::imageShiftPicture, true},
    {2204, &ImageOptionsControls::imageShiftButton, true},
};

bool FindControls(ui::Control& pane, ImageOptionsControls& c) {
  bool all = true;
  for (const ControlSlot& slot : kControlSlots) {
    c.*slot.member = pane.find(Id(slot.id));
    if (slot.required && c.*slot.member == nullptr) {
      std::fprintf(stderr, "!! %s: window %s has no control %d\n", kImageOptionsInterfaceName, kImageOptionsWindowName,
                   static_cast<int>(slot.id));
      all = false;
    }
  }
  return all;
}

// The mirror check box takes the place the description keeps for it.
void PlaceMirrorBox(ui::Control& pane, ui::Control& mirrorBox) {
  ui::Control* placeholder = pane.find(Id(kMirrorPlaceholder));
  if (placeholder == nullptr || placeholder->parent() == nullptr) return;
  mirrorBox.setBounds(placeholder->bounds());
  placeholder->parent()->detach(*placeholder);
}

platform::OSStatus InitializeCurveCombo(ImageOptionsContext& context) {
  KComboOptions options;
  options.kind = KComboKind::kText;
  options.bundle = context.bundle;
  options.map = TRCMap;
  options.historyKey = kTRCInputHistoryKey;
  options.maximumHistoryCount = kCurveHistoryCount;
  options.maximumLength = kCurveMaximumLength;
  ui::Control* combo = context.controls.curveCombo;
  // The combo box may go with the pane before the panel ends; then there is nothing to finalise.
  ImageOptionsContext* owner = &context;
  context.handlers.push_back(combo->installHandler({{ui::kEventClassControl, ui::kEventControlDispose}}, [owner](ui::Event&) {
    owner->controls.curveCombo = nullptr;
    return platform::eventNotHandledErr;
  }));
  return KComboBoxInitializeWithMapAndHistory(combo, options);
}

}  // namespace

platform::OSStatus BuildImageOptionsControls(ImageOptionsContext& context) {
  const platform::Bundle* bundle = context.bundle;
  const PanelGroups groups{kImageOptionsInterfaceName, kImageOptionsWindowName, kImageOptionsSignature, kGroups,
                           kOptionalGroup};
  if (platform::OSStatus status = StackPanelGroups(*bundle, groups, *context.pane, &context.interfaceWindow);
      status != platform::noErr)
    return status;
  ImageOptionsControls& c = context.controls;
  if (!FindControls(*context.pane, c)) return platform::kPMInvalidPDEContext;
  PlaceMirrorBox(*context.pane, *c.mirrorBox);
  context.colorSummaryPlace = PlaceOfSummaryView(*c.colorSummary);
  PopulatePopupButtonFromMap(bundle, *c.antialiasingPopup, AntialiasingMap, kJobContextJob, 0);
  if (c.resolutionPopup) PopulatePopupButtonFromMap(bundle, *c.resolutionPopup, ResolutionMap, kJobContextJob, 0);
  PopulatePopupButtonFromMap(bundle, *c.halftonePopup, HalftoneScreenMap, kJobContextJob, 0);
  if (platform::OSStatus status = InitializeCurveCombo(context); status != platform::noErr) return status;
  for (ui::Control* picture : {c.colorPicture, c.antialiasingPicture, c.resolutionPicture, c.halftonePicture,
                               c.invertPicture, c.imageShiftPicture})
    if (picture) InitializeIcon(bundle, picture);
  ImageOptionsContext* owner = &context;
  context.handlers.push_back(context.pane->installHandler(
      {{ui::kEventClassControl, ui::kEventControlHit}},
      [owner](ui::Event& e) { return ImageOptionsEventHandler(e, *owner); }));
  return platform::noErr;
}

void RebuildImageOptionsControls(ImageOptionsContext& context) {
  MakeSummaryViewAgain(context.colorSummaryPlace, context.controls.colorSummary);
}

void CloseImageOptionsControls(ImageOptionsContext& context) { TakeDownSummaryView(context.controls.colorSummary); }

void FinalizeImageOptionsControls(ImageOptionsContext& context) {
  if (context.controls.curveCombo != nullptr) KComboBoxFinalize(context.controls.curveCombo, true);
  context.controls.curveCombo = nullptr;
}
