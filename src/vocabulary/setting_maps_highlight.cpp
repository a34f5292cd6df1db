// Highlight colour: what to do when the loaded colour differs, how colours map onto the
// highlight colour, and which colour prints.
#include "vocabulary/setting_map.h"

const SettingMap HighlightMismatchColorMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"CancelJob", 2},
    {"HoldJob", 3},
    {"UseLoadedColor", 1},
    {nullptr, 0},
};

const SettingMap HighlightMappingAlgorithmMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"AutomaticHLAlgorithm", 1},
    {"PictorialHLAlgorithm", 2},
    {"PresentationHLAlgorithm", 3},
    {"ColorToHighlightHLAlgorithm", 4},
    {"MonochromeHLAlgorithm", 5},
    {nullptr, 0},
};

const SettingMap HighlightMappingColorMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"UseLoadedHLColor", 14},
    {"RedHLMappingColor", 1},
    {"GreenHLMappingColor", 2},
    {"BlueHLMappingColor", 3},
    {"CyanHLMappingColor", 4},
    {"MagentaHLMappingColor", 5},
    {"YellowHLMappingColor", 6},
    {"CardinalHLMappingColor", 7},
    {"RoyalBlueHLMappingColor", 8},
    {"BlackHLMappingColor", 9},
    {"RubyHLMappingColor", 10},
    {"VioletHLMappingColor", 11},
    {"BrownHLMappingColor", 12},
    {"CustomHLMappingColor", 13},
    {"KorvoCustomHLColor", 15},
    {nullptr, 0},
};

const SettingMap HighlightPrintingColorMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"UseLoadedHLColor", 14},
    {"RedHLColor", 1},
    {"GreenHLColor", 2},
    {"BlueHLColor", 3},
    {"CyanHLColor", 4},
    {"MagentaHLColor", 5},
    {"YellowHLColor", 6},
    {"CardinalHLColor", 7},
    {"RoyalBlueHLColor", 8},
    {"RubyHLColor", 10},
    {"VioletHLColor", 11},
    {"BrownHLColor", 12},
    {"KorvoCustomHLColor", 15},
    {nullptr, 0},
};
