// Which finishing features the installed hardware offers: a feature is installed when the
// printer description's installable option "Option1" has the row's choice marked. Where a
// feature names an output tray, the row also gives the tray's label key and the ticket value
// that selects it.
#include "vocabulary/installed_features.h"

const _InstalledFeatureMap InstalledFeatures[] = {
    {"SlipSheets", "Option1", "HCS", nullptr, 0},
    {"Offset", "Option1", "HCS", nullptr, 0},
    {"SimpleCatchTrayKey", "Option1", "HCS", "Top Tray", 3},
    {"StackerTray1Key", "Option1", "HCS", "Main Stacker", 4},

    {"SlipSheets", "Option1", "CSS", nullptr, 0},
    {"Offset", "Option1", "CSS", nullptr, 0},
    {"1StapleTL", "Option1", "CSS", nullptr, 0},
    {"1StapleTR", "Option1", "CSS", nullptr, 0},
    {"1StapleBL", "Option1", "CSS", nullptr, 0},
    {"1StapleBR", "Option1", "CSS", nullptr, 0},
    {"2StaplesL", "Option1", "CSS", nullptr, 0},
    {"2StaplesT", "Option1", "CSS", nullptr, 0},
    {"2StaplesR", "Option1", "CSS", nullptr, 0},
    {"2StaplesB", "Option1", "CSS", nullptr, 0},
    {"SimpleCatchTrayKey", "Option1", "CSS", "Top Tray", 3},
    {"StackerTray1Key", "Option1", "CSS", "Main Stacker", 4},

    {"SlipSheets", "Option1", "HCSHCS", nullptr, 0},
    {"Offset", "Option1", "HCSHCS", nullptr, 0},
    {"SimpleCatchTrayKey", "Option1", "HCSHCS", "Top Tray 1", 8},
    {"StackerTray1Key", "Option1", "HCSHCS", "Main Stacker 1", 5},
    {"SimpleCatchTray2Key", "Option1", "HCSHCS", "Top Tray 2", 9},
    {"StackerTray2Key", "Option1", "HCSHCS", "Main Stacker 2", 6},

    {"SlipSheets", "Option1", "HCSCSS", nullptr, 0},
    {"Offset", "Option1", "HCSCSS", nullptr, 0},
    {"1StapleTL", "Option1", "HCSCSS", nullptr, 0},
    {"1StapleTR", "Option1", "HCSCSS", nullptr, 0},
    {"1StapleBL", "Option1", "HCSCSS", nullptr, 0},
    {"2StaplesL", "Option1", "HCSCSS", nullptr, 0},
    {"2StaplesT", "Option1", "HCSCSS", nullptr, 0},
    {"2StaplesR", "Option1", "HCSCSS", nullptr, 0},
    {"2StaplesB", "Option1", "HCSCSS", nullptr, 0},
    {"SimpleCatchTrayKey", "Option1", "HCSCSS", "Top Tray 1", 8},
    {"StackerTray1Key", "Option1", "HCSCSS", "Main Stacker 1", 5},
    {"SimpleCatchTray2Key", "Option1", "HCSCSS", "Top Tray 2", 9},
    {"StackerTray2Key", "Option1", "HCSCSS", "Main Stacker 2", 6},

    {"SlipSheets", "Option1", "DFA", nullptr, 0},
    {"Offset", "Option1", "DFA", nullptr, 0},
    {"Custom", "Option1", "DFA", nullptr, 0},

    {"SlipSheets", "Option1", "HCSDFA", nullptr, 0},
    {"Offset", "Option1", "HCSDFA", nullptr, 0},
    {"Custom", "Option1", "HCSDFA", nullptr, 0},
    {"SimpleCatchTrayKey", "Option1", "HCSDFA", "Top Tray", 3},
    {"StackerTray1Key", "Option1", "HCSDFA", "Main Stacker", 4},

    {nullptr, nullptr, nullptr, nullptr, 0},
};
