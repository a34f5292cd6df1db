#include "kit/dialog_services.h"

#include <cstdio>
#include <string>

#include "platform/bundle/help_book.h"
#include "platform/ui/interaction.h"

platform::OSStatus DisplayHelp(const platform::Bundle* bundle, std::string_view page, std::string_view anchor) {
  if (bundle == nullptr) return platform::paramErr;
  const std::optional<platform::HelpBook> book = platform::BundleHelpBook(*bundle);
  if (!book) return platform::paramErr;
  // A Help button whose page is missing must say so, not open nothing in silence.
  if (!platform::FindHelpPage(*book, page)) {
    std::fprintf(stderr, "ERROR: the help book \"%s\" has no page \"%.*s\" (in %s)\n", book->name.c_str(),
                 static_cast<int>(page.size()), page.data(), book->folder.c_str());
    return platform::fnfErr;
  }
  platform::RegisterHelpBook(*book);
  return platform::ui::OpenHelpBook(book->name, std::string(page), std::string(anchor));
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
