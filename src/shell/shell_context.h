#pragma once
// The panel shell's per-dialog state: the loaded panels and the dialog-wide resources.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kit/panel_interface.h"
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
  std::unique_ptr<ImageLoader> imageLoader;  // made at the first Open
  // Handlers: Initialize's on the dialog window, Open's on the dialog window (removed at each
  // Close) and on the shell pane.
  platform::ui::EventHandlerRef initializeHandler;
  platform::ui::EventHandlerRef openHandler;
  platform::ui::EventHandlerRef paneHandler;

  std::int16_t panelCount() const { return static_cast<std::int16_t>(panels.size()); }
};

// The one shell context of the dialog (null outside Prologue..Terminate).
extern PDEShellContext* gContext;
// The tab index of the panel last selected; set only by selectPanel.
extern std::int32_t lastTabIndex;
// The panel to show when the shell is opened again; 0 = none yet. Reset by Prologue.
extern std::int32_t gSelectedPanelIndex;
