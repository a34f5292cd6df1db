// The keyword tables of single features.
#include "jobticket/reader/jtkt_keyword_maps.h"
#include "vocabulary/printer_default.h"

const JTKTKeywordMap JTKTHighlightMismatchMap[] = {
    {"PrinterDefault", kPrinterDefault}, {"UseLoaded", 1}, {"CancelJob", 2}, {"HoldJob", 3}, {nullptr, 0}};
const JTKTKeywordMap JTKTHighlightMappingAlgorithmMap[] = {
    {"PrinterDefault", kPrinterDefault}, {"Automatic", 1}, {"Pictorial", 2}, {"Presentation", 3},
    {"ColorToHighlight", 4}, {"Monochrome", 5}, {nullptr, 0}};
const JTKTKeywordMap JTKTHighlightMappingColorMap[] = {
    {"PrinterDefault", kPrinterDefault}, {"Red", 1}, {"Green", 2}, {"Blue", 3}, {"Cyan", 4}, {"Magenta", 5},
    {"Yellow", 6}, {"Cardinal", 7}, {"RoyalBlue", 8}, {"Black", 9}, {"Ruby", 10}, {"Violet", 11}, {"Brown", 12},
    {"Custom", 13}, {"UseLoaded", 14}, {nullptr, 0}};
const JTKTKeywordMap JTKTHighlightPrintingColorMap[] = {
    {"PrinterDefault", kPrinterDefault}, {"Red", 1}, {"Green", 2}, {"Blue", 3}, {"RoyalBlue", 8},
    {"UseLoaded", 14},
    // Every other colour the writer names.
    {"Cyan", 4}, {"Magenta", 5}, {"Yellow", 6}, {"Cardinal", 7}, {"Ruby", 10}, {"Violet", 11}, {"Brown", 12},
    {"Custom", 13}, {nullptr, 0}};
const JTKTKeywordMap JTKTDarknessEmulationMap[] = {{"PrinterDefault", 1}, {"Disabled", 2}, {"Enabled", 3}, {nullptr, 0}};
const JTKTKeywordMap JTKTOutputOrderMap[] = {{"PrinterDefault", 1}, {"FaceUp", 4}, {"FaceUpReverse", 3},
                                             {"FaceDown", 2}, {"FaceDownReverse", 5}, {nullptr, 0}};
const JTKTKeywordMap JTKTOPISubstitutionMap[] = {{"PrinterDefault", 1}, {"Enabled", 2}, {"Disabled", 3}, {nullptr, 0}};
const JTKTKeywordMap JTKTOPIPrescanMap[] = {{"PrinterDefault", 1}, {"None", 2}, {"Scan", 3}, {"Gather", 4}, {nullptr, 0}};
const JTKTKeywordMap JTKTRenderingIntentMap[] = {
    {"PrinterDefault", kPrinterDefault}, {"Saturation", 1}, {"AbsoluteColorimetric", 3},
    {"RelativeColorimetric", 2}, {"Perceptual", 4}, {"Pure", 5}, {"Automatic", 6}, {nullptr, 0}};
const JTKTKeywordMap JTKTDestinationProfileMap[] = {
    {"PrinterDefault", kPrinterDefault}, {"SystemSpecified", 1}, {nullptr, 0}};
const JTKTKeywordMap JTKTRGBSourceProfileMap[] = {
    {"PrinterDefault", kPrinterDefault}, {"KorvoRGB", 1}, {"KorvoRGBGamma1", 2}, {"AdobeRGB", 6}, {"sRGB", 4},
    {"Smpte240m", 3}, {nullptr, 0}};
const JTKTKeywordMap JTKTCMYKSourceProfileMap[] = {
    {"PrinterDefault", kPrinterDefault}, {"Commercial", 14}, {"FOGRAGlossCoated", 4}, {"FOGRAMatteCoated", 5},
    {"FOGRAUncoated", 6}, {"FOGRAWebOffset", 12}, {"FOGRAPlus", 13}, {"JapanColor2001Plus", 7},
    {"JapanColor2001Type1", 8}, {"JapanColor2001Type2", 9}, {"JapanColor2001Type3", 10},
    {"JapanColor2001Type4", 11}, {"Native", 1}, {"SwopCoated", 2}, {"SwopPlus", 15}, {nullptr, 0}};
const JTKTKeywordMap JTKTOnOffMap[] = {{"PrinterDefault", kPrinterDefault}, {"Off", 2}, {"On", 1}, {nullptr, 0}};
const JTKTKeywordMap JTKTDefaultOnlyMap[] = {{"PrinterDefault", kPrinterDefault}, {nullptr, 0}};
