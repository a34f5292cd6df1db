// Localised labels of setting values. The key comes from the same search and the same
// printer-default substitution as the menus use, so a summary always names what the menu shows.
#include "vocabulary/setting_map_labels.h"

#include "vocabulary/setting_map_operations.h"

std::optional<std::string> CopyLocalizedLabelForTicketValue(const platform::Bundle* bundle, const SettingMap* map,
                                                            std::int32_t value, JobContext context) {
  if (bundle == nullptr) return std::nullopt;
  const std::optional<int> position = TicketToUI(map, value);
  if (!position) return std::nullopt;
  // The row found may be a catch-all; its own value, not the one searched, decides the wording.
  const SettingMap& row = map[*position - 1];
  return bundle->localizedString(LabelKeyInContext(row.labelKey, row.value, context));
}

std::optional<std::string> CopyLocalizedLabelForPaperSizeTicketValue(const platform::Bundle* bundle,
                                                                     const PaperSizeSettingMap* map,
                                                                     std::int32_t value, JobContext context) {
  if (bundle == nullptr) return std::nullopt;
  const std::optional<std::string_view> key = LocalizedKeyForPaperSizeTicketValue(map, value);
  if (!key) return std::nullopt;
  return bundle->localizedString(LabelKeyInContext(*key, value, context));
}
