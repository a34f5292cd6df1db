// Keyword maps of the image: gray lines, gloss, colour mode, resolution, toner saving, lightness,
// true gray, colour correction, colour spaces and print quality.
// Each row pairs a choice keyword, spelt exactly as the printer description spells it, with
// the integer the ticket keeps for it. Lookups take the first matching row, so a keyword or
// value that appears twice is kept twice, in place.
#include "vocabulary/keyword_maps.h"

const KeywordMapRow KVOGrayLineMap[] = {
    {"PrinterDefault", 0},
    {"Automatic", 1},
    {"PureBlack", 2},
    {"Composite", 3},
    {nullptr, 0},
};

const KeywordMapRow GlossLevelMap[] = {
    {"Normal", 1},
    {"Enhanced", 2},
    {nullptr, 0},
};

const KeywordMapRow ColorModeMap[] = {
    {"Grayscale", 1},
    {"Color", 2},
    {nullptr, 0},
};

const KeywordMapRow PPDResolutionMap[] = {
    {"200x100dpi", 6},
    {"200x200dpi", 5},
    {"300x300dpi", 1},
    {"600x600dpi", 2},
    {"1200x600dpi", 3},
    {"1200x1200dpi", 4},
    {"1800x1800dpi", 7},
    {nullptr, 0},
};

const KeywordMapRow DraftModeMap[] = {
    {"None", 2},
    {"Draft", 1},
    {nullptr, 0},
};

const KeywordMapRow LightenDarkenMap[] = {
    {"Lighten5", -5},
    {"Lighten4", -4},
    {"Lighten3", -3},
    {"Lighten2", -2},
    {"Lighten1", -1},
    {"Normal", 0},
    {"Darken1", 1},
    {"Darken2", 2},
    {"Darken3", 3},
    {"Darken4", 4},
    {"Darken5", 5},
    {nullptr, 0},
};

const KeywordMapRow JCLTrueGrayImagesMap[] = {
    {"False", 1},
    {"True", 2},
    {nullptr, 0},
};

const KeywordMapRow JCLTrueGrayGraphicsMap[] = {
    {"False", 1},
    {"True", 2},
    {nullptr, 0},
};

const KeywordMapRow JCLColorCorrectionMap[] = {
    {"Auto", 1},
    {"sRGB", 2},
    {"BlackWhite", 3},
    {"PressMatch", 4},
    {"None", 5},
    {"Standard", 6},
    {nullptr, 0},
};

const KeywordMapRow KVCMYKColorSpaceMap[] = {
    {"SNAP", 1},
    {"SWOP", 2},
    {"EuroScale", 3},
    {"Commercial", 4},
    {"JapanColor", 5},
    {nullptr, 0},
};

const KeywordMapRow KVRGBColorSpaceMap[] = {
    {"KorvoRGB", 1},
    {"sRGB", 2},
    {"AppleRGB", 3},
    {"AdobeRGB", 4},
    {nullptr, 0},
};

const KeywordMapRow JCLPrintQualityMap[] = {
    {"TonerSaver", 1},
    {"Standard", 2},
    {"Enhanced", 3},
    {"HighSpeed", 4},
    {"HighQuality", 5},
    {"HighResolution", 6},
    {nullptr, 0},
};
