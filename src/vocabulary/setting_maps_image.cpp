// Image options: resolution, anti-aliasing, halftone screen, tone curve and image shift.
#include "vocabulary/setting_map.h"

const SettingMap ResolutionMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"300 x 300 Resolution", 1},
    {"600 x 600 Resolution", 2},
    {nullptr, 0},
};

const SettingMap AntialiasingMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"Off", 1},
    {"On", 2},
    {nullptr, 0},
};

const SettingMap HalftoneScreenMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"200 Dot (Primary)", 6},
    {"150 Dot", 7},
    {"200 Line", 8},
    {"300 Dot", 11},
    {"600 Dot", 12},
    {"Stochastic", 14},
    {nullptr, 0},
};

const SettingMap TRCMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {nullptr, 0},
};

const SettingMap ImageShiftOptions2SidedMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"Independent", 1},
    {"MirrorX", 3},
    {"MirrorY", 4},
    {"MirrorBoth", 5},
    {"MirrorXTandemY", 6},
    {"MirrorYTandemX", 7},
    {"TandemX", 8},
    {"TandemY", 9},
    {"TandemBoth", 10},
    {nullptr, 0},
};

const SettingMap ImageShiftOptions1SidedMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"Independent", 1},
    {nullptr, 0},
};
