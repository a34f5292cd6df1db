// Colour set-up: output colour, rendering intents, source and destination profiles, black
// overprint and trapping. A "Custom..." row stands for a profile named by the user.
#include "vocabulary/setting_map.h"

const SettingMap OutputColorMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"Output Grayscale", 1},
    {"Output Color", 2},
    {nullptr, 0},
};

const SettingMap ObjectRenderingMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"Saturation", 1},
    {"Relative Colorimetric", 2},
    {"Absolute Colorimetric", 3},
    {"Perceptual", 4},
    {"Pure", 5},
    {"Automatic", 6},
    {nullptr, 0},
};

const SettingMap DestinationProfileMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"System Specified", 1},
    {"Custom...", 2},
    {nullptr, 0},
};

const SettingMap GraySourceProfileMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"Custom...", 1},
    {nullptr, 0},
};

const SettingMap CMYKSourceProfileMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"Native", 1},
    {"Swop CMYK", 2},
    {"Swop Plus CMYK", 15},
    {"Commercial CMYK", 14},
    {"FOGRA Gloss Coated CMYK", 4},
    {"FOGRA Matte Coated CMYK", 5},
    {"FOGRA Uncoated CMYK", 6},
    {"Custom...", 3},
    {nullptr, 0},
};

const SettingMap RGBSourceProfileMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"Korvo Evenhue Mod RGB", 1},
    {"Korvo Evenhue Mode RGB Gamma=1", 2},
    {"Adobe RGB", 6},
    {"sRGB", 4},
    {"Custom...", 5},
    {nullptr, 0},
};

const SettingMap BlackOverprintMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"On", 1},
    {"Off", 2},
    {nullptr, 0},
};

const SettingMap TrappingMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"On", 1},
    {"Off", 2},
    {nullptr, 0},
};
