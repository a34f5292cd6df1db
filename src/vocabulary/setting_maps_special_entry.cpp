// The special entries of the combo boxes with input history: the label the list shows and the
// four-character code the combo box reports when the user picks it.
#include "vocabulary/setting_map.h"

const SettingMap LoginNameMap[] = {
    {"UseLoginName", kUseLoginNameValue},
    {nullptr, 0},
};

const SettingMap JobNameMap[] = {
    {"UseJobName", kUseJobNameValue},
    {nullptr, 0},
};

const SettingMap FolderNameMap[] = {
    {"PublicFolder", kPublicFolderValue},
    {nullptr, 0},
};

const SettingMap BackgroundFormsMap[] = {
    {"UseJobName", kFormUsesJobNameValue},
    {nullptr, 0},
};
