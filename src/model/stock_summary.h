#pragma once
// The few lines that describe a stock beside its menu button: its name, size, colour, type and
// weight, each as "<label><separator text><value>" in the user's language.
#include <string>
#include <string_view>

#include "model/stock.h"
#include "platform/bundle/bundle.h"
#include "vocabulary/job_context.h"

// The summary lines of stock joined with separator; empty when there is nothing to say (the
// caller then shows "PrinterDefault" or "UseJobSetting") or no bundle to take the texts from.
//
// At job level colour, type and weight are always told (an unset one as the printer default);
// for a special page only what the page sets itself, plus its size. A stock identified by its
// library name alone shows only that name. A stock fed from a paper source says only which
// source: for the post-print inserter (10) "- " and the printer's name for it.
std::string GenerateStockSummary(const platform::Bundle* bundle, JobContext context, const Stock& stock,
                                 std::string_view separator);
