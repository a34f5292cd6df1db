#pragma once
// What every panel's context record holds first: its title, the plug-in's bundle, the pane the
// shell made for it and the dialog's print session. The panel skeleton fills them in.
#include <string>

#include "platform/bundle/bundle.h"
#include "platform/ticket/print_session.h"
#include "platform/ui/control.h"

struct PanelContext {
  std::string title;
  platform::Bundle* bundle = nullptr;
  platform::ui::Control* pane = nullptr;      // the shell's pane for this panel
  platform::PrintSession* session = nullptr;  // the dialog's; borrowed
};
