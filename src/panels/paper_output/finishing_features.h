#pragma once
// Which finishing the printer can do: a feature of the installed-feature table, or an installable
// option of the printer description by the feature's name whose choice is not "off". The menu,
// the dialogs and the stock-dependent rules all ask here.
#include <cstdint>
#include <string_view>

#include "vocabulary/installable_options.h"

// The installable features behind the four positions of each kind, in option order.
struct PositionFeatures {
  std::string_view names[4];
  bool any() const;
};
extern const PositionFeatures kOneStapleFeatures;     // 5 6 7 8
extern const PositionFeatures kTwoStaplesFeatures;    // 10 11 12 13
extern const PositionFeatures kCenterStapleFeatures;  // 26 27 28 29
// Hole punch of 2, 3 and 4 holes, positions 32 33 34 35.
const PositionFeatures& HolePunchFeatures(std::int32_t holesCode);

inline constexpr std::string_view kFeatureOneStapleBR = "1StapleBR";
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
