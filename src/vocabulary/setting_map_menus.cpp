// Menus and pop-up buttons filled from setting maps.
#include "vocabulary/setting_map_menus.h"

#include <string>
#include <utility>
#include <vector>

#include "kit/input_history.h"
#include "vocabulary/setting_map_operations.h"

namespace {

constexpr std::string_view kSeparatorKey = "-";

std::string LocalizedText(const platform::Bundle* bundle, std::string_view key) {
  if (bundle == nullptr) return platform::kStringNotFound;
  return bundle->localizedString(key);
}

// Keeps the pop-up's selection when the refilled menu still holds it, as a pop-up control
// does when its maximum changes; otherwise the first item is selected.
void SetMaximumToItemCount(platform::ui::Control& popup) {
  const std::int32_t count = popup.menu().count();
  const std::int32_t value = popup.value();
  popup.setMinimum(count == 0 ? 0 : 1);
  popup.setMaximum(count);
  popup.setValue(value < 1 || value > count ? (count == 0 ? 0 : 1) : value);
}

}  // namespace

std::size_t PopulateMenuFromMap(const platform::Bundle* bundle, platform::ui::Menu& menu, const SettingMap* map,
                                JobContext context, std::uint32_t command) {
  std::size_t appended = 0;
  if (map == nullptr) return appended;
  for (const SettingMap* row = map; row->labelKey != nullptr; ++row) {
    if (!SettingMapRowIsAvailable(*row)) continue;
    if (row->labelKey == kSeparatorKey) {
      // A dividing line stands for no setting and cannot be chosen, so it carries neither a
      // command nor a value that a search for the row's value could select.
      menu.appendSeparator();
    } else {
      menu.append(platform::ui::MenuItem(LocalizedText(bundle, LabelKeyInContext(row->labelKey, row->value, context)),
                                         command != 0 ? command : row->command, row->value));
    }
    ++appended;
  }
  menu.setTag(map);
  return appended;
}

void PopulatePopupButtonFromMap(const platform::Bundle* bundle, platform::ui::Control& popup, const SettingMap* map,
                                JobContext context, std::uint32_t command) {
  popup.menu().clear();
  PopulateMenuFromMap(bundle, popup.menu(), map, context, command);
  SetMaximumToItemCount(popup);
}

void PopulatePopupButtonFromMapAndHistory(const platform::Bundle* bundle, platform::ui::Control& popup,
                                          const SettingMap* map, JobContext context, std::string_view historyKey,
                                          std::size_t insertPosition, std::uint32_t historyCommand,
                                          std::uint32_t command) {
  platform::ui::Menu& menu = popup.menu();
  menu.clear();
  PopulateMenuFromMap(bundle, menu, map, context, command);
  const std::vector<std::string> history = CopyInputHistoryStrings(historyKey);
  for (std::size_t i = 0; i < history.size(); ++i) {
    // After item (insertPosition + i); past the end, after the last item.
    const std::size_t after = insertPosition + i;
    const int at = after > static_cast<std::size_t>(menu.count()) ? menu.count() : static_cast<int>(after);
    menu.insertAfter(at, platform::ui::MenuItem(history[i], historyCommand));
  }
  SetMaximumToItemCount(popup);
}

bool SetPopupButtonToTicketValue(platform::ui::Control& popup, std::int32_t value) {
  const int item = popup.menu().findRefValue(value);
  if (item == 0) return false;
  popup.setValue(item);
  return true;
}

std::optional<std::int32_t> GetPopupButtonTicketValue(const platform::ui::Control& popup) {
  const platform::ui::MenuItem* item = popup.selectedItem();
  if (item == nullptr) return std::nullopt;
  return item->refValue;
}
