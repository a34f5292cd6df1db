#pragma once
// Setting maps: static tables that tie a menu label (a localisation key) to the integer stored
// in the print-settings ticket, and the paper-size table with both unit columns. Tables are
// constant data; the operations over them live beside them in setting_map_operations.h.
//
// Three kinds of setting map share the row type:
// - value maps: the ticket holds the chosen row's value;
// - position maps: the value column is never read; the panel stores the chosen item's position
//   (or the position less 1), so the column holds only the filler code 'Kujn' or 0;
// - special-entry maps: the fixed entries of a combo box with input history, each reporting a
//   four-character code when chosen.
// Maps that no operation reads today are kept all the same: other parts store their values.
#include <cstdint>

#include "platform/four_char_code.h"
#include "platform/module_export.h"
#include "vocabulary/printer_default.h"

// One row of a setting map. A map ends with a row whose labelKey is null and value 0.
// A row whose labelKey is "-" is a menu separator; a row with value 0 and a label is a
// catch-all that answers for every value searched past it.
struct SettingMap {
  const char* labelKey;              // localisation key of the menu label; null in the end row
  std::int32_t value;                // ticket value (kPrinterDefault for the printer-default row)
  std::uint32_t command = 0;         // four-character menu command, 0 for none
  const char* featureName = nullptr; // installable feature that must be in `requiredState`
  bool requiredState = true;
};

// One row of a paper-size table. The table ends with a row whose labelKey is null and value 0.
struct PaperSizeSettingMap {
  const char* labelKey;
  std::int32_t value;
  std::int32_t widthHmm;   // hundredths of a millimetre
  std::int32_t heightHmm;
  std::int32_t widthPt;    // PostScript points
  std::int32_t heightPt;
};

// A four-character code (platform::FourCharCode) where a ticket value is kept; every code used
// here is below 0x80000000, so it reads as the same positive integer.
constexpr std::int32_t FourCharCodeValue(const char (&code)[5]) noexcept {
  return static_cast<std::int32_t>(platform::FourCharCode(code));
}

// The values the combo boxes report for their special entries.
inline constexpr std::int32_t kUseJobNameValue = FourCharCodeValue("Kujn");       // use the document's name
inline constexpr std::int32_t kUseLoginNameValue = FourCharCodeValue("JnUL");     // use the login name
inline constexpr std::int32_t kPublicFolderValue = FourCharCodeValue("Kfln");     // the public folder
inline constexpr std::int32_t kFormUsesJobNameValue = FourCharCodeValue("KbfJ");  // form named as the document
static_assert(kUseLoginNameValue == 0x4A6E554C);
// The filler of a position map's value column.
inline constexpr std::int32_t kPositionMapValue = FourCharCodeValue("Kujn");

// The maps are visible from the plug-in module by their names, for other components that fill
// menus or read settings the way the panels do.

// The stock size table, every row of the paper library in menu order.
KORVO_EXPORT extern const PaperSizeSettingMap CompleteStockSizeMap[];

// Booklet/Watermark panel: booklet, page borders, watermark menus.
KORVO_EXPORT extern const SettingMap BookletWatermarkBackgroundFormsMap[];
KORVO_EXPORT extern const SettingMap PageBordersMap[];
KORVO_EXPORT extern const SettingMap EnabledDisabledMap[];
KORVO_EXPORT extern const SettingMap WatermarkOptionsMap[];
KORVO_EXPORT extern const SettingMap WatermarkMap[];
KORVO_EXPORT extern const SettingMap WatermarkStringMap[];

// Paper stocks: size, type, colour, weight and the other stock attributes, covers.
KORVO_EXPORT extern const SettingMap StockDescriptionMap[];
KORVO_EXPORT extern const SettingMap StockSizeMap[];
KORVO_EXPORT extern const SettingMap CompleteStockTypeMap[];
KORVO_EXPORT extern const SettingMap StockTypeMap[];
KORVO_EXPORT extern const SettingMap CompleteStockColorMap[];
KORVO_EXPORT extern const SettingMap StockColorMap[];
KORVO_EXPORT extern const SettingMap WeightMap[];
KORVO_EXPORT extern const SettingMap StockPunchedMap[];
KORVO_EXPORT extern const SettingMap GrainMap[];
KORVO_EXPORT extern const SettingMap GrainCompensationMap[];
KORVO_EXPORT extern const SettingMap FinishMap1[];
KORVO_EXPORT extern const SettingMap FinishMap[];
KORVO_EXPORT extern const SettingMap CoatingTypeMap[];
KORVO_EXPORT extern const SettingMap SidesCoatedMap[];
KORVO_EXPORT extern const SettingMap StockLibraryMap[];
KORVO_EXPORT extern const SettingMap CoverSidesImagedMap[];
KORVO_EXPORT extern const SettingMap CoverSidesDuplexImagedMap[];
KORVO_EXPORT extern const SettingMap CoverSidesSimplexImagedMap[];

