#pragma once
// Keyword tables of the job-ticket reader: each ties the name of a keyword of a profile feature
// to the integer the print-settings ticket stores for it. A table ends with a row whose keyword
// is null; searches run from the first row, so the first row holding a keyword or value wins.
#include <cstdint>
#include <string>

struct JTKTKeywordMap {
  const char* keyword;
  std::int32_t value;
};

// Directions of JTKTConvertKeyword.
inline constexpr int kJTKTValueToKeyword = 1;
inline constexpr int kJTKTKeywordToValue = 2;

// kJTKTKeywordToValue: *value = the integer of the first row whose keyword equals *keyword
// exactly. kJTKTValueToKeyword: *keyword = the keyword of the first row holding *value. True when
// a row matched; false for a null table or argument, no match, or any other direction.
bool JTKTConvertKeyword(const JTKTKeywordMap* table, int direction, std::string* keyword, std::int32_t* value);

extern const JTKTKeywordMap JTKTSidesMap[];
extern const JTKTKeywordMap JTKTColorEffectsMap[];
extern const JTKTKeywordMap JTKTOutputDestinationMap[];
extern const JTKTKeywordMap JTKTSlipSheetMap[];
extern const JTKTKeywordMap JTKTRotationMap[];
extern const JTKTKeywordMap JTKTAntialiasingMap[];
extern const JTKTKeywordMap JTKTLightenDarkenMap[];
extern const JTKTKeywordMap JTKTHalftoneScreenMap[];
extern const JTKTKeywordMap JTKTSaveFormatMap[];
extern const JTKTKeywordMap JTKTJobTypeMap[];
extern const JTKTKeywordMap JTKTMediaTypeMap[];
extern const JTKTKeywordMap JTKTMediaColorMap[];
extern const JTKTKeywordMap JTKTMediaWeightMetricMap[];
extern const JTKTKeywordMap JTKTMediaGrainMap[];
extern const JTKTKeywordMap JTKTMediaFinishMap[];
extern const JTKTKeywordMap JTKTMediaCoatingTypeMap[];

// Tables of single features.
extern const JTKTKeywordMap JTKTHighlightMismatchMap[];
extern const JTKTKeywordMap JTKTHighlightMappingAlgorithmMap[];
extern const JTKTKeywordMap JTKTHighlightMappingColorMap[];
extern const JTKTKeywordMap JTKTHighlightPrintingColorMap[];
extern const JTKTKeywordMap JTKTDarknessEmulationMap[];
extern const JTKTKeywordMap JTKTOutputOrderMap[];
extern const JTKTKeywordMap JTKTOPISubstitutionMap[];
extern const JTKTKeywordMap JTKTOPIPrescanMap[];
extern const JTKTKeywordMap JTKTRenderingIntentMap[];
extern const JTKTKeywordMap JTKTDestinationProfileMap[];
extern const JTKTKeywordMap JTKTRGBSourceProfileMap[];
extern const JTKTKeywordMap JTKTCMYKSourceProfileMap[];
extern const JTKTKeywordMap JTKTOnOffMap[];
extern const JTKTKeywordMap JTKTDefaultOnlyMap[];
