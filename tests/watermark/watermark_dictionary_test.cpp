// The watermark record's dictionary read back whole or not at all (the keys and kinds written, a
// record read back whole and a glyph count that disagrees with the glyphs are checked by plistlib
// in watermark_plistlib_test).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "watermark/watermark_dictionary.h"
#include "watermark/watermark_test_support.h"

namespace {

using platform::PlistArray;
using platform::PlistData;
using platform::PlistDict;
using platform::PlistValue;
using watermark_test::FullRecord;

TEST(WatermarkDictionary, AWrongValueMakesTheWholeRecordUnreadable) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* key;
    PlistValue value;
    const char* message;
  } cases[] = {
      {"textString", 42, "\"textString\" holds 42, not a string"},
      {"fontName", PlistArray{}, "\"fontName\" holds an array, not a string"},
      {"angle", "45", "\"angle\" holds a string, not a 32-bit integer"},
      {"angle", 45.5, "\"angle\" holds 45.5, not a 32-bit integer"},
      {"fontSize", std::int64_t{1} << 40, "\"fontSize\" holds 1099511627776, not a 32-bit integer"},
      {"density", true, "\"density\" holds a boolean, not a 32-bit integer"},
      {"xOffset", 1e300, "\"xOffset\" holds 1.0000000000000001e+300, not a 32-bit real"},
      {"wellColorRed", "0.5", "\"wellColorRed\" holds a string, not a 32-bit real"},
      {"yPos", inf, "\"yPos\" holds inf, not a finite real"},
      {"glyphs", "abc", "\"glyphs\" holds a string, not data"},
      {"glyphs", PlistData{1, 2, 3}, "\"glyphs\" holds 3 bytes, not a whole number of 16-bit glyphs"},
      {"glyphCount", "4", "\"glyphCount\" holds a string, not an integer"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    PlistDict dict = WatermarkDataToDictionary(FullRecord());
    dict[c.key] = c.value;
    auto record = WatermarkDataFromDictionary(dict);
    ASSERT_FALSE(record);
    EXPECT_EQ(record.error(), c.message);
  }
}

TEST(WatermarkDictionary, AStringOverItsLimitKeepsItsPreviousContentAndTheRestIsLoaded) {
  const struct {
    const char* key;
    std::size_t limit;
    std::string WatermarkData::*field;
  } fields[] = {{"textString", kWatermarkTextLimit, &WatermarkData::textString},
                {"filename", kWatermarkFileNameLimit, &WatermarkData::filename},
                {"filePath", kWatermarkFilePathLimit, &WatermarkData::filePath},
                {"fontName", kWatermarkFontNameLimit, &WatermarkData::fontName}};
  WatermarkData previous;
  previous.angle = 7;
  for (const auto& f : fields) {
    SCOPED_TRACE(f.key);
    previous.*(f.field) = "before";
    PlistDict dict = WatermarkDataToDictionary(FullRecord());
    dict[f.key] = std::string(f.limit, 'x');
    std::string note;
    auto record = WatermarkDataFromDictionary(dict, previous, &note);
    ASSERT_TRUE(record) << "exactly at the limit fits";
    EXPECT_EQ((*record).*(f.field), std::string(f.limit, 'x'));
    EXPECT_EQ(note, "");
    dict[f.key] = std::string(f.limit + 1, 'x');
    record = WatermarkDataFromDictionary(dict, previous, &note);
    ASSERT_TRUE(record);
    EXPECT_EQ((*record).*(f.field), "before");
    EXPECT_EQ(record->angle, FullRecord().angle);  // every other field is the file's
    EXPECT_NE(note.find(std::to_string(f.limit) + "-byte limit"), std::string::npos) << note;
  }
}

}  // namespace
