#pragma once
// Printer-description keyword maps: each PPD choice keyword the panels understand, paired with the
// integer the print-settings ticket keeps for it. A map ends with the row {nullptr, 0}; searches
// run from the first row, so where a keyword or a value appears twice the first row wins.
// MainKeywordMap names the map for each PPD main keyword and ends with {nullptr, nullptr}.
// Keywords are compared exactly: case matters, as it does in a printer description.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

struct KeywordMapRow {
  const char* keyword;
  std::int32_t value;
};

struct MainKeywordMapRow {
  const char* mainKeyword;
  const KeywordMapRow* map;
};

extern const KeywordMapRow KVOGrayLineMap[];
extern const KeywordMapRow GlossLevelMap[];
extern const KeywordMapRow SlipSheetMap[];
extern const KeywordMapRow InputSlotMap[];
extern const KeywordMapRow FeedEdgeMap[];
extern const KeywordMapRow ColorModeMap[];
extern const KeywordMapRow PPDResolutionMap[];
extern const KeywordMapRow DraftModeMap[];
extern const KeywordMapRow LightenDarkenMap[];
extern const KeywordMapRow JCLTrueGrayImagesMap[];
extern const KeywordMapRow JCLTrueGrayGraphicsMap[];
extern const KeywordMapRow JCLColorCorrectionMap[];
extern const KeywordMapRow KVCMYKColorSpaceMap[];
extern const KeywordMapRow KVRGBColorSpaceMap[];
extern const KeywordMapRow JCLPrintQualityMap[];
extern const KeywordMapRow KVStapleMap[];
extern const KeywordMapRow KVFoldMap[];
extern const KeywordMapRow KVPunchMap[];
extern const KeywordMapRow OutputBinMap[];
extern const KeywordMapRow RequestOffsetMap[];
extern const KeywordMapRow BannerPageMap[];
extern const KeywordMapRow PPDOutputOptionMap[];
extern const KeywordMapRow PPDDuplexMap[];
extern const KeywordMapRow PageSizeMap[];
extern const KeywordMapRow MediaTypeMap[];
extern const KeywordMapRow MediaColorMap[];

extern const MainKeywordMapRow MainKeywordMap[];

// Rows before the end row; 0 for a null map.
std::size_t CountKeywordMap(const KeywordMapRow* map);

// The keyword map that MainKeywordMap gives for a main keyword, or null when it names none.
const KeywordMapRow* KeywordMapForMainKeyword(std::string_view mainKeyword);

// The value of the first row holding keyword; none when no row does or the map is null.
std::optional<std::int32_t> KeywordMapValueForKeyword(const KeywordMapRow* map, std::string_view keyword);

// The keyword of the first row holding value (the table's own storage); null when none does.
const char* KeywordMapKeywordForValue(const KeywordMapRow* map, std::int32_t value);
