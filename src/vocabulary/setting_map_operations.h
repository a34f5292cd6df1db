#pragma once
// Searches over the setting maps: a row's value by position, a value's position and label key,
// and the conditions that hide rows. "Not found" is an answer of its own (an empty optional),
// never a value: some maps hold negative values, and a real value must never be mistaken for it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "vocabulary/job_context.h"
#include "vocabulary/setting_map.h"

// Rows before the end row; 0 for a null map.
std::size_t CountMaps(const SettingMap* map);
std::size_t CountMaps(const PaperSizeSettingMap* map);

// True when the row has no feature condition, or getInstalledFeature gives the state it asks for.
bool SettingMapRowIsAvailable(const SettingMap& row);

// The value of the row at the 1-based position, counting every row whether shown or not; none
// for a position outside 1 ... CountMaps(map) or a null map.
std::optional<std::int32_t> UIToTicket(const SettingMap* map, int position);

// The 1-based position of the row for value: the first row holding value whose condition holds,
// unless a catch-all row (value 0 with a label) comes first, which then answers. None when the
// search reaches the end row, or for a null map.
std::optional<int> TicketToUI(const SettingMap* map, std::int32_t value);

// The label key of the row TicketToUI finds; none when it finds none.
std::optional<std::string_view> LocalizedKeyForTicketValue(const SettingMap* map, std::int32_t value);

// The label key of the first row holding value; none when no row does or the map is null.
std::optional<std::string_view> LocalizedKeyForPaperSizeTicketValue(const PaperSizeSettingMap* map,
                                                                     std::int32_t value);

// The key a row shows under: the printer-default row reads "PrinterDefault" for the job and
// "UseJobSetting" for a cover, insert or exception, whose default is the job's own setting.
// Any other row shows its own key.
std::string_view LabelKeyInContext(std::string_view labelKey, std::int32_t value, JobContext context);
