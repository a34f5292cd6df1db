#pragma once
// Menus and pop-up buttons filled from setting maps, and the pop-up's ticket value. Items map to
// ticket values through their reference values, never through positions, so rows hidden by a
// feature condition and history entries mixed in between rows change nothing.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/bundle/bundle.h"
#include "vocabulary/job_context.h"
#include "platform/ui/control.h"
#include "platform/ui/menu.h"
#include "vocabulary/setting_map.h"

// Appends one item per row whose feature condition holds, in map order: its text the row's
// label localised from bundle ("STRING NOT FOUND" when the table lacks it; the printer-default
// row reads "PrinterDefault" for the job, "UseJobSetting" elsewhere), its command `command`
// when that is not 0 else the row's own, its reference value the row's value. A "-" row
// becomes a separator. Tags the menu with the map and answers the number of items appended;
// none are appended for a null or empty map.
std::size_t PopulateMenuFromMap(const platform::Bundle* bundle, platform::ui::Menu& menu, const SettingMap* map,
                                JobContext context, std::uint32_t command);

// Empties the pop-up's menu, fills it from map, and sets its maximum to the item count. The
// selection is kept when still in range, else the first item (or nothing, for an empty menu).
void PopulatePopupButtonFromMap(const platform::Bundle* bundle, platform::ui::Control& popup, const SettingMap* map,
                                JobContext context, std::uint32_t command);

// As PopulatePopupButtonFromMap, then inserts the user's entries for historyKey from the
// input-history file: the i-th entry (from 0) goes after item insertPosition + i (after the last
// item when the menu is shorter), with historyCommand and no reference value. The maximum counts
// them. An empty key, or a missing or unreadable file, gives no entries.
void PopulatePopupButtonFromMapAndHistory(const platform::Bundle* bundle, platform::ui::Control& popup,
                                          const SettingMap* map, JobContext context, std::string_view historyKey,
                                          std::size_t insertPosition, std::uint32_t historyCommand,
                                          std::uint32_t command);

// Selects the first item, from the top, whose reference value is value, and answers true;
// answers false, changing nothing, when no item carries it.
bool SetPopupButtonToTicketValue(platform::ui::Control& popup, std::int32_t value);

// The reference value of the selected item; none when nothing is selected or the item has none
// (a history entry). A caller that wants the old reading of such an item as 0 uses value_or(0).
std::optional<std::int32_t> GetPopupButtonTicketValue(const platform::ui::Control& popup);
