#include "kit/dialog_services.h"

#include "platform/ui/interaction.h"

platform::OSStatus DisplayHelp(const platform::Bundle* bundle, std::string_view page, std::string_view anchor) {
  if (bundle == nullptr) return platform::paramErr;
  const platform::PlistValue* book = platform::PlistDictFind(bundle->infoDictionary(), "CFBundleHelpBookName");
  if (book == nullptr || book->asString() == nullptr) return platform::paramErr;
  return platform::ui::OpenHelpBook(*book->asString(), std::string(page), std::string(anchor));
}

platform::OSStatus EmbedAndShowControl(platform::ui::Control* control, platform::ui::Control* parent) {
  if (control == nullptr || parent == nullptr) return platform::paramErr;
  if (parent->embed(*control) == nullptr) return platform::paramErr;
  control->setVisible(true);
  return platform::noErr;
}

void UpdateTabControl(platform::ui::Control& tabControl, int count, platform::ui::Control* const panes[]) {
  for (int tab = 1; tab <= count; ++tab) {
    platform::ui::Control* pane = panes[tab - 1];
    if (pane == nullptr) continue;
    const bool current = tab == tabControl.value();
    pane->setVisible(current);
    pane->setEnabled(current);
    pane->setActive(current);
  }
}
