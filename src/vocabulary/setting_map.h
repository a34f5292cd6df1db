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

// The stock size table, every row of the paper library in menu order.
extern const PaperSizeSettingMap CompleteStockSizeMap[];

// Booklet/Watermark panel: booklet, page borders, watermark menus.
extern const SettingMap BookletWatermarkBackgroundFormsMap[];
extern const SettingMap PageBordersMap[];
extern const SettingMap EnabledDisabledMap[];
extern const SettingMap WatermarkOptionsMap[];
extern const SettingMap WatermarkMap[];
extern const SettingMap WatermarkStringMap[];

// Paper stocks: size, type, colour, weight and the other stock attributes, covers.
extern const SettingMap StockDescriptionMap[];
extern const SettingMap StockSizeMap[];
extern const SettingMap CompleteStockTypeMap[];
extern const SettingMap StockTypeMap[];
extern const SettingMap CompleteStockColorMap[];
extern const SettingMap StockColorMap[];
extern const SettingMap WeightMap[];
extern const SettingMap StockPunchedMap[];
extern const SettingMap GrainMap[];
extern const SettingMap GrainCompensationMap[];
extern const SettingMap FinishMap1[];
extern const SettingMap FinishMap[];
extern const SettingMap CoatingTypeMap[];
extern const SettingMap SidesCoatedMap[];
extern const SettingMap StockLibraryMap[];
extern const SettingMap CoverSidesImagedMap[];
extern const SettingMap CoverSidesDuplexImagedMap[];
extern const SettingMap CoverSidesSimplexImagedMap[];

// Job and output: two-sided printing, job type and format, output destinations, punching and stapling.
extern const SettingMap DuplexMap[];
extern const SettingMap PlexMap[];
extern const SettingMap JobTypeMap[];
extern const SettingMap JobFormatMap[];
extern const SettingMap JobFormatMap2[];
extern const SettingMap OutputDestHCSS_BKMap[];
extern const SettingMap OutputDestHCSSMap[];
extern const SettingMap OutputDestLCSSMap[];
extern const SettingMap OutputDestOCTMap[];
extern const SettingMap PunchMap[];
extern const SettingMap PunchNoneMap[];
extern const SettingMap OutputStapleHCSSMap[];
extern const SettingMap OutputStapleLCSSMap[];
extern const SettingMap OutputStapleOCTMap[];

// Image options: resolution, anti-aliasing, halftone, tone curve and image shift.
extern const SettingMap ResolutionMap[];
extern const SettingMap AntialiasingMap[];
extern const SettingMap HalftoneScreenMap[];
extern const SettingMap TRCMap[];
extern const SettingMap ImageShiftOptions2SidedMap[];
extern const SettingMap ImageShiftOptions1SidedMap[];

// Colour set-up: output colour, rendering, profiles, overprint and trapping.
extern const SettingMap OutputColorMap[];
extern const SettingMap ObjectRenderingMap[];
extern const SettingMap DestinationProfileMap[];
extern const SettingMap GraySourceProfileMap[];
extern const SettingMap CMYKSourceProfileMap[];
extern const SettingMap RGBSourceProfileMap[];
extern const SettingMap BlackOverprintMap[];
extern const SettingMap TrappingMap[];

// Highlight colour.
extern const SettingMap HighlightMismatchColorMap[];
extern const SettingMap HighlightMappingAlgorithmMap[];
extern const SettingMap HighlightMappingColorMap[];
extern const SettingMap HighlightPrintingColorMap[];

// Position maps: the panel stores the position of the chosen item, never the value column.
extern const SettingMap OnOffMap[];
extern const SettingMap OPIPrescanMap[];
extern const SettingMap OPISubsitutionMap[];
extern const SettingMap PrinterEmulationMap[];
extern const SettingMap OutputOptionsMap[];
extern const SettingMap RotateImageMap[];
extern const SettingMap BookletLayoutOrderMap[];
extern const SettingMap SavedJobSaveOptionRadioMap[];
extern const SettingMap NamedPaperPaperListMap[];
extern const SettingMap HolePunchOptionsMap[];
extern const SettingMap ComplexBookletFoldMap[];
extern const SettingMap ComplexFoldMap[];
extern const SettingMap ZFoldMap[];

// Special entries of the combo boxes with input history; each value a four-character code.
extern const SettingMap LoginNameMap[];
extern const SettingMap JobNameMap[];
extern const SettingMap FolderNameMap[];
extern const SettingMap BackgroundFormsMap[];
