// The commands of the job-level command emitter, one row per code, in code order. Keywords are
// the printer's own and are written as they stand here.
#include "jobticket/writer/jtkt_command_table.h"

#include <array>

namespace {

using Form = JTktCommandForm;

constexpr JTktKeywordChoice kCollate[] = {{1, "collated"}};
constexpr JTktKeywordChoice kSides[] = {{0, "one-sided"}, {1, "two-sided-long-edge"}, {2, "two-sided-short-edge"}};
constexpr JTktKeywordChoice kOutputBin[] = {
    {0, "automatic"}, {1, "top"},       {2, "stacker"},   {3, "side"},    {4, "top-1"},   {5, "top-2"}, {6, "stacker-1"},
    {7, "stacker-2"}, {8, "stacker-3"}, {9, "top"},       {10, "stacker"}, {11, "tray-1"}, {12, "tray-2"}};
constexpr JTktKeywordChoice kTonerSaver[] = {{0, "none"}, {1, "standard"}};
constexpr JTktKeywordChoice kDarknessMode[] = {{2, "normal"}, {3, "inkwell180-adjustable"}};
constexpr JTktKeywordChoice kPageRotation[] = {{1, "rotate-0"}, {0, "rotate-180"}};
constexpr JTktKeywordChoice kOPIInsertion[] = {{0, "insert"}, {1, "do-not-insert"}};
constexpr JTktKeywordChoice kOPIPreScan[] = {{0, "no-pre-scan"}, {1, "pre-scan"}, {2, "pre-scan-and-gather"}};
constexpr JTktKeywordChoice kAntiAliasing[] = {{1, "none"}, {2, "standard"}};
constexpr JTktKeywordChoice kTrapping[] = {{1, "all"}, {2, "off"}};
constexpr JTktKeywordChoice kBlackOverprint[] = {{1, "black-overprint-on"}, {2, "black-overprint-off"}};
constexpr JTktKeywordChoice kRenderingIntent[] = {{1, "saturation"}, {2, "relative-colorimetric"},
                                                  {3, "absolute-colorimetric"}, {4, "perceptual"},
                                                  {5, "pure-text"}, {6, "automatic"}};
constexpr JTktKeywordChoice kPageDelivery[] = {{2, "same-order-face-down"}, {3, "reverse-order-face-up"},
                                               {4, "same-order-face-up"}, {5, "reverse-order-face-down"}};
constexpr JTktKeywordChoice kColorEffects[] = {{1, "monochrome-grayscale"}, {2, "color"}};

constexpr JTktCommandRow kNoCommand = {nullptr, Form::None, {}, nullptr};

constexpr std::array<JTktCommandRow, 31> kCommands = {{
    {"copies", Form::Integer, {}, nullptr},
    {"sheet-collate", Form::Keyword, kCollate, "uncollated"},
    {"sides", Form::Keyword, kSides, nullptr},
    {"orientation-requested", Form::Orientation, {}, nullptr},
    {"output-bin", Form::Keyword, kOutputBin, nullptr},
    {"adjust-bw-darkness-value", Form::Integer, {}, nullptr},
    {"toner-saver", Form::Keyword, kTonerSaver, nullptr},
    {"job-offset", Form::JobOffset, {}, nullptr},
    {"pages-per-subset", Form::PagesPerSubset, {}, nullptr},
    {"adjust-bw-darkness-mode", Form::Keyword, kDarknessMode, nullptr},
    {"page-rotation", Form::Keyword, kPageRotation, nullptr},
    {"separator-sheets", Form::SeparatorSheets, {}, nullptr},
    {"opi-image-insertion", Form::Keyword, kOPIInsertion, nullptr},
    {"opi-image-pre-scan", Form::Keyword, kOPIPreScan, nullptr},
    {"anti-aliasing", Form::Keyword, kAntiAliasing, nullptr},
    kNoCommand,
    {"adjust-lightness", Form::SpacedInteger, {}, nullptr},
    {"adjust-contrast", Form::SpacedInteger, {}, nullptr},
    {"adjust-saturation", Form::SpacedInteger, {}, nullptr},
    {"adjust-cyan-red", Form::SpacedInteger, {}, nullptr},
    {"adjust-magenta-green", Form::SpacedInteger, {}, nullptr},
    {"adjust-yellow-blue", Form::SpacedInteger, {}, nullptr},
    {"trapping", Form::Keyword, kTrapping, nullptr},
    {"trap-width-fast", Form::Integer, {}, nullptr},
    {"trap-width-slow", Form::Integer, {}, nullptr},
    {"black-overprint", Form::Keyword, kBlackOverprint, nullptr},
    {"rendering-intent-images", Form::Keyword, kRenderingIntent, nullptr},
    {"rendering-intent-text", Form::Keyword, kRenderingIntent, nullptr},
    {"rendering-intent-graphics", Form::Keyword, kRenderingIntent, nullptr},
    {"page-delivery", Form::Keyword, kPageDelivery, nullptr},
    {"color-effects-type", Form::Keyword, kColorEffects, nullptr},
}};

}  // namespace

const JTktCommandRow& JTktCommandRowFor(int command) {
  if (command < 0 || static_cast<std::size_t>(command) >= kCommands.size()) return kNoCommand;
  return kCommands[static_cast<std::size_t>(command)];
}

const char* JTktKeywordFor(const JTktCommandRow& row, std::int32_t value) {
  for (const JTktKeywordChoice& choice : row.choices) {
    if (choice.value == value) return choice.keyword;
  }
  return row.otherwise;
}
