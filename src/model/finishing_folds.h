#pragma once
// The folds, with every fact the program keeps about each: the value the Paper/Output panel
// stores in its fold or z-fold key, the keyword an imported ticket names it by, the installable
// feature that offers it, the finishing record's fold code, the finishings enums that record code
// is sent as, and the texts the dialogs and the summaries show. Square fold levels and the
// booklet's fold-and-staple choice live here too.
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/finishing_positions.h"
#include "model/paper_output_codes.h"

// The finishing record's fold codes with their finishings enums: the job ticket's, and IPP's,
// which has only the registered folds and so sends every bi-fold, C fold and Z fold as one. The
// booklet folds name their booklet-making fold type.
struct FoldRecord {
  std::int32_t code;
  std::int32_t ticketEnum;
  std::int32_t ippEnum;
  std::string_view bookletFoldType;
};
inline constexpr std::int32_t kFoldRecordNone = 9;
inline constexpr std::int32_t kFoldRecordBookletFold = 10;
inline constexpr std::int32_t kFoldRecordSignatureBooklet = 15;
inline constexpr std::int32_t kFoldRecordBookletNoStaple = 23;
inline constexpr FoldRecord kFoldRecords[] = {
    {kFoldRecordNone, 3, 3, {}},
    {kFoldRecordBookletFold, 111, 93, {}},
    {11, 1000, 96, {}},  // C tri-fold
    {12, 1001, 100, {}},  // Z tri-fold
    {13, 50, 50, {}},  // bind left
    {14, 52, 52, {}},  // bind right
    {kFoldRecordSignatureBooklet, 13, 13, {}},
    {21, 1003, 93, "short-edge-single-sheet-concave"},
    {22, 1004, 93, "short-edge-single-sheet-convex"},
    {kFoldRecordBookletNoStaple, 111, 93, "short-edge-n-sheet-convex"},
    {24, 110, 93, {}},
    {25, 1011, 94, {}},  // z-fold half sheet, left bind
    {26, 1008, 94, {}},  // z-fold half sheet, right bind
    {27, 1000, 96, {}},
    {28, 1005, 96, {}},
    {29, 1001, 100, {}},
    {30, 1012, 100, {}}};

// The finishings enum of a record's fold code; none for a code without one (the not-set -1 too).
constexpr std::optional<std::int32_t> FoldFinishingsEnum(std::int32_t recordCode, FinishingsFor to) {
  const FoldRecord* row = RowWith(kFoldRecords, &FoldRecord::code, recordCode);
  if (row == nullptr) return std::nullopt;
  return to == FinishingsFor::Ipp ? row->ippEnum : row->ticketEnum;
}

// What the fold field's value is: a tri-fold of the simple fold dialog, the z-fold half sheet, one
// of the advanced fold dialog's bi-, C and Z folds, or the booklet fold with staples.
enum class FoldKind : std::uint8_t { TriFold, HalfSheet, BiFold, CFold, ZFold, BookletStaple };
constexpr bool IsAdvancedFold(FoldKind kind) {
  return kind == FoldKind::BiFold || kind == FoldKind::CFold || kind == FoldKind::ZFold;
}

inline constexpr std::int32_t kFoldNoRecord = -1;

