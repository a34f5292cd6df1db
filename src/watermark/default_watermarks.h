#pragma once
// The three watermarks a user finds before making any: "Draft", "Confidential" and "Copy" in the
// user's language, blue text at 45 degrees.
#include <array>
#include <string>

#include "watermark/watermark_data.h"
#include "watermark/watermark_result.h"

namespace platform {
class Bundle;
}

struct DefaultWatermark {
  const char* textKey;       // key of the text in the "Localizable" table
  const char* fallbackText;  // the text when the table lacks the key
  double xPos, yPos;         // where the text starts on a US Letter page, as drawn in ArialMT
};

inline constexpr std::array<DefaultWatermark, 3> kDefaultWatermarks{{
    {"DraftWatermark", "Draft", 280.627441, 311.049927},
    {"ConfidentialWatermark", "Confidential", 201.350601, 231.773102},
    {"CopyWatermark", "Copy", 276.36319, 306.785675},
}};

// What the three have in common: a text watermark, angle 45, density 25, scale 100, "ArialMT" at 72
// points, font colour (0.75, 0.75, 1, 1), well colour (0, 0, 1, 1); no offsets, no picture, no glyphs.
WatermarkData DefaultWatermarkTemplate();

// The default watermarks with their texts from bundle (null: the fallback texts), in list order.
std::array<WatermarkData, kDefaultWatermarks.size()> DefaultWatermarks(const platform::Bundle* bundle);

// Writes the three default watermarks and the list of their names to the watermark file, in one
// write: either all are there afterwards or the file is as it was. Run when no watermark list is
// found: a record the file holds under a default's name is kept, and the file's other records are
// listed after the defaults, in name order. kDone, or the first failure: a record that cannot be
// stored (a translation that is empty, too long, the same as another's, or a font program's name;
// its message names the key), or the file faults of saveWatermarkData.
WatermarkResult CreateDefaultWatermarks(const platform::Bundle* bundle, std::string* error = nullptr);
