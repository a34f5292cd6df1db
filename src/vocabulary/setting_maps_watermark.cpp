// Menus of the Booklet/Watermark panel. The watermark menu mixes settings and actions: its
// negative values mark the action items and separators, and every item carries the command the
// panel dispatches on. Label keys are the string table's own, typos included.
#include "vocabulary/setting_map.h"

const SettingMap BookletWatermarkBackgroundFormsMap[] = {
    {"None", 1, FourCC("BfCn")},
    {"-", 2},
    {"Setup...", 3, FourCC("BfCs")},
    {nullptr, 0},
};

const SettingMap PageBordersMap[] = {
    {"No Page Borders", 1},
    {"Draw Page Borders", 2},
    {nullptr, 0},
};

const SettingMap EnabledDisabledMap[] = {
    {"Enabled", 1},
    {"Disabled", 2},
    {nullptr, 0},
};

const SettingMap WatermarkOptionsMap[] = {
    {"WatermarkBackground", 1, FourCC("KWmB")},
    {"WatermarkBlend", 2, FourCC("KWmL")},
    {"WatermarkForeground", 3, FourCC("KWmF")},
    {"-", -5},
    {"WatermarkPrintOnAllPages", 4, FourCC("KWmA")},
    {"WatermarmPrintOnPage1Only", 5, FourCC("KWm1")},
    {nullptr, 0},
};

const SettingMap WatermarkMap[] = {
    {"NoWatermark", 1, FourCC("KWmX")},
    {"-", -5},
    {"Options", -6, FourCC("KWmO")},
    {"New...", -7, FourCC("KWmN")},
    {"Edit...", -8, FourCC("KWmE")},
    {"Delete", -9, FourCC("KWmD")},
    {nullptr, 0},
};

const SettingMap WatermarkStringMap[] = {
    {"NoWatermark", 1},
    {"DraftWatermark", -2},
    {"ConfidentialWatermark", -3},
    {"CopyWatermark", -4},
    {nullptr, 0},
};
