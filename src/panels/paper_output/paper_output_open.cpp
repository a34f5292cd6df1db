// Opening the panel: its interface description, its groups laid under each other in the pane,
// the menus and pop-ups filled, and one handler for everything the user does on it.
#include <cstdio>

#include "kit/control_helpers.h"
#include "model/paper_output_keys.h"
#include "panels/panel_groups.h"
#include "panels/summary_view.h"
#include "panels/paper_output/finishing/finishing_menu.h"
#include "panels/paper_output/paper_output_panel.h"
#include "panels/stock_menu/stock_menu_button.h"
#include "platform/ui/interface_file.h"
#include "vocabulary/ppd_bridge.h"
#include "vocabulary/ppd_main_keywords.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr std::int32_t kGroups[] = {1000, 1001, 1002, 1005, 1006, 1007};

ui::ControlID Id(std::int32_t id) { return {kPaperOutputSignature, id}; }

// The output bins of the printer description, each item carrying its ticket value, under a
// first item that leaves the bin to the printer.
void FillDestinations(const platform::Bundle* bundle, ui::Control& popup) {
  ui::Menu& menu = popup.menu();
  menu.clear();
  menu.append(ui::MenuItem(bundle->localizedString("PrinterDefault"), 0, kPrinterDefault));
  for (const PPDOfferedChoice& choice : PPDCopyOfferedChoices(PPDGetCurrent(), kPPDOutputBin, true))
    if (choice.ticketValue != kPrinterDefault) menu.append(ui::MenuItem(choice.text, 0, choice.ticketValue));
  popup.setMinimum(1);
  popup.setMaximum(menu.count());
}

// Each control of the interface description and where the panel keeps it.
struct ControlSlot {
  std::int32_t id;
  ui::Control* PaperOutputControls::*member;
};
constexpr ControlSlot kControlSlots[] = {
    {2, &PaperOutputControls::jobTypePopup},        {3, &PaperOutputControls::setupButton},
    {4, &PaperOutputControls::jobTypePicture},      {11, &PaperOutputControls::paperSummary},
    {12, &PaperOutputControls::stockMenuButton},    {21, &PaperOutputControls::duplexPopup},
    {22, &PaperOutputControls::duplexPicture},      {24, &PaperOutputControls::colorPopup},
    {25, &PaperOutputControls::colorPicture},       {30, &PaperOutputControls::finishingButton},
    {32, &PaperOutputControls::finishingSummary},   {33, &PaperOutputControls::finishingPicture},
    {41, &PaperOutputControls::destinationPopup},
};

// True when the pane holds every control.
bool FindControls(ui::Control& pane, PaperOutputControls& c) {
  bool all = true;
  for (const ControlSlot& slot : kControlSlots) all = ((c.*slot.member = pane.find(Id(slot.id))) != nullptr) && all;
  return all;
}

}  // namespace

platform::OSStatus BuildPaperOutputControls(PaperOutputContext& context) {
  const platform::Bundle* bundle = context.bundle;
  const PanelGroups groups{kPaperOutputInterfaceName, kPaperOutputWindowName, kPaperOutputSignature, kGroups};
  if (platform::OSStatus status = StackPanelGroups(*bundle, groups, *context.pane, &context.interfaceWindow);
      status != platform::noErr)
    return status;
  PaperOutputControls& c = context.controls;
  if (!FindControls(*context.pane, c)) return platform::kPMInvalidPDEContext;
  context.paperSummaryPlace = PlaceOfSummaryView(*c.paperSummary);
  context.finishingSummaryPlace = PlaceOfSummaryView(*c.finishingSummary);
  PopulatePopupButtonFromMap(bundle, *c.jobTypePopup, JobTypeMap, kJobContextJob, 0);
  PopulatePopupButtonFromMap(bundle, *c.duplexPopup, DuplexMap, kJobContextJob, 0);
  PopulatePopupButtonFromMap(bundle, *c.colorPopup, OutputColorMap, kJobContextJob, 0);
  FillDestinations(bundle, *c.destinationPopup);
  BuildStockMenu(bundle, c.stockMenuButton->menu(), kJobContextJob);
  BuildFinishingMenu(context, c.finishingButton->menu());
  for (ui::Control* picture : {c.jobTypePicture, c.duplexPicture, c.colorPicture, c.finishingPicture})
    InitializeIcon(bundle, picture);
  PaperOutputContext* owner = &context;
  context.handlers.push_back(context.pane->installHandler(
      {{ui::kEventClassControl, ui::kEventControlHit}, {ui::kEventClassCommand, ui::kEventCommandProcess}},
      [owner](ui::Event& e) { return PaperOutputEventHandler(e, *owner); }));
  return platform::noErr;
}

void RebuildPaperOutputControls(PaperOutputContext& context) {
  MakeSummaryViewAgain(context.paperSummaryPlace, context.controls.paperSummary);
  MakeSummaryViewAgain(context.finishingSummaryPlace, context.controls.finishingSummary);
}

void ClosePaperOutputControls(PaperOutputContext& context) {
  TakeDownSummaryView(context.controls.paperSummary);
  TakeDownSummaryView(context.controls.finishingSummary);
}
