#pragma once
// The watermark record: a rotated line of text, or a picture, shown on every page of a job, with
// what the watermark editor and the last drawing of it need to keep.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Limits of the record's strings, in bytes of UTF-8. The print path outside the dialog reads the
// same file into fixed buffers of one byte more (the terminating zero), so nothing longer is
// stored or loaded.
inline constexpr std::size_t kWatermarkTextLimit = 511;
inline constexpr std::size_t kWatermarkFileNameLimit = 511;
inline constexpr std::size_t kWatermarkFilePathLimit = 8191;
inline constexpr std::size_t kWatermarkFontNameLimit = 511;

struct WatermarkData {
  std::string textString;  // the text of a text watermark; empty for a picture
  std::string filename;    // the picture's file name
  std::string filePath;    // the picture's full path
  std::string fontName;    // PostScript name of the text's font
  float xOffset = 0;       // the text's offset from the page centre, inches, x to the right
  float yOffset = 0;       // ... and y up
  // Set by the editor together with the well colour, to the same values; drawing does not use it.
  float fontColorRed = 0, fontColorGreen = 0, fontColorBlue = 0, fontColorAlpha = 0;
  // The colour the text is drawn in, each part from 0 to 1.
  float wellColorRed = 0, wellColorGreen = 0, wellColorBlue = 0, wellColorAlpha = 0;
  std::int32_t angle = 0;     // text rotation, degrees counter-clockwise
  std::int32_t density = 0;   // opacity of a text watermark, percent
  std::int32_t scale = 0;     // size of a picture watermark, percent of the picture's own
  std::int32_t units = 0;     // the editor's unit for the offsets: 0 inches, 1 millimetres
  std::int32_t fontSize = 0;  // points
  // Not kept in the file: after a load it is set exactly when textString is not empty.
  bool isText = false;
  // The page the record is shown on, in points; set by whoever shows it (the editor keeps the
  // offsets within half the page). Not kept in the file.
  double pageWidth = 0;
  double pageHeight = 0;
  // The text's drawing origin on the page, in points, and its glyphs in the chosen font, as the
  // last drawing laid them out; the glyphs choose what goes into the font sent with the job.
  double xPos = 0;
  double yPos = 0;
  std::vector<std::uint16_t> glyphs;

  // The number of glyphs is the array's own length, so that no separate count can disagree.
  std::int32_t glyphCount() const { return static_cast<std::int32_t>(glyphs.size()); }

  friend bool operator==(const WatermarkData&, const WatermarkData&) = default;
};

// The name the record is filed and listed under: its text for a text watermark, else the
// picture's file name.
const std::string& WatermarkName(const WatermarkData& record);

// The name of the first string field longer than its limit, or null when every one fits.
const char* WatermarkFieldOverLimit(const WatermarkData& record);
