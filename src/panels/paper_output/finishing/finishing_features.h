#pragma once
// Which finishing the printer can do: a feature of the installed-feature table, or an installable
// option of the printer description by the feature's name whose choice is not "off". The menu,
// the dialogs and the stock-dependent rules all ask here.
#include <cstddef>
#include <string_view>

#include "model/finishing_folds.h"
#include "vocabulary/installable_options.h"

// True when the printer offers at least one position of the staple kind.
bool StapleKindInstalled(StapleKind kind);

// True when the printer punches the count's holes along at least one edge.
bool HolePunchCountInstalled(const HolePunchCount& count);

// True when the printer offers the feature of at least one row of the table (every row, for
// AllRowsInstalled); rows without a feature do not count.
template <class Row, std::size_t N>
bool AnyRowInstalled(const Row (&rows)[N]) {
  for (const Row& row : rows)
    if (!row.feature.empty() && FinishingFeatureInstalled(row.feature)) return true;
  return false;
}
template <class Row, std::size_t N>
bool AllRowsInstalled(const Row (&rows)[N]) {
  for (const Row& row : rows)
    if (!FinishingFeatureInstalled(row.feature)) return false;
  return true;
}

inline constexpr std::string_view kFeatureSignatureBooklet = "SBM";
inline constexpr std::string_view kFeatureCustom = "Custom";
inline constexpr std::string_view kFeatureSlipSheets = "SlipSheets";
inline constexpr std::string_view kFeatureOffset = "Offset";
inline constexpr std::string_view kFeatureCoilPunch = "GBCAdvancedPunchKey";
inline constexpr std::string_view kFeatureSquareFoldTrimmer = "SquareFoldTrimmerKey";
