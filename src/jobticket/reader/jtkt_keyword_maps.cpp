#include "jobticket/reader/jtkt_keyword_maps.h"

#include "vocabulary/printer_default.h"

bool JTKTConvertKeyword(const JTKTKeywordMap* table, int direction, std::string* keyword, std::int32_t* value) {
  if (table == nullptr || keyword == nullptr || value == nullptr) return false;
  for (const JTKTKeywordMap* row = table; row->keyword != nullptr; ++row) {
    if (direction == kJTKTKeywordToValue && *keyword == row->keyword) {
      *value = row->value;
      return true;
    }
    if (direction == kJTKTValueToKeyword && *value == row->value) {
      *keyword = row->keyword;
      return true;
    }
  }
  return false;
}

const JTKTKeywordMap JTKTSidesMap[] = {
    {"PrinterDefault", kPrinterDefault}, {"Simplex", 1}, {"DuplexLong", 2}, {"DuplexShort", 3}, {nullptr, 0}};
// "PrinterDefault" is the profile's default: a file without the element asks for no colour mode.
const JTKTKeywordMap JTKTColorEffectsMap[] = {{"Color", 2}, {"Grayscale", 1}, {"PrinterDefault", kPrinterDefault}, {nullptr, 0}};
const JTKTKeywordMap JTKTOutputDestinationMap[] = {
    {"PrinterDefault", kPrinterDefault}, {"Auto", 1}, {"Top", 3}, {"Main", 4},
    // Every other bin the writer names, as the menu value it writes that bin for.
    {"Stacker1", 5}, {"Stacker2", 6}, {"Top1", 8}, {"Top2", 9}, {"Tray1", 20}, {"Stacker3", 21}, {"Tray2", 22},
    {nullptr, 0}};
const JTKTKeywordMap JTKTSlipSheetMap[] = {{"PrinterDefault", kPrinterDefault}, {"Enabled", 2}, {nullptr, 0}};
const JTKTKeywordMap JTKTRotationMap[] = {{"PrinterDefault", 0}, {"0", 1}, {"180", 2}, {nullptr, 0}};
const JTKTKeywordMap JTKTAntialiasingMap[] = {
    {"PrinterDefault", kPrinterDefault}, {"Disabled", 1}, {"Enabled", 2}, {nullptr, 0}};
const JTKTKeywordMap JTKTLightenDarkenMap[] = {{"PrinterDefault", kPrinterDefault}, {nullptr, 0}};
const JTKTKeywordMap JTKTHalftoneScreenMap[] = {
    {"PrinterDefault", kPrinterDefault}, {"42lpi", 29}, {"53lpi", 15}, {"54lpi", 32},
    {"56lpi", 23}, {"60lpi", 24}, {"71lpi", 18}, {"85lpi", 16}, {"85lpi+", 19}, {"106lpi", 17},
    {"106lpi+", 20}, {"120lpi", 21}, {"125lpi", 30}, {"134lpi", 4}, {"141lpi", 22}, {"156lpi", 31},
    {"150dpi", 7}, {"175dpi", 13}, {"200dpi", 6}, {"300dpi", 11}, {"600dpi", 12}, {"200lpi", 8},
    {"300lpi", 9}, {"600lpi", 10}, {"Stochastic", 14}, {"107lpiNormal", 25}, {"107lpiLight", 26},
    {"107lpiDark", 27},
    // The screens the writer names beyond the menu's.
    {"151lpi", 28}, {"85lpiNormal", 33}, {"85lpiLight", 34}, {"85lpiDark", 35}, {"106lpiNormal", 36},
    {"106lpiLight", 37}, {"106lpiDark", 38}, {"120lpiNormal", 39}, {"120lpiLight", 40}, {"120lpiDark", 41},
    {"125lpiNormal", 42}, {"125lpiLight", 43}, {"125lpiDark", 44}, {"134lpiNormal", 45}, {"134lpiLight", 46},
    {"134lpiDark", 47}, {"150lpi", 51}, {nullptr, 0}};
const JTKTKeywordMap JTKTSaveFormatMap[] = {{"FastReprint", 4}, {"FastReprintDRI", 5}, {"PDF", 3},
                                            {"TIFFMultiPage", 2}, {"TIFFSinglePage", 1}, {nullptr, 0}};
// "None" is a job printed at once, which the writer still names when the ticket holds a job type.
const JTKTKeywordMap JTKTJobTypeMap[] = {{"Save", 3}, {"SaveAndPrint", 4}, {"Hold", 2}, {"None", 1}, {nullptr, 0}};
const JTKTKeywordMap JTKTMediaTypeMap[] = {{"Plain", 1},     {"Transparency", 2}, {"Labels", 9}, {"PrecutTab", 4},
                                           {"FullCutTab", 5}, {"Envelope", 8},     {"Bond", 13},
                                           {"Other", 22},     {nullptr, 0}};
const JTKTKeywordMap JTKTMediaColorMap[] = {{"White", 1}, {"Blue", 2},   {"Yellow", 3},     {"Green", 4},
                                            {"Pink", 5},  {"Clear", 6},  {"Ivory", 11},     {"Gray", 12},
                                            {"Buff", 7},  {"Goldenrod", 8}, {"Red", 9},     {"Orange", 13},
                                            {nullptr, 0}};
const JTKTKeywordMap JTKTMediaWeightMetricMap[] = {{"PrinterDefault", kPrinterDefault}, {nullptr, 0}};
const JTKTKeywordMap JTKTMediaGrainMap[] = {{"Long", 1}, {"Short", 2}, {nullptr, 0}};
const JTKTKeywordMap JTKTMediaFinishMap[] = {{"Smooth", 1}, {"Regular", 2}, {"Coarse", 3}, {nullptr, 0}};
const JTKTKeywordMap JTKTMediaCoatingTypeMap[] = {{"Gloss", 1}, {"HighGloss", 2}, {"SemiGloss", 3},
                                                  {"Satin", 4}, {"Matte", 5},     {nullptr, 0}};