// Job and output: two-sided printing, job type and format, output destinations, punching and stapling.
KORVO_EXPORT extern const SettingMap DuplexMap[];
KORVO_EXPORT extern const SettingMap PlexMap[];
KORVO_EXPORT extern const SettingMap JobTypeMap[];
KORVO_EXPORT extern const SettingMap JobFormatMap[];
KORVO_EXPORT extern const SettingMap JobFormatMap2[];
KORVO_EXPORT extern const SettingMap OutputDestHCSS_BKMap[];
KORVO_EXPORT extern const SettingMap OutputDestHCSSMap[];
KORVO_EXPORT extern const SettingMap OutputDestLCSSMap[];
KORVO_EXPORT extern const SettingMap OutputDestOCTMap[];
KORVO_EXPORT extern const SettingMap PunchMap[];
KORVO_EXPORT extern const SettingMap PunchNoneMap[];
KORVO_EXPORT extern const SettingMap OutputStapleHCSSMap[];
KORVO_EXPORT extern const SettingMap OutputStapleLCSSMap[];
KORVO_EXPORT extern const SettingMap OutputStapleOCTMap[];

// Image options: resolution, anti-aliasing, halftone, tone curve and image shift.
KORVO_EXPORT extern const SettingMap ResolutionMap[];
KORVO_EXPORT extern const SettingMap AntialiasingMap[];
KORVO_EXPORT extern const SettingMap HalftoneScreenMap[];
KORVO_EXPORT extern const SettingMap TRCMap[];
KORVO_EXPORT extern const SettingMap ImageShiftOptions2SidedMap[];
KORVO_EXPORT extern const SettingMap ImageShiftOptions1SidedMap[];

// Colour set-up: output colour, rendering, profiles, overprint and trapping.
KORVO_EXPORT extern const SettingMap OutputColorMap[];
KORVO_EXPORT extern const SettingMap ObjectRenderingMap[];
KORVO_EXPORT extern const SettingMap DestinationProfileMap[];
KORVO_EXPORT extern const SettingMap GraySourceProfileMap[];
KORVO_EXPORT extern const SettingMap CMYKSourceProfileMap[];
KORVO_EXPORT extern const SettingMap RGBSourceProfileMap[];
KORVO_EXPORT extern const SettingMap BlackOverprintMap[];
KORVO_EXPORT extern const SettingMap TrappingMap[];

// Highlight colour.
KORVO_EXPORT extern const SettingMap HighlightMismatchColorMap[];
KORVO_EXPORT extern const SettingMap HighlightMappingAlgorithmMap[];
KORVO_EXPORT extern const SettingMap HighlightMappingColorMap[];
KORVO_EXPORT extern const SettingMap HighlightPrintingColorMap[];

// Position maps: the panel stores the position of the chosen item, never the value column.
KORVO_EXPORT extern const SettingMap OnOffMap[];
KORVO_EXPORT extern const SettingMap OPIPrescanMap[];
KORVO_EXPORT extern const SettingMap OPISubsitutionMap[];
KORVO_EXPORT extern const SettingMap PrinterEmulationMap[];
KORVO_EXPORT extern const SettingMap OutputOptionsMap[];
KORVO_EXPORT extern const SettingMap RotateImageMap[];
KORVO_EXPORT extern const SettingMap BookletLayoutOrderMap[];
KORVO_EXPORT extern const SettingMap SavedJobSaveOptionRadioMap[];
KORVO_EXPORT extern const SettingMap NamedPaperPaperListMap[];
KORVO_EXPORT extern const SettingMap HolePunchOptionsMap[];
KORVO_EXPORT extern const SettingMap ComplexBookletFoldMap[];
KORVO_EXPORT extern const SettingMap ComplexFoldMap[];
KORVO_EXPORT extern const SettingMap ZFoldMap[];

// Special entries of the combo boxes with input history; each value a four-character code.
KORVO_EXPORT extern const SettingMap LoginNameMap[];
KORVO_EXPORT extern const SettingMap JobNameMap[];
KORVO_EXPORT extern const SettingMap FolderNameMap[];
KORVO_EXPORT extern const SettingMap BackgroundFormsMap[];
