#include "panels/panel_groups.h"

#include <cstdio>

#include "platform/ui/interface_file.h"

namespace ui = platform::ui;

platform::OSStatus StackPanelGroups(const platform::Bundle& bundle, const PanelGroups& groups, ui::Control& pane,
                                    std::unique_ptr<ui::Window>* window) {
  auto loaded = ui::CreateWindowFromInterface(bundle, groups.interfaceName, groups.windowName);
  if (!loaded) return platform::kPMInvalidPDEContext;  // the loader has said why
  *window = loaded.take();
  int y = 0;
  for (std::int32_t id : groups.order) {
    ui::Control* group = (*window)->find({groups.signature, id});
    if (group == nullptr) {
      if (id == groups.optional) continue;
      std::fprintf(stderr, "!! %s: window %s has no group %d\n", groups.interfaceName, groups.windowName,
                   static_cast<int>(id));
      return platform::kPMInvalidPDEContext;
    }
    const ui::Rect bounds = group->bounds();
    group->setBounds({bounds.x, y, bounds.width, bounds.height});
    y += bounds.height;
    pane.embed(*group);
  }
  return platform::noErr;
}
