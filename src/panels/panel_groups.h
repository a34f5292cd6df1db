#pragma once
// What every panel's Open does first: its window from its interface description, and the groups
// of that window moved into the shell's pane, one under another in a fixed order.
#include <cstdint>
#include <memory>
#include <span>

#include "platform/bundle/bundle.h"
#include "platform/status.h"
#include "platform/ui/window.h"

struct PanelGroups {
  const char* interfaceName;  // the description file, without ".interface.xml"
  const char* windowName;
  platform::OSType signature;  // the groups' control signature
  std::span<const std::int32_t> order;
  std::int32_t optional = 0;  // a group the description may leave out; 0 for none
};

// Loads the window into *window (which keeps what the panel does not move) and stacks the groups
// at the top of pane, each keeping its own x. kPMInvalidPDEContext when the description cannot be
// loaded (the loader has said why) or a group is missing (one "!!" line names it).
platform::OSStatus StackPanelGroups(const platform::Bundle& bundle, const PanelGroups& groups,
                                    platform::ui::Control& pane, std::unique_ptr<platform::ui::Window>* window);
