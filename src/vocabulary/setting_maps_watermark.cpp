// Menus of the Booklet/Watermark panel. The watermark menu mixes settings and actions: its
// negative values mark the action items and separators, and every item carries the command the
// panel dispatches on. Label keys are the string table's own, typos included.
#include "vocabulary/setting_map.h"

const SettingMap BookletWatermarkBackgroundFormsMap[] = {
    {"None", 1, platform::FourCharCode("BfCn")},
    {"-", 2},
    {"Setup...", 3, platform::FourCharCode("BfCs")},
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
    {"WatermarkBackground", 1, platform::FourCharCode("KWmB")},
    {"WatermarkBlend", 2, platform::FourCharCode("KWmL")},
    {"WatermarkForeground", 3, platform::FourCharCode("KWmF")},
    {"-", -5},
    {"WatermarkPrintOnAllPages", 4, platform::FourCharCode("KWmA")},
    {"WatermarmPrintOnPage1Only", 5, platform::FourCharCode("KWm1")},
    {nullptr, 0},
};

const SettingMap WatermarkMap[] = {
    {"NoWatermark", 1, platform::FourCharCode("KWmX")},
    {"-", -5},
    {"Options", -6, platform::FourCharCode("KWmO")},
    {"New...", -7, platform::FourCharCode("KWmN")},
    {"Edit...", -8, platform::FourCharCode("KWmE")},
    {"Delete", -9, platform::FourCharCode("KWmD")},
    {nullptr, 0},
};

const SettingMap WatermarkStringMap[] = {
    {"NoWatermark", 1},
    {"DraftWatermark", -2},
    {"ConfidentialWatermark", -3},
    {"CopyWatermark", -4},
    {nullptr, 0},
};
