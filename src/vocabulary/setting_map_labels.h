#pragma once
// Localised labels of setting values, for summaries: the text a menu shows for the value's row.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/bundle/bundle.h"
#include "vocabulary/job_context.h"
#include "vocabulary/setting_map.h"

// The localised label of the row TicketToUI finds for value, as PopulateMenuFromMap shows it:
// the printer-default row reads "PrinterDefault" for the job and "UseJobSetting" elsewhere, and a
// key the string table lacks reads "STRING NOT FOUND". None when no row answers or bundle is null.
std::optional<std::string> CopyLocalizedLabelForTicketValue(const platform::Bundle* bundle, const SettingMap* map,
                                                            std::int32_t value, JobContext context);

// The same for a paper size: the localised label of the first row holding value, with the same
// substitution for the printer-default row.
std::optional<std::string> CopyLocalizedLabelForPaperSizeTicketValue(const platform::Bundle* bundle,
                                                                     const PaperSizeSettingMap* map,
                                                                     std::int32_t value, JobContext context);
