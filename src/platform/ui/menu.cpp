#include "platform/ui/menu.h"

#include <algorithm>

namespace platform::ui {

Menu::Menu(const Menu& other) : items_(other.items_), tag_(other.tag_) {
  // A copy owns its own submenus, so editing one menu never changes another.
  for (MenuItem& i : items_)
    if (i.submenu) i.submenu = std::make_shared<Menu>(*i.submenu);
}

Menu& Menu::operator=(const Menu& other) {
  if (this != &other) *this = Menu(other);
  return *this;
}

MenuItem* Menu::item(int number) {
  if (number < 1 || number > count()) return nullptr;
  return &items_[static_cast<size_t>(number - 1)];
}

const MenuItem* Menu::item(int number) const {
  if (number < 1 || number > count()) return nullptr;
  return &items_[static_cast<size_t>(number - 1)];
}

int Menu::append(MenuItem item) {
  items_.push_back(std::move(item));
  return count();
}

int Menu::appendSeparator() {
  MenuItem separator;
  separator.separator = true;
  separator.enabled = false;
  return append(std::move(separator));
}

int Menu::insertAfter(int after, MenuItem item) {
  int at = std::clamp(after, 0, count());
  items_.insert(items_.begin() + at, std::move(item));
  return at + 1;
}

void Menu::remove(int number) {
  if (number >= 1 && number <= count()) items_.erase(items_.begin() + (number - 1));
}

int Menu::findRefValue(std::int32_t value) const {
  for (int n = 1; n <= count(); ++n)
    if (items_[static_cast<size_t>(n - 1)].refValue == value) return n;
  return 0;
}

int Menu::findCommand(OSType command) const {
  for (int n = 1; n <= count(); ++n)
    if (items_[static_cast<size_t>(n - 1)].command == command && command != 0) return n;
  return 0;
}

int Menu::findText(std::string_view text) const {
  for (int n = 1; n <= count(); ++n) {
    const MenuItem& item = items_[static_cast<size_t>(n - 1)];
    if (!item.separator && item.text == text) return n;
  }
  return 0;
}

}  // namespace platform::ui
