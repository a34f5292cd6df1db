#pragma once
// Menus and pop-up buttons as plain data. The panels fill these from the setting maps; a UI
// toolkit renders them and reports the user's choice back. Nothing here draws or handles events.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "vocabulary/setting_map.h"

struct MenuItemModel {
  std::string text;                      // localised, as shown
  std::uint32_t command = 0;             // four-character command sent when chosen, 0 for none
  std::optional<std::int32_t> refValue;  // the ticket value the item stands for; none for a
                                         // history entry or a separator
  bool separator = false;                // a dividing line; never chosen
  friend bool operator==(const MenuItemModel&, const MenuItemModel&) = default;
};

struct MenuModel {
  std::vector<MenuItemModel> items;
  const SettingMap* sourceMap = nullptr;  // the map the menu was last filled from
};

// A pop-up button: its menu, its maximum (the item count the control allows) and the selected
// item's 1-based position, 0 when nothing is selected.
struct PopupButtonModel {
  MenuModel menu;
  std::int32_t maximum = 0;
  std::int32_t value = 0;
};
