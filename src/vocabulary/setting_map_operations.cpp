// Searches over the setting maps. Maps are a handful of rows long and searched a few times per
// panel, so each search is a straight walk from the first row, which also keeps "first row
// wins" and the catch-all rule plain to see.
#include "vocabulary/setting_map_operations.h"

#include "vocabulary/installable_options.h"

namespace {

constexpr std::string_view kPrinterDefaultKey = "PrinterDefault";
constexpr std::string_view kUseJobSettingKey = "UseJobSetting";

}  // namespace

std::size_t CountMaps(const SettingMap* map) {
  std::size_t count = 0;
  if (map == nullptr) return count;
  while (map[count].labelKey != nullptr) ++count;
  return count;
}

std::size_t CountMaps(const PaperSizeSettingMap* map) {
  std::size_t count = 0;
  if (map == nullptr) return count;
  while (map[count].labelKey != nullptr) ++count;
  return count;
}

bool SettingMapRowIsAvailable(const SettingMap& row) {
  if (row.featureName == nullptr) return true;
  return getInstalledFeature(row.featureName) == row.requiredState;
}

std::optional<std::int32_t> UIToTicket(const SettingMap* map, int position) {
  // A pop-up may hold more items than its map (history entries after the rows); such a
  // position has no row, and reading one would run past the table.
  if (map == nullptr || position < 1 || static_cast<std::size_t>(position) > CountMaps(map)) return std::nullopt;
  return map[position - 1].value;
}

std::optional<int> TicketToUI(const SettingMap* map, std::int32_t value) {
  if (map == nullptr) return std::nullopt;
  for (int position = 1;; ++position) {
    const SettingMap& row = map[position - 1];
    // Value 0 ends the search: with a label it is the catch-all that answers for every value
    // not found above it, without one it is the end row.
    if (row.value == 0) {
      if (row.labelKey == nullptr) return std::nullopt;
      return position;
    }
    if (row.labelKey == nullptr) return std::nullopt;  // an end row that breaks the convention
    if (row.value == value && SettingMapRowIsAvailable(row)) return position;
  }
}

std::optional<std::string_view> LocalizedKeyForTicketValue(const SettingMap* map, std::int32_t value) {
  const std::optional<int> position = TicketToUI(map, value);
  if (!position) return std::nullopt;
  return std::string_view(map[*position - 1].labelKey);
}

std::optional<std::string_view> LocalizedKeyForPaperSizeTicketValue(const PaperSizeSettingMap* map,
                                                                     std::int32_t value) {
  if (map == nullptr) return std::nullopt;
  for (const PaperSizeSettingMap* row = map; row->labelKey != nullptr; ++row) {
    if (row->value == value) return std::string_view(row->labelKey);
  }
  return std::nullopt;
}

std::string_view LabelKeyInContext(std::string_view labelKey, std::int32_t value, JobContext context) {
  if (value != kPrinterDefault) return labelKey;
  return context == kJobContextJob ? kPrinterDefaultKey : kUseJobSettingKey;
}
