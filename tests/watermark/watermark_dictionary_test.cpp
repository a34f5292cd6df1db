// The watermark record's dictionary read back whole or not at all (the keys and kinds written are
// checked by plistlib in watermark_plistlib_test, and so is a glyph count that disagrees with the
// glyphs).
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

TEST(WatermarkDictionary, RoundTripsARecordExceptWhatIsNotStored) {
  WatermarkData record = FullRecord();
  record.pageWidth = 612;
  record.pageHeight = 792;
  auto back = WatermarkDataFromDictionary(WatermarkDataToDictionary(record));
  ASSERT_TRUE(back) << back.error();
  record.pageWidth = record.pageHeight = 0;
  EXPECT_EQ(*back, record);
}

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

TEST(WatermarkDictionary, StringsOverTheirLimitMakeTheRecordUnreadable) {
  const struct {
    const char* key;
    std::size_t limit;
  } fields[] = {{"textString", kWatermarkTextLimit},
                {"filename", kWatermarkFileNameLimit},
                {"filePath", kWatermarkFilePathLimit},
                {"fontName", kWatermarkFontNameLimit}};
  for (const auto& f : fields) {
    SCOPED_TRACE(f.key);
    PlistDict dict = WatermarkDataToDictionary(FullRecord());
    dict[f.key] = std::string(f.limit, 'x');
    EXPECT_TRUE(WatermarkDataFromDictionary(dict)) << "exactly at the limit fits";
    dict[f.key] = std::string(f.limit + 1, 'x');
    auto record = WatermarkDataFromDictionary(dict);
    ASSERT_FALSE(record);
    EXPECT_NE(record.error().find(std::to_string(f.limit) + "-byte limit"), std::string::npos) << record.error();
  }
}

}  // namespace
