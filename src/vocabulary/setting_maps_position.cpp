// Position maps: the panel that owns each one stores the position of the chosen item, so the
// value column is never read. It holds the filler 'Kujn'; the saved-job radio group's map holds
// 0 instead, which makes every value search answer its first row.
#include "vocabulary/setting_map.h"

const SettingMap OnOffMap[] = {
    {"On", kPositionMapValue},
    {"Off", kPositionMapValue},
    {nullptr, 0},
};

const SettingMap OPIPrescanMap[] = {
    {"PrinterDefault", kPositionMapValue},
    {"None", kPositionMapValue},
    {"Scan", kPositionMapValue},
    {"Gather", kPositionMapValue},
    {nullptr, 0},
};

const SettingMap OPISubsitutionMap[] = {
    {"PrinterDefault", kPositionMapValue},
    {"True", kPositionMapValue},
    {"False", kPositionMapValue},
    {nullptr, 0},
};

const SettingMap PrinterEmulationMap[] = {
    {"PrinterDefault", kPositionMapValue},
    {"None", kPositionMapValue},
    {"Inkwell 6180", kPositionMapValue},
    {nullptr, 0},
};

const SettingMap OutputOptionsMap[] = {
    {"PrinterDefault", kPositionMapValue},
    {"1 - N (Ascending) - Face Down", kPositionMapValue},
    {"N - 1 (Descending) - Face Up", kPositionMapValue},
    {"1 - N (Ascending) - Face Up", kPositionMapValue},
    {"N - 1 (Descending) - Face Down", kPositionMapValue},
    {nullptr, 0},
};

const SettingMap RotateImageMap[] = {
    {"PrinterDefault", kPositionMapValue},
    {"Off", kPositionMapValue},
    {"On", kPositionMapValue},
    {nullptr, 0},
};

const SettingMap BookletLayoutOrderMap[] = {
    {"RightToLeft", kPositionMapValue},
    {"LeftToRight", kPositionMapValue},
    {nullptr, 0},
};

const SettingMap SavedJobSaveOptionRadioMap[] = {
    {"Save", 0},
    {"SavePrint", 0},
    {nullptr, 0},
};

const SettingMap NamedPaperPaperListMap[] = {
    {"My Paper List", kPositionMapValue},
    {"Printer Paper List", kPositionMapValue},
    {nullptr, 0},
};

const SettingMap HolePunchOptionsMap[] = {
    {"2HolePunch", kPositionMapValue},
    {"3HolePunch", kPositionMapValue},
    {"4HolePunch", kPositionMapValue},
    {nullptr, 0},
};

const SettingMap ComplexBookletFoldMap[] = {
    {"BiFoldNoStaple", kPositionMapValue},
    {"BiFoldStaple", kPositionMapValue},
    {nullptr, 0},
};

const SettingMap ComplexFoldMap[] = {
    {"Print Inside", kPositionMapValue},
    {"Print Outside", kPositionMapValue},
    {nullptr, 0},
};

const SettingMap ZFoldMap[] = {
    {"Left Bind", kPositionMapValue},
    {"Right Bind", kPositionMapValue},
    {nullptr, 0},
};
