#pragma once
// Menus of pop-up buttons, menu buttons and combo boxes: items with text, a command, a reference
// value, a check mark, an enabled state, separators and submenus.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/four_char_code.h"

namespace platform::ui {

class Menu;

struct MenuItem {
  MenuItem() = default;
  explicit MenuItem(std::string itemText, OSType itemCommand = 0, std::optional<std::int32_t> ref = std::nullopt)
      : text(std::move(itemText)), command(itemCommand), refValue(ref) {}

  std::string text;
  OSType command = 0;                    // sent with the choice; 0 for none
  std::optional<std::int32_t> refValue;  // the value the item stands for, if any
  bool checked = false;
  bool enabled = true;
  bool separator = false;
  std::shared_ptr<Menu> submenu;  // shared so that a menu copies cheaply; edited through its owner
};

class Menu {
 public:
  Menu() = default;
  Menu(const Menu& other);
  Menu& operator=(const Menu& other);
  Menu(Menu&&) noexcept = default;
  Menu& operator=(Menu&&) noexcept = default;

  // 1-based access, as menu item numbers are; null outside the menu.
  MenuItem* item(int number);
  const MenuItem* item(int number) const;
  int count() const { return static_cast<int>(items_.size()); }
  const std::vector<MenuItem>& items() const { return items_; }

  // Appends an item and answers its number.
  int append(MenuItem item);
  int appendSeparator();
  // Inserts after item `after` (0: at the top; past the end: at the end) and answers its number.
  int insertAfter(int after, MenuItem item);
  void remove(int number);
  void clear() { items_.clear(); }

  // The first item, from the top, with that reference value or command; 0 when none.
  int findRefValue(std::int32_t value) const;
  int findCommand(OSType command) const;
  // The first item, from the top, reading text (never a separator); 0 when none.
  int findText(std::string_view text) const;

  // An opaque tag naming what the menu was built from (for example the setting map).
  const void* tag() const { return tag_; }
  void setTag(const void* tag) { tag_ = tag; }

 private:
  std::vector<MenuItem> items_;
  const void* tag_ = nullptr;
};

}  // namespace platform::ui
