// The setting maps as tables: every map's row count and end row, a few rows of each family, and
// the paper library's two unit columns.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <iterator>
#include <set>
#include <string>

#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_operations.h"

namespace {

struct MapCount {
  const char* name;
  const SettingMap* map;
  std::size_t rows;
};

#define MAP_COUNT(map, rows) MapCount{#map, map, rows}

const MapCount kMapCounts[] = {
    MAP_COUNT(BookletWatermarkBackgroundFormsMap, 3), MAP_COUNT(PageBordersMap, 2), MAP_COUNT(EnabledDisabledMap, 2),
    MAP_COUNT(WatermarkOptionsMap, 6), MAP_COUNT(WatermarkMap, 6), MAP_COUNT(WatermarkStringMap, 4),
    MAP_COUNT(StockDescriptionMap, 2), MAP_COUNT(StockSizeMap, 19), MAP_COUNT(CompleteStockTypeMap, 16),
    MAP_COUNT(StockTypeMap, 6), MAP_COUNT(CompleteStockColorMap, 14), MAP_COUNT(StockColorMap, 14),
    MAP_COUNT(WeightMap, 8), MAP_COUNT(StockPunchedMap, 3), MAP_COUNT(GrainMap, 3),
    MAP_COUNT(GrainCompensationMap, 2), MAP_COUNT(FinishMap1, 5), MAP_COUNT(FinishMap, 4),
    MAP_COUNT(CoatingTypeMap, 5), MAP_COUNT(SidesCoatedMap, 4), MAP_COUNT(StockLibraryMap, 4),
    MAP_COUNT(CoverSidesImagedMap, 4), MAP_COUNT(CoverSidesDuplexImagedMap, 2), MAP_COUNT(CoverSidesSimplexImagedMap, 2),
    MAP_COUNT(DuplexMap, 3), MAP_COUNT(PlexMap, 4), MAP_COUNT(JobTypeMap, 3),
    MAP_COUNT(JobFormatMap, 3), MAP_COUNT(JobFormatMap2, 3), MAP_COUNT(OutputDestHCSS_BKMap, 4),
    MAP_COUNT(OutputDestHCSSMap, 4), MAP_COUNT(OutputDestLCSSMap, 3), MAP_COUNT(OutputDestOCTMap, 1),
    MAP_COUNT(PunchMap, 2), MAP_COUNT(PunchNoneMap, 1), MAP_COUNT(OutputStapleHCSSMap, 5),
    MAP_COUNT(OutputStapleLCSSMap, 4), MAP_COUNT(OutputStapleOCTMap, 2), MAP_COUNT(ResolutionMap, 3),
    MAP_COUNT(AntialiasingMap, 3), MAP_COUNT(HalftoneScreenMap, 7), MAP_COUNT(TRCMap, 1),
    MAP_COUNT(ImageShiftOptions2SidedMap, 10), MAP_COUNT(ImageShiftOptions1SidedMap, 2), MAP_COUNT(OutputColorMap, 3),
    MAP_COUNT(ObjectRenderingMap, 7), MAP_COUNT(DestinationProfileMap, 3), MAP_COUNT(GraySourceProfileMap, 2),
    MAP_COUNT(CMYKSourceProfileMap, 9), MAP_COUNT(RGBSourceProfileMap, 6), MAP_COUNT(BlackOverprintMap, 3),
    MAP_COUNT(TrappingMap, 3), MAP_COUNT(HighlightMismatchColorMap, 4), MAP_COUNT(HighlightMappingAlgorithmMap, 6),
    MAP_COUNT(HighlightMappingColorMap, 16), MAP_COUNT(HighlightPrintingColorMap, 14), MAP_COUNT(OnOffMap, 2),
    MAP_COUNT(OPIPrescanMap, 4), MAP_COUNT(OPISubsitutionMap, 3), MAP_COUNT(PrinterEmulationMap, 3),
    MAP_COUNT(OutputOptionsMap, 5), MAP_COUNT(RotateImageMap, 3), MAP_COUNT(BookletLayoutOrderMap, 2),
    MAP_COUNT(SavedJobSaveOptionRadioMap, 2), MAP_COUNT(NamedPaperPaperListMap, 2), MAP_COUNT(HolePunchOptionsMap, 3),
    MAP_COUNT(ComplexBookletFoldMap, 2), MAP_COUNT(ComplexFoldMap, 2), MAP_COUNT(ZFoldMap, 2),
    MAP_COUNT(LoginNameMap, 1), MAP_COUNT(JobNameMap, 1), MAP_COUNT(FolderNameMap, 1),
    MAP_COUNT(BackgroundFormsMap, 1),
};

#undef MAP_COUNT

void ExpectRow(const SettingMap& row, const char* labelKey, std::int32_t value, std::uint32_t command = 0) {
  EXPECT_STREQ(row.labelKey, labelKey);
  EXPECT_EQ(row.value, value) << labelKey;
  EXPECT_EQ(row.command, command) << labelKey;
}

}  // namespace

