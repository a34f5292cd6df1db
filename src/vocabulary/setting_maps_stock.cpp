// Paper stock attributes: the menus of the stock button and the stock dialogs, and the full
// type and colour tables that the stock summary and the job-ticket import read. The short maps
// (StockTypeMap, StockColorMap) are what the menus offer; the complete ones know every value a
// stock may hold.
#include "vocabulary/setting_map.h"

const SettingMap StockDescriptionMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"Custom...", 0},
    {nullptr, 0},
};

const SettingMap StockSizeMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"LetterStockSize", 204},
    {"LegalStockSize", 2},
    {"TabloidStockSize", 3},
    {"StockSize8x10", 10},
    {"StockSize8x13", 13},
    {"StockSize8.5x13", 12},
    {"StockSize9x11", 8},
    {"Oversize Tabloid (12 x 18\")", 11},
    {"A4StockSize", 4},
    {"A3StockSize", 5},
    {"JIS B4 (257 x 364 mm)", 56},
    {"JIS B5 (182 x 257 mm)", 55},
    {"JIS B6 (128 x 182 mm)", 57},
    {"223x297StockSize", 7},
    {"SRA3 (320 x 450 mm)", 15},
    {"8K (267 x 388 mm)", 23},
    {"16K (194 x 267 mm)", 29},
    {"Custom...", 75},
    {nullptr, 0},
};

const SettingMap CompleteStockTypeMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"StockTypePlain", 1},
    {"StockTypeTransparency", 2},
    {"Recycled", 10},
    {"Labels", 9},
    {"StockTypePrePrinted", 3},
    {"StockTypePrecutTab", 4},
    {"StockTypeFullCutTab", 5},
    {"Envelope", 8},
    {"StockTypeOrdered", 6},
    {"StockTypeCustom...", 7},
    {"StockTypePrecutEmbossedTab", 52},
    {"StockTypeFullCutEmbossedTab", 53},
    {"StockOrderedEmbossed", 54},
    {"StockFilm", 55},
    {"StockTextured", 56},
    {nullptr, 0},
};

const SettingMap StockTypeMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"StockTypePlain", 1},
    {"StockTypeTransparency", 2},
    {"StockTypePrePrinted", 3},
    {"StockTypeFullCutTab", 5},
    {"StockTypeCustom...", 7},
    {nullptr, 0},
};

const SettingMap CompleteStockColorMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"StockColorWhite", 1},
    {"StockColorBlue", 2},
    {"StockColorYellow", 3},
    {"StockColorGreen", 4},
    {"StockColorPink", 5},
    {"StockColorClear", 6},
    {"Ivory", 11},
    {"Gray", 12},
    {"StockColorBuff", 7},
    {"StockColorGoldenrod", 8},
    {"StockColorRed", 9},
    {"Orange", 13},
    {"StockColorCustom...", 10},
    {nullptr, 0},
};

const SettingMap StockColorMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"StockColorWhite", 1},
    {"StockColorBlue", 2},
    {"StockColorYellow", 3},
    {"StockColorGreen", 4},
    {"StockColorPink", 5},
    {"StockColorClear", 6},
    {"Ivory", 11},
    {"Gray", 12},
    {"StockColorBuff", 7},
    {"StockColorGoldenrod", 8},
    {"StockColorRed", 9},
    {"Orange", 13},
    {"StockColorCustom...", 10},
    {nullptr, 0},
};

const SettingMap WeightMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"70", 70},
    {"90", 90},
    {"120", 120},
    {"140", 140},
    {"210", 210},
    {"250", 250},
    {"Custom...", 1},
    {nullptr, 0},
};

const SettingMap StockPunchedMap[] = {
    {"StockPunchedNo", 1},
    {"StockPunchedYes", 2},
    {"PrinterDefault", kPrinterDefault},
    {nullptr, 0},
};

const SettingMap GrainMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"Long", 1},
    {"Short", 2},
    {nullptr, 0},
};

const SettingMap GrainCompensationMap[] = {
    {"Enabled", 1},
    {"Disabled (Recommended)", 2},
    {nullptr, 0},
};

const SettingMap FinishMap1[] = {
    {"PrinterDefault", kPrinterDefault},
    {"Smooth", 1},
    {"Regular", 2},
    {"Semi-Rough", 4},
    {"Rough", 3},
    {nullptr, 0},
};

const SettingMap FinishMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"Smooth", 1},
    {"Regular", 2},
    {"Rough", 3},
    {nullptr, 0},
};

const SettingMap CoatingTypeMap[] = {
    {"Gloss", 1},
    {"High Gloss", 2},
    {"Semi-Gloss", 3},
    {"Satin", 4},
    {"Matte", 5},
    {nullptr, 0},
};

const SettingMap SidesCoatedMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"Uncoated", 1},
    {"One Sided", 2},
    {"Two Sided", 3},
    {nullptr, 0},
};

const SettingMap StockLibraryMap[] = {
    {"SetupStockLibrary", 1},
    {"CustomName", 3},
    {"-", 4},
    {"StockLibraryClear", 5},
    {nullptr, 0},
};

const SettingMap CoverSidesImagedMap[] = {
    {"CoverBlankorPreprinted", 1},
    {"CoverPrintSide1", 2},
    {"CoverPrintSide2", 3},
    {"CoverPrintSide1And2", 4},
    {nullptr, 0},
};

const SettingMap CoverSidesDuplexImagedMap[] = {
    {"CoverPrinted", 4},
    {"CoverBlankorPreprinted", 1},
    {nullptr, 0},
};

const SettingMap CoverSidesSimplexImagedMap[] = {
    {"CoverPrinted", 2},
    {"CoverBlankorPreprinted", 1},
    {nullptr, 0},
};
