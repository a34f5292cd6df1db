// Keyword maps of the output: finishing (staple, fold, punch), bins, offset, banner, output
// order and duplex.
// Each row pairs a choice keyword, spelt exactly as the printer description spells it, with
// the integer the ticket keeps for it. Lookups take the first matching row, so a keyword or
// value that appears twice is kept twice, in place.
#include "vocabulary/keyword_maps.h"
#include "vocabulary/printer_default.h"

const KeywordMapRow KVStapleMap[] = {
    {"None", 1},
    {"SinglePortrait", 5},
    {"DualLandscape", 10},
    {"MultipleStaples", 54},
    {nullptr, 0},
};

const KeywordMapRow KVFoldMap[] = {
    {"None", 1},
    {"C", 19},
    {"Z", 20},
    {"ZFoldHalfSheet", 36},
    {"BiFold", 43},
    {"BiFoldStaple", 53},
    {nullptr, 0},
};

const KeywordMapRow KVPunchMap[] = {
    {"None", 1},
    {"HolePunch", 2},
    {"2HolePunch", 3},
    {"3HolePunch", 4},
    {"4HolePunch", 5},
    {nullptr, 0},
};

const KeywordMapRow OutputBinMap[] = {
    {"Auto", 1},
    {"Side", 3},
    {"Top", 2},
    {"TopTray", 18},
    {"Stacker", 4},
    {"TopTrayHCS", 16},
    {"StackerTrayHCS", 17},
    {"Upper", 5},
    {"Lower", 6},
    {"Booklet", 7},
    {"Middle", 11},
    {"Middle2", 15},
    {"PrinterDefault", kPrinterDefault},
    {"Center", 28},
    {"Bottom", 29},
    {"EnvFolder", 13},
    {"SBM", 14},
    {"CentreTray1", 24},
    {"CentreTray2", 25},
    {"RightTopTray", 26},
    {"RightMiddleTray", 27},
    {"Finisher", 23},
    {nullptr, 0},
};

const KeywordMapRow RequestOffsetMap[] = {
    {"EndOfSet", 1},
    {"None", 0},
    {nullptr, 0},
};

const KeywordMapRow BannerPageMap[] = {
    {"True", 1},
    {"False", 0},
    {nullptr, 0},
};

const KeywordMapRow PPDOutputOptionMap[] = {
    {"True", 1},
    {"False", 0},
    {nullptr, 0},
};

const KeywordMapRow PPDDuplexMap[] = {
    {"None", 1},
    {"DuplexNoTumble", 2},
    {"DuplexTumble", 3},
    {nullptr, 0},
};