TEST(SettingMaps, EveryMapHasItsRowsAndEndsWithTheEndRow) {
  EXPECT_EQ(std::size(kMapCounts), 73u);
  std::set<const SettingMap*> distinct;
  for (const MapCount& entry : kMapCounts) {
    distinct.insert(entry.map);
    EXPECT_EQ(CountMaps(entry.map), entry.rows) << entry.name;
    EXPECT_EQ(entry.map[entry.rows].labelKey, nullptr) << entry.name;
    EXPECT_EQ(entry.map[entry.rows].value, 0) << entry.name;
    for (std::size_t i = 0; i < entry.rows; ++i) {
      // The document's maps carry no feature condition.
      EXPECT_EQ(entry.map[i].featureName, nullptr) << entry.name << " row " << i;
    }
  }
  EXPECT_EQ(distinct.size(), std::size(kMapCounts));
  EXPECT_EQ(CountMaps(static_cast<const SettingMap*>(nullptr)), 0u);
  EXPECT_EQ(CountMaps(CompleteStockSizeMap), 77u);
}

TEST(SettingMaps, WatermarkMenusCarryTheirCommands) {
  ExpectRow(WatermarkMap[0], "NoWatermark", 1, platform::FourCharCode("KWmX"));
  ExpectRow(WatermarkMap[1], "-", -5);
  ExpectRow(WatermarkMap[5], "Delete", -9, platform::FourCharCode("KWmD"));
  ExpectRow(WatermarkOptionsMap[5], "WatermarmPrintOnPage1Only", 5, platform::FourCharCode("KWm1"));
  ExpectRow(BookletWatermarkBackgroundFormsMap[2], "Setup...", 3, platform::FourCharCode("BfCs"));
  ExpectRow(WatermarkStringMap[3], "CopyWatermark", -4);
  EXPECT_EQ(platform::FourCharCode("KWmX"), 0x4B576D58u);
}

TEST(SettingMaps, StockMapsKeepTheirOrder) {
  ExpectRow(StockSizeMap[0], "PrinterDefault", kPrinterDefault);
  ExpectRow(StockSizeMap[8], "Oversize Tabloid (12 x 18\")", 11);
  ExpectRow(StockSizeMap[18], "Custom...", 75);
  ExpectRow(CompleteStockTypeMap[10], "StockTypeCustom...", 7);
  ExpectRow(CompleteStockColorMap[7], "Ivory", 11);
  ExpectRow(WeightMap[7], "Custom...", 1);
  ExpectRow(StockPunchedMap[2], "PrinterDefault", kPrinterDefault);  // last here
  ExpectRow(FinishMap1[3], "Semi-Rough", 4);
  ExpectRow(StockDescriptionMap[1], "Custom...", 0);
}

TEST(SettingMaps, OutputImageAndColorMaps) {
  ExpectRow(DuplexMap[1], "DuplexLong", 2);
  ExpectRow(OutputDestHCSSMap[3], "StackerTray2", 6);
  ExpectRow(OutputStapleHCSSMap[2], "Collated, 1 Staple", 3);
  ExpectRow(ImageShiftOptions2SidedMap[2], "MirrorX", 3);
  ExpectRow(HalftoneScreenMap[6], "Stochastic", 14);
  ExpectRow(CMYKSourceProfileMap[3], "Swop Plus CMYK", 15);
  ExpectRow(RGBSourceProfileMap[2], "Korvo Evenhue Mode RGB Gamma=1", 2);
  ExpectRow(HighlightMappingColorMap[1], "UseLoadedHLColor", 14);
  ExpectRow(HighlightPrintingColorMap[13], "KorvoCustomHLColor", 15);
}

