#pragma once
// The panel shell's per-dialog state: the loaded panels and the dialog-wide resources.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/bundle/bundle.h"
#include "platform/plugin/pde_interface.h"

// The panels' records use the dialog's ten-slot layout with the three header slots left null.
using PanelInterface = platform::PlugInIntfVTable;
// A panel getter stores a newly allocated record in its out-argument and returns 0.
using PanelInterfaceGetter = platform::OSStatus (*)(std::unique_ptr<PanelInterface>* out);

// One loaded panel, in load order.
struct PanelSlot {
  PanelInterface interface{};
  platform::PMPDEContext context = nullptr;  // owned by the panel; freed by its Terminate
  std::string title;
  std::string kind;
  platform::ControlRef pane = nullptr;  // the user pane the shell made for it
  std::int32_t tabIndex = 0;            // 1-based position in load order
};

struct PDEShellContext {
  bool openedOnce = false;
  platform::Bundle* bundle = nullptr;  // registered for the life of the process
  std::optional<std::string> title;
  platform::PrintSession* session = nullptr;  // the dialog's; borrowed
  std::vector<PanelSlot> panels;
  platform::ControlRef dialogPane = nullptr;
  bool shellPaneLoaded = false;

  std::int16_t panelCount() const { return static_cast<std::int16_t>(panels.size()); }
};

// The one shell context of the dialog (null outside Prologue..Terminate).
extern PDEShellContext* gContext;
// The tab index of the panel last selected; set only by selectPanel.
extern std::int32_t lastTabIndex;
// The panel to show when the shell is opened again; 0 = none yet. Reset by Prologue.
extern std::int32_t gSelectedPanelIndex;
