#pragma once
// The code values of the Paper/Output panel's ticket entries: finishing options, fold, staple,
// punch and bind positions, job types, output colour, destination and two-sided printing. The
// panel, the job-ticket writer and the reader all name them from here.
#include <cstdint>

// Finishing codes ("com.korvo.print.FinishingOptions").
enum FinishingCode : std::int32_t {
  kFinishingPrinterDefault = 0,
  kFinishingNone = 1,
  kFinishingSignatureBooklet = 3,
  kFinishingOneStaple = 4,
  kFinishingTwoStaples = 9,
  kFinishingBind = 14,
  kFinishingFold = 18,
  kFinishingCustom = 22,
  kFinishingBooklet = 24,
  kFinishingCenterStaple = 25,
  kFinishingHolePunch = 30,
  // 32 to 35: a hole punch at one of the four positions, as older tickets store it.
  kFinishingZFoldHalfSheet = 36,
  kFinishingAdvancedFold = 40,
  kFinishingStaplePunch = 49,
  kFinishingStaplePunchZFold = 50,
  kFinishingStapleZFold = 51,
  kFinishingPunchZFold = 52,
  kFinishingCoilPunch = 58,
};

// Fold codes of the fold field.
inline constexpr std::int32_t kFoldNone = 1;
inline constexpr std::int32_t kFoldCTriFold = 19;
inline constexpr std::int32_t kFoldZTriFold = 20;
inline constexpr std::int32_t kFoldZHalfSheet = 36;
inline constexpr std::int32_t kFoldBiFoldSingleInside = 41;
inline constexpr std::int32_t kFoldBiFoldMultipleInside = 43;  // the booklet fold
inline constexpr std::int32_t kFoldZFoldOutside = 48;
inline constexpr std::int32_t kFoldBookletFoldStaple = 53;

inline constexpr std::int32_t kZFoldLeftBind = 38;
inline constexpr std::int32_t kZFoldRightBind = 39;
inline constexpr std::int32_t kBindLeftTop = 15;
inline constexpr std::int32_t kBindRightBottom = 16;
inline constexpr std::int32_t kCoilLeftTop = 255;
inline constexpr std::int32_t kCoilRightBottom = 257;
inline constexpr std::int32_t kStapleNone = 1;  // the staple fields' "none", as fold commands set it
inline constexpr std::int32_t kSlipSheetsOn = 2;
inline constexpr std::int32_t kSlipSheetsPrinted = 3;  // printed separators, as a ticket may bring them
inline constexpr std::int32_t kSquareFoldNormal = 64;
inline constexpr std::int32_t kTrimUnitMillimetres = 68;
inline constexpr std::int32_t kTrimUnitInches = 69;
// The job offset: the printer's default, none, or shifting each set, each subset or both.
inline constexpr std::int32_t kOffsetPrinterDefault = 1;
inline constexpr std::int32_t kOffsetNone = 2;
inline constexpr std::int32_t kOffsetSets = 3;
inline constexpr std::int32_t kOffsetSubsets = 4;
inline constexpr std::int32_t kOffsetSetsAndSubsets = 5;
inline constexpr std::int32_t kDefaultOutputDestination = 19;
inline constexpr std::int32_t kDefaultOutputColor = 2;
inline constexpr std::int32_t kDefaultGutter = 24;
inline constexpr std::int32_t kDuplexLongEdge = 2;
inline constexpr std::int32_t kDuplexShortEdge = 3;

inline constexpr std::int32_t kJobTypeNormal = 1;
inline constexpr std::int32_t kJobTypeSavedJob = 3;
inline constexpr std::int32_t kJobTypeBackgroundForm = 9;
// The job types from 4 to 7 (fax, secure, delayed print ...), which only a ticket brings: their
// Setup button is enabled, with no set-up of its own.
inline constexpr std::int32_t kJobTypeFirstOtherSetup = 4;
inline constexpr std::int32_t kJobTypeLastOtherSetup = 7;

// The first position code of each finishing's positions, in the order its dialog shows them.
inline constexpr std::int32_t kOneStapleFirst = 5;
inline constexpr std::int32_t kTwoStaplesFirst = 10;
inline constexpr std::int32_t kCenterStapleFirst = 26;
inline constexpr std::int32_t kHolePunchFirst = 32;
