// Opening the panel: its interface description moved into the shell's pane, the labels
// localised, the pop-ups filled from their setting maps and the saved watermarks, and one handler
// for everything the user does on it.
#include "kit/control_helpers.h"
#include "kit/dialog_services.h"
#include "panels/booklet_watermark/booklet_watermark_panel.h"
#include "platform/ui/interface_file.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr std::int32_t kContentPaneID = 6000;

ui::ControlID Id(std::int32_t id) { return {kBookletWatermarkSignature, id}; }

struct ControlSlot {
  std::int32_t id;
  ui::Control* BookletWatermarkControls::*member;
};
constexpr ControlSlot kControlSlots[] = {
    {6002, &BookletWatermarkControls::bookletPopup},
    {6003, &BookletWatermarkControls::outlinesPopup},
    {6004, &BookletWatermarkControls::bookletPicture},
    {6005, &BookletWatermarkControls::optionsButton},
    {6006, &BookletWatermarkControls::watermarkPopup},
    {6008, &BookletWatermarkControls::preview},
    {6007, &BookletWatermarkControls::formsPopup},
};

constexpr struct {
  std::int32_t id;
  const char* key;
} kLabels[] = {{6010, "Booklet Layout:"}, {6011, "Booklet Outlines:"}, {6012, "Watermark Title"},
               {6013, "Background Forms Title"}};

bool FindControls(ui::Control& content, BookletWatermarkControls& c) {
  bool all = true;
  for (const ControlSlot& slot : kControlSlots) all = ((c.*slot.member = content.find(Id(slot.id))) != nullptr) && all;
  return all;
}

}  // namespace

platform::OSStatus BuildBookletWatermarkControls(BookletWatermarkContext& context) {
  const platform::Bundle* bundle = context.bundle;
  auto loaded = ui::CreateWindowFromInterface(*bundle, kBookletWatermarkInterfaceName, kBookletWatermarkWindowName);
  if (!loaded) return platform::kPMInvalidPDEContext;  // the loader has said why
  context.interfaceWindow = loaded.take();
  ui::Control* content = context.interfaceWindow->find(Id(kContentPaneID));
  BookletWatermarkControls& c = context.controls;
  if (content == nullptr || !FindControls(*content, c)) {
    c = {};
    return platform::kPMInvalidPDEContext;
  }
  EmbedAndShowControl(content, context.pane);
  for (const auto& label : kLabels)
    if (ui::Control* text = content->find(Id(label.id))) SetLocalizedStaticText(bundle, label.key, text);
  PopulatePopupButtonFromMap(bundle, *c.bookletPopup, EnabledDisabledMap, kJobContextJob, 0);
  PopulatePopupButtonFromMap(bundle, *c.outlinesPopup, PageBordersMap, kJobContextJob, 0);
  SetLocalizedControlTitle(bundle, "Booklet Options... Title", c.optionsButton);
  InitializeIcon(bundle, c.bookletPicture);
  BookletWatermarkContext* owner = &context;
  context.handlers.push_back(context.pane->installHandler(
      {{ui::kEventClassControl, ui::kEventControlHit}, {ui::kEventClassCommand, ui::kEventCommandProcess}},
      [owner](ui::Event& e) { return BookletWatermarkEventHandler(e, *owner); }));
  return platform::noErr;
}
