// Opening the panel: its pane from the interface description, centred in the shell's pane, the
// list view's columns and cells, the buttons' titles and pictures, and one handler for them.
#include <algorithm>
#include <cstdio>

#include "kit/control_helpers.h"
#include "kit/dialog_services.h"
#include "panels/special_pages/special_page_rows.h"
#include "panels/special_pages/special_pages_panel.h"
#include "platform/ui/interface_file.h"

namespace ui = platform::ui;

namespace {

constexpr std::int32_t kPaneID = 1;

struct Button {
  std::int32_t id;
  ui::Control* SpecialPagesControls::*member;
  const char* titleKey;
};
constexpr Button kButtons[] = {
    {100, &SpecialPagesControls::addCovers, "Add Covers Command"},
    {200, &SpecialPagesControls::addInserts, "Add Inserts Command"},
    {300, &SpecialPagesControls::addExceptions, "Add Exceptions Command"},
    {1200, &SpecialPagesControls::edit, "Edit Command"},
    {1300, &SpecialPagesControls::remove, "Delete Command"},
    {1400, &SpecialPagesControls::removeAll, "Delete All Command"},
    {1500, &SpecialPagesControls::undo, "Undo Command"},
    {1600, &SpecialPagesControls::moveUp, "Move Up Command"},
    {1700, &SpecialPagesControls::moveDown, "Move Down Command"},
};

void CenterIn(ui::Control& content, const ui::Control& container) {
  const ui::Rect outer = container.bounds(), inner = content.bounds();
  content.setBounds({std::max(0, (outer.width - inner.width) / 2), std::max(0, (outer.height - inner.height) / 2),
                     inner.width, inner.height});
}

platform::OSStatus Fail(const char* message) {
  std::fprintf(stderr, "!! %s\n", message);
  return platform::kPMInvalidPDEContext;
}

void SetUpList(SpecialPagesContext& context) {
  ui::DataBrowser& browser = context.controls.list->dataBrowser();
  browser.setMultipleSelection(true);
  SpecialPagesContext* owner = &context;
  browser.setDataCallback([owner](ui::DataBrowserItemID item, ui::DataBrowserPropertyID column) {
    if (item == 0 || item > owner->rows.size()) return std::string();
    return SpecialPageCellText(owner->bundle, owner->rows[item - 1], column);
  });
  browser.setSelectionCallback([owner](const std::set<ui::DataBrowserItemID>&) { ShowSpecialPages(*owner); });
  // The pane may go with the shell's before the panel ends; then there is nothing left to reach.
  context.handlers.push_back(context.controls.list->installHandler(
      {{ui::kEventClassControl, ui::kEventControlDispose}}, [owner](ui::Event&) {
        owner->controls = {};
        return platform::eventNotHandledErr;
      }));
}

}  // namespace

platform::OSStatus BuildSpecialPagesControls(SpecialPagesContext& context) {
  const platform::Bundle* bundle = context.bundle;
  auto loaded = ui::CreateWindowFromInterface(*bundle, kSpecialPagesInterfaceName, kSpecialPagesWindowName);
  if (!loaded) return Fail("Failed to create window from nib.");
  context.interfaceWindow = loaded.take();
  ui::Control* pane = context.interfaceWindow->find({kSpecialPagesSignature, kPaneID});
  if (pane == nullptr) return Fail("Failed to get user pane control reference.");
  SpecialPagesControls& c = context.controls;
  c.list = pane->find({kSpecialPagesSignature, 1000});
  bool all = c.list != nullptr;
  for (const Button& b : kButtons) all = ((c.*b.member = pane->find({kSpecialPagesSignature, b.id})) != nullptr) && all;
  if (!all) {
    c = {};
    return Fail("Failed to get user pane control reference.");
  }
  CenterIn(*pane, *context.pane);
  EmbedAndShowControl(pane, context.pane);
  for (const Button& b : kButtons) SetLocalizedControlTitle(bundle, b.titleKey, c.*b.member);
  SetUpList(context);
  SpecialPagesContext* owner = &context;
  context.handlers.push_back(pane->installHandler({{ui::kEventClassControl, ui::kEventControlHit}},
                                                  [owner](ui::Event& e) { return SpecialPagesEventHandler(e, *owner); }));
  return platform::noErr;
}

void FinalizeSpecialPagesControls(SpecialPagesContext& context) {
  if (context.controls.list == nullptr) return;
  ui::DataBrowser& browser = context.controls.list->dataBrowser();
  browser.setDataCallback({});
  browser.setSelectionCallback({});
}
