// Menus and pop-up buttons filled from setting maps.
#include "vocabulary/setting_map_menus.h"

#include <string>
#include <utility>
#include <vector>

#include "vocabulary/input_history.h"
#include "vocabulary/setting_map_operations.h"

namespace {

constexpr std::string_view kSeparatorKey = "-";

std::string LocalizedText(const platform::Bundle* bundle, std::string_view key) {
  if (bundle == nullptr) return platform::kStringNotFound;
  return bundle->localizedString(key);
}

std::int32_t ItemCount(const MenuModel& menu) { return static_cast<std::int32_t>(menu.items.size()); }

// Keeps the pop-up's selection when the refilled menu still holds it, as a pop-up control
// does when its maximum changes; otherwise the first item is selected.
void SetMaximumToItemCount(PopupButtonModel& popup) {
  popup.maximum = ItemCount(popup.menu);
  if (popup.maximum == 0) {
    popup.value = 0;
  } else if (popup.value < 1 || popup.value > popup.maximum) {
    popup.value = 1;
  }
}

}  // namespace

std::size_t PopulateMenuFromMap(const platform::Bundle* bundle, MenuModel& menu, const SettingMap* map,
                                JobContext context, std::uint32_t command) {
  std::size_t appended = 0;
  if (map == nullptr) return appended;
  for (const SettingMap* row = map; row->labelKey != nullptr; ++row) {
    if (!SettingMapRowIsAvailable(*row)) continue;
    MenuItemModel item;
    if (row->labelKey == kSeparatorKey) {
      // A dividing line stands for no setting and cannot be chosen, so it carries neither a
      // command nor a value that a search for the row's value could select.
      item.text = kSeparatorKey;
      item.separator = true;
    } else {
      item.text = LocalizedText(bundle, LabelKeyInContext(row->labelKey, row->value, context));
      item.command = command != 0 ? command : row->command;
      item.refValue = row->value;
    }
    menu.items.push_back(std::move(item));
    ++appended;
  }
  menu.sourceMap = map;
  return appended;
}

void PopulatePopupButtonFromMap(const platform::Bundle* bundle, PopupButtonModel& popup, const SettingMap* map,
                                JobContext context, std::uint32_t command) {
  popup.menu.items.clear();
  PopulateMenuFromMap(bundle, popup.menu, map, context, command);
  SetMaximumToItemCount(popup);
}

void PopulatePopupButtonFromMapAndHistory(const platform::Bundle* bundle, PopupButtonModel& popup,
                                          const SettingMap* map, JobContext context, std::string_view historyKey,
                                          std::size_t insertPosition, std::uint32_t historyCommand,
                                          std::uint32_t command) {
  popup.menu.items.clear();
  PopulateMenuFromMap(bundle, popup.menu, map, context, command);
  const std::vector<std::string> history = CopyInputHistoryStrings(historyKey);
  std::vector<MenuItemModel>& items = popup.menu.items;
  for (std::size_t i = 0; i < history.size(); ++i) {
    // "After item n" is index n of the list; past the end it means after the last item.
    const std::size_t index = insertPosition > items.size() || i > items.size() - insertPosition
                                  ? items.size()
                                  : insertPosition + i;
    MenuItemModel entry;
    entry.text = history[i];
    entry.command = historyCommand;
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(index), std::move(entry));
  }
  SetMaximumToItemCount(popup);
}

bool SetPopupButtonToTicketValue(PopupButtonModel& popup, std::int32_t value) {
  const std::vector<MenuItemModel>& items = popup.menu.items;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].refValue == value) {
      popup.value = static_cast<std::int32_t>(i + 1);
      return true;
    }
  }
  return false;
}

std::optional<std::int32_t> GetPopupButtonTicketValue(const PopupButtonModel& popup) {
  if (popup.value < 1 || static_cast<std::size_t>(popup.value) > popup.menu.items.size()) return std::nullopt;
  return popup.menu.items[static_cast<std::size_t>(popup.value) - 1].refValue;
}
