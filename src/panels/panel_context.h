#pragma once
// What every panel's context record holds first: its title, the plug-in's bundle, the pane the
// shell made for it, the dialog's print session and the state the shell shares with its panels,
// which the panel skeleton fills in; and, once the first Open has built the panel's controls,
// what is left of its interface description and the handlers on them.
#include <memory>
#include <string>
#include <vector>

#include "panels/dialog_state.h"
#include "platform/bundle/bundle.h"
#include "platform/ticket/print_session.h"
#include "platform/ui/control.h"
#include "platform/ui/event.h"
#include "platform/ui/window.h"

struct PanelContext {
  std::string title;
  platform::Bundle* bundle = nullptr;
  platform::ui::Control* pane = nullptr;      // the shell's pane for this panel
  platform::PrintSession* session = nullptr;  // the dialog's; borrowed
  DialogState* dialog = nullptr;              // the shell's; null for a panel run without one

  bool opened = false;  // the first Open built the controls (kept by the panel skeleton alone)
  std::unique_ptr<platform::ui::Window> interfaceWindow;  // what is left of the description after Open
  std::vector<platform::ui::EventHandlerRef> handlers;
};
