#pragma once
// The panel shell's per-dialog state: the loaded panels and the dialog-wide resources.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kit/panel_interface.h"
#include "panels/dialog_state.h"
#include "platform/bundle/bundle.h"
#include "platform/plugin/pde_interface.h"
#include "platform/ui/control.h"
#include "platform/ui/event.h"
#include "platform/ui/window.h"
#include "shell/image_loader.h"

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
  // The dialog's pane given by Initialize, and the window it lives in (both the dialog's).
  platform::ControlRef dialogPane = nullptr;
  platform::ui::Window* dialogWindow = nullptr;
  platform::ui::Control* defaultButton = nullptr;
  platform::ui::Control* cancelButton = nullptr;
  // The shell pane and its controls, moved into the dialog pane at the first Open.
  platform::ui::Control* shellPane = nullptr;
  platform::ui::Control* panelPopup = nullptr;
  platform::ui::Control* previousButton = nullptr;
  platform::ui::Control* nextButton = nullptr;
  platform::ui::Control* switchingContainer = nullptr;
  platform::ui::Control* panelContainer = nullptr;
  bool shellPaneLoaded = false;
  // The tab index of the panel last selected (0 before the first); set only by selectPanel.
  std::int32_t lastTabIndex = 0;
  // The panel to show when the shell is opened again; 0 = none yet. A new dialog starts at none,
  // so nothing of an earlier dialog's choice of panel reaches it.
  std::int32_t selectedPanelIndex = 0;
  std::unique_ptr<ImageLoader> imageLoader;  // made at the first Open
  // What the shell shares with its panels (each panel's Initialize gets it as its reference).
  DialogState dialog;
  // Handlers: Initialize's on the dialog window, Open's on the dialog window (removed at each
  // Close) and on the shell pane.
  platform::ui::EventHandlerRef initializeHandler;
  platform::ui::EventHandlerRef openHandler;
  platform::ui::EventHandlerRef paneHandler;

  std::int16_t panelCount() const { return static_cast<std::int16_t>(panels.size()); }
};

// The shell context of the dialog now running (null outside Prologue..Terminate): how the
// module's entry points that the print dialog calls without a context (PDESync, the job-ticket
// export and import) find it. The context itself holds everything of the dialog.
PDEShellContext* CurrentShellContext();