// keyword, feature, dialogLabel and picture are empty where the fold has none; summaryKey names
// it in both summaries. In the dialogs' order.
struct FoldFacts {
  std::int32_t stored;
  FoldKind kind;
  std::int32_t recordCode;
  std::string_view keyword;
  std::string_view feature;
  const char* dialogLabel;
  const char* picture;
  const char* summaryKey;
};
inline constexpr FoldFacts kFolds[] = {
    {kFoldCTriFold, FoldKind::TriFold, 11, {}, "CTriFold", "C Tri-Fold", "ProductionFinishing_C_Fold.png", "FoldCFold"},
    {kFoldZTriFold, FoldKind::TriFold, 12, {}, "ZTriFold", "Z Tri-Fold", "ProductionFinishing_Z_Fold.png", "FoldZFold"},
    {kFoldZHalfSheet, FoldKind::HalfSheet, kFoldNoRecord, {}, {}, nullptr, nullptr, "Z Fold Half Sheet"},
    {kFoldBiFoldSingleInside, FoldKind::BiFold, 21, "BiFoldSingleInside", "BiFoldSingleInside",
     "Bi Fold Single Inside Option", nullptr, "BiFoldSingleInside"},
    {42, FoldKind::BiFold, 22, "BiFoldSingleOutside", "BiFoldSingleOutside", "Bi Fold Single Outside Option", nullptr,
     "BiFoldSingleOutside"},
    {kFoldBiFoldMultipleInside, FoldKind::BiFold, kFoldRecordBookletNoStaple, "BiFoldMultiple", "BiFoldMultiple",
     "Bi Fold Multiple Inside Option", nullptr, "BiFoldMultipleInside"},
    {44, FoldKind::BiFold, 24, {}, {}, nullptr, nullptr, "BiFoldMultipleOutside"},
    {45, FoldKind::CFold, 27, "CFoldInside", "CFoldSingleInside", "C Fold Inside Option", nullptr, "CTriFoldInside"},
    {46, FoldKind::CFold, 28, "CFoldOutside", "CFoldSingleOutside", "C Fold Outside Option", nullptr,
     "CTriFoldOutside"},
    {47, FoldKind::ZFold, 29, "ZFoldInside", "ZFoldSingleInside", "Z Fold Inside Option", nullptr, "ZTriFoldInside"},
    {kFoldZFoldOutside, FoldKind::ZFold, 30, "ZFoldOutside", "ZFoldSingleOutside", "Z Fold Outside Option", nullptr,
     "ZTriFoldOutside"},
    {kFoldBookletFoldStaple, FoldKind::BookletStaple, kFoldNoRecord, "BiFoldMultipleAndStaple", {}, nullptr, nullptr,
     nullptr}};
constexpr const FoldFacts* FoldOf(std::int32_t stored) { return RowWith(kFolds, &FoldFacts::stored, stored); }

// The two sides a z-folded half sheet binds on, in the z-fold dialog's order: the stored z-fold
// value, the side, the imported keyword, the installable feature, the record's fold code, the
// summaries' key and the Paper/Output picture.
struct ZFoldSide {
  std::int32_t stored;
  BindSide side;
  std::string_view keyword;
  std::string_view feature;
  std::int32_t recordCode;
  const char* summaryKey;
  const char* picture;
};
inline constexpr ZFoldSide kZFoldSides[] = {
    {kZFoldLeftBind, BindSide::Left, "ZFoldHalfLeft", "ZFoldHalfLeft", 25, "ZFoldLeftBind", "ZFold_Half_Left"},
    {kZFoldRightBind, BindSide::Right, "ZFoldHalfRight", "ZFoldHalfRight", 26, "ZFoldRightBind", "ZFold_Half_Right"}};

// The booklet's square fold, from more square to less, as the square fold dialog's five steps:
// the stored value, the job ticket keyword, and how the Paper/Output summary names it (a key,
// else a step number).
struct SquareFoldLevel {
  std::int32_t stored;
  std::string_view keyword;
  const char* summaryKey;
  std::int64_t summaryStep;
};
inline constexpr SquareFoldLevel kSquareFoldLevels[] = {{62, "high-2", "MoreSquare", 0},
                                                        {63, "high-1", nullptr, 1},
                                                        {kSquareFoldNormal, "normal", "Normal", 0},
                                                        {65, "low-1", nullptr, -1},
                                                        {66, "low-2", "LessSquare", 0}};

// The booklet fold-and-staple key's values: a booklet fold alone, or with staples.
inline constexpr std::int32_t kBookletFoldOnly = 7;
inline constexpr std::int32_t kBookletFoldAndStaple = 8;
// Any one of these installed features lets the printer fold booklets.
inline constexpr std::string_view kBookletFoldFeatures[] = {"BookletFoldKey", "BiFoldMultiple", "BiFoldStapleMultiple"};