TEST(SettingMaps, PositionAndSpecialEntryMaps) {
  ExpectRow(OutputOptionsMap[4], "N - 1 (Descending) - Face Down", kPositionMapValue);
  ExpectRow(BookletLayoutOrderMap[0], "RightToLeft", kPositionMapValue);
  ExpectRow(SavedJobSaveOptionRadioMap[1], "SavePrint", 0);
  EXPECT_EQ(kPositionMapValue, 0x4B756A6E);  // 'Kujn'
  ExpectRow(LoginNameMap[0], "UseLoginName", 0x4A6E554C);
  ExpectRow(JobNameMap[0], "UseJobName", 0x4B756A6E);
  ExpectRow(FolderNameMap[0], "PublicFolder", 0x4B666C6E);
  ExpectRow(BackgroundFormsMap[0], "UseJobName", 0x4B62664A);
}

TEST(StockSizeTable, FirstLastAndSomeRows) {
  const PaperSizeSettingMap& first = CompleteStockSizeMap[0];
  EXPECT_STREQ(first.labelKey, "PrinterDefault");
  for (std::int32_t number : {first.value, first.widthHmm, first.heightHmm, first.widthPt, first.heightPt}) {
    EXPECT_EQ(number, kPrinterDefault);
  }
  const PaperSizeSettingMap& letter = CompleteStockSizeMap[1];
  EXPECT_STREQ(letter.labelKey, "LetterStockSize");
  EXPECT_EQ(letter.value, 204);
  EXPECT_EQ(letter.widthHmm, 21600);
  EXPECT_EQ(letter.heightPt, 792);
  EXPECT_STREQ(CompleteStockSizeMap[21].labelKey, "12x18StockSize");
  EXPECT_EQ(CompleteStockSizeMap[21].value, 11);
  EXPECT_STREQ(CompleteStockSizeMap[72].labelKey, "No. 9 Envelope (4.125 x 9.5\")");
  const PaperSizeSettingMap& custom = CompleteStockSizeMap[76];
  EXPECT_STREQ(custom.labelKey, "Custom");
  EXPECT_EQ(custom.value, 75);
  EXPECT_EQ(custom.widthHmm + custom.heightHmm + custom.widthPt + custom.heightPt, 0);
  EXPECT_EQ(CompleteStockSizeMap[77].labelKey, nullptr);
  EXPECT_EQ(CompleteStockSizeMap[77].value, 0);
}

TEST(StockSizeTable, MendedRows) {
  const PaperSizeSettingMap& size225 = CompleteStockSizeMap[38];
  EXPECT_STREQ(size225.labelKey, "StockSize225x297");
  EXPECT_EQ(size225.value, 203);
  EXPECT_EQ(size225.widthHmm, 22500);
  EXPECT_EQ(size225.heightHmm, 29700);
  EXPECT_EQ(size225.widthPt, 638);
  const PaperSizeSettingMap& governmentLetter = CompleteStockSizeMap[11];
  EXPECT_STREQ(governmentLetter.labelKey, "StockSizeGovernmentLetter");
  EXPECT_EQ(governmentLetter.value, 83);
  EXPECT_EQ(governmentLetter.widthPt, 576);
  EXPECT_EQ(governmentLetter.heightPt, 756);
  EXPECT_EQ(governmentLetter.heightHmm, 26700);
}

// Both unit columns describe the same paper: within two points of each other, except for the
// rows whose figures were kept as the paper library has them (noted beside each).
TEST(StockSizeTable, UnitColumnsAgree) {
  const std::set<std::int32_t> keptAsGiven = {
      79, 78,  // 8.5 x 13.5": 340 mm is 13.39", the points say 13.5"
      77,      // No. 9 envelope: 98 mm wide, 297 points (4.125") wide
  };
  for (const PaperSizeSettingMap* row = CompleteStockSizeMap + 1; row->labelKey != nullptr; ++row) {
    if (keptAsGiven.count(row->value) != 0) continue;
    EXPECT_LE(std::abs(row->widthHmm * 72.0 / 2540.0 - row->widthPt), 2.0) << row->labelKey;
    EXPECT_LE(std::abs(row->heightHmm * 72.0 / 2540.0 - row->heightPt), 2.0) << row->labelKey;
  }
}
