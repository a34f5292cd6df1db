#pragma once
// Preparing a text watermark's font for printing: the font program the print path sends to the
// printer with the job, kept in the watermark file beside the record.
#include <string>
#include <string_view>

#include "watermark/watermark_result.h"

// Prepares the font of the watermark filed under watermarkName (the Booklet/Watermark panel does
// this each time it writes the watermark to the ticket): a picture watermark, or an empty name,
// needs nothing (kDone, no subset). Otherwise the font whose PostScript name is the record's
// fontName is found (fontconfig's substitute when the system lacks it). When the record holds the
// glyphs its last drawing laid out, a subset of the font with just those glyphs is made, converted
// to Type 42 with codes 0 to 255 drawing the record's first 256 glyphs in order, and stored under
// its name "KV-<fontName>-KV", which *subsetName then holds. A record never drawn, or a font that
// cannot be subset, gets the whole font converted and stored under fontName, and *subsetName is
// cleared. kDone; the failures of loadWatermarkData and storeFontData; kFontUnusable (nothing
// stored) when the font cannot be found, read or converted, with the reason in error.
WatermarkResult convertFont(std::string_view watermarkName, std::string* subsetName, std::string* error = nullptr);
