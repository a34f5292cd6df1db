#pragma once
// The colour summary: one line per colour choice that is set, shown beside the Image Options
// controls and in the special-page lists and exception dialogs.
#include <optional>
#include <string>

#include "model/full_color_options.h"
#include "platform/bundle/bundle.h"
#include "vocabulary/job_context.h"

// The lines joined by line feeds, each a localised label and its value (a number, a menu label,
// or a custom profile's own name); the localised "PrinterDefault" (job) or "UseJobSetting"
// (elsewhere) when nothing is set. None without bundle or options.
std::optional<std::string> GenerateFullColorSummary(const platform::Bundle* bundle, const FullColorOptions* options,
                                                    JobContext context);
