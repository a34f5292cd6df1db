// Job and output settings: two-sided printing, job type and format, and the output
// destinations, punching and stapling that each finisher configuration offers.
#include "vocabulary/setting_map.h"

const SettingMap DuplexMap[] = {
    {"Simplex", 1},
    {"DuplexLong", 2},
    {"DuplexShort", 3},
    {nullptr, 0},
};

const SettingMap PlexMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"Simplex", 1},
    {"Duplex", 2},
    {"DuplexShort", 3},
    {nullptr, 0},
};

const SettingMap JobTypeMap[] = {
    {"Normal Print", 1},
    {"SavedJob", 3},
    {"BackgroundForms", 9},
    {nullptr, 0},
};

const SettingMap JobFormatMap[] = {
    {"PrinterDefault", kPrinterDefault},
    {"FastReprint", 4},
    {"FastReprintDRI", 5},
    {nullptr, 0},
};

const SettingMap JobFormatMap2[] = {
    {"PrinterDefault", kPrinterDefault},
    {"FastReprint", 4},
    {"FastReprintDRI", 5},
    {nullptr, 0},
};

const SettingMap OutputDestHCSS_BKMap[] = {
    {"Auto", 1},
    {"TopTray", 2},
    {"StackerTray", 4},
    {"BookletMakerBin", 7},
    {nullptr, 0},
};

const SettingMap OutputDestHCSSMap[] = {
    {"Auto", 1},
    {"TopTray", 2},
    {"StackerTray1", 5},
    {"StackerTray2", 6},
    {nullptr, 0},
};

const SettingMap OutputDestLCSSMap[] = {
    {"Auto", 1},
    {"TopTray", 2},
    {"StackerTray", 4},
    {nullptr, 0},
};

const SettingMap OutputDestOCTMap[] = {
    {"OCT", 3},
    {nullptr, 0},
};

const SettingMap PunchMap[] = {
    {"Off", 1},
    {"HolePunch", 2},
    {nullptr, 0},
};

const SettingMap PunchNoneMap[] = {
    {"Off", 1},
    {nullptr, 0},
};

const SettingMap OutputStapleHCSSMap[] = {
    {"Uncollated", 1},
    {"Collated", 2},
    {"Collated, 1 Staple", 3},
    {"Collated, 2 Staples", 4},
    {"Collated, 4 Staples", 5},
    {nullptr, 0},
};

const SettingMap OutputStapleLCSSMap[] = {
    {"Uncollated", 1},
    {"Collated", 2},
    {"Collated, 1 Staple", 3},
    {"Collated, 2 Staples", 4},
    {nullptr, 0},
};

const SettingMap OutputStapleOCTMap[] = {
    {"Uncollated", 1},
    {"Collated", 2},
    {nullptr, 0},
};
