#pragma once
// Preparing a text watermark's font for printing: the font program the print path sends to the
// printer with the job, kept in the watermark file beside the record.
#include <string>
#include <string_view>

#include "watermark/watermark_result.h"

// Whether the system can make a PostScript subset of a font itself. This platform offers no such
// service (cairo and FreeType subset only inside documents they write), so the whole font is
// converted instead.
bool CanMakeFontSubsets();

// Prepares the font of the watermark filed under watermarkName (the Booklet/Watermark panel does
// this each time it writes the watermark to the ticket): a picture watermark, or an empty name,
// needs nothing (kDone, no subset). Otherwise the font whose PostScript name is the record's
// fontName is found (fontconfig's substitute when the system lacks it), its file converted to
// Type 42 under fontName and stored in the watermark file under fontName (storeFontData). *subsetName
// is set to the subset font's key when a subset was made, and cleared otherwise. kDone; the
// failures of loadWatermarkData and storeFontData; kFontUnusable (nothing stored) when the font
// cannot be found, read or converted, with the reason in error.
WatermarkResult convertFont(std::string_view watermarkName, std::string* subsetName, std::string* error = nullptr);
