#pragma once
// Which finishing the printer can do: a feature of the installed-feature table, or an installable
// option of the printer description by the feature's name whose choice is not "off". The menu,
// the dialogs and the stock-dependent rules all ask here.
#include <cstdint>
#include <string_view>

#include "model/finishing_positions.h"
#include "vocabulary/installable_options.h"

// True when the printer offers at least one position of the staple kind.
bool StapleKindInstalled(StapleKind kind);

// The installable features behind the four hole punch positions, in option order.
struct PositionFeatures {
  std::string_view names[4];
  bool any() const;
};
// Hole punch of 2, 3 and 4 holes, positions 32 33 34 35.
const PositionFeatures& HolePunchFeatures(std::int32_t holesCode);

inline constexpr std::string_view kFeatureBindLeft = "BindLeft";
inline constexpr std::string_view kFeatureBindRight = "BindRight";
inline constexpr std::string_view kFeatureZFoldHalfLeft = "ZFoldHalfLeft";
inline constexpr std::string_view kFeatureZFoldHalfRight = "ZFoldHalfRight";
inline constexpr std::string_view kFeatureSignatureBooklet = "SBM";
inline constexpr std::string_view kFeatureCustom = "Custom";
inline constexpr std::string_view kFeatureSlipSheets = "SlipSheets";
inline constexpr std::string_view kFeatureOffset = "Offset";
inline constexpr std::string_view kFeatureCoilPunch = "GBCAdvancedPunchKey";
inline constexpr std::string_view kFeatureSquareFoldTrimmer = "SquareFoldTrimmerKey";
inline constexpr std::string_view kFeatureCTriFold = "CTriFold";
inline constexpr std::string_view kFeatureZTriFold = "ZTriFold";
