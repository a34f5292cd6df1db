// The watermark file against Python's plistlib, in both directions, and the record's dictionary
// read back whole or not at all.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "kit/preference_locations.h"
#include "support/test_support.h"
#include "watermark/default_watermarks.h"
#include "watermark/watermark_dictionary.h"
#include "watermark/watermark_file.h"
#include "watermark/watermark_fonts.h"
#include "watermark/watermark_test_support.h"

namespace {

using namespace watermark_test;

std::string Python(const std::string& arguments) {
  std::string output;
  const std::string script = korvo_test::DataPath("watermark/watermark_plistlib.py");
  EXPECT_EQ(korvo_test::RunCommand("python3 '" + script + "' " + arguments, &output, true), 0) << output;
  return output;
}

// First use makes the folder, the three records and their list, value for value and byte for byte.
TEST(WatermarkPlistlib, TheDefaultWatermarksAreWhatPlistlibWouldWrite) {
  korvo_test::ScopedXdgHome home;
  ASSERT_FALSE(std::filesystem::exists(home.dir().file("data/Korvo")));
  ASSERT_EQ(CreateDefaultWatermarks(nullptr), WatermarkResult::kDone);
  EXPECT_EQ(Python("defaults-check '" + WatermarkFile(home) + "'"), "values: same\nbytes: same\n");
}

// The page belongs to whoever shows the record: it is not stored, and everything else reads back.
TEST(WatermarkPlistlib, PlistlibReadsEveryFieldOfOurRecordAndWeReadItBackWhole) {
  korvo_test::ScopedXdgHome home;
  // Its yOffset, a 32-bit float, goes into the file as the double of the same value.
  WatermarkData record = FullRecord();
  record.pageWidth = 612;
  record.pageHeight = 792;
  ASSERT_EQ(saveWatermarkData(kWatermarkFileName, record), WatermarkResult::kDone);
  EXPECT_EQ(Python("describe '" + WatermarkFile(home) + "' '" + record.textString + "'"),
            korvo_test::ReadFile(korvo_test::DataPath("watermark/record.describe")));
  record.pageWidth = record.pageHeight = 0;
  EXPECT_EQ(Load(record.textString), record);
}

TEST(WatermarkPlistlib, WeReadAFileOtherToolsWrote) {
  korvo_test::ScopedXdgHome home;
  ASSERT_TRUE(SharedPreferenceFolder());
  Python("write '" + WatermarkFile(home) + "'");

  EXPECT_EQ(List(), (std::vector<std::string>{"Hand made", "pic.png"}));
  WatermarkData expected;
  expected.isText = true;
  expected.textString = "Hand made";
  expected.fontName = "Helvetica";
  expected.fontSize = 48;
  expected.angle = 30;
  expected.density = 50;
  expected.scale = 100;
  expected.units = 1;
  expected.xOffset = 1.0f;
  expected.yOffset = -2.5f;
  expected.xPos = 100;
  expected.yPos = 200.25;
  expected.wellColorRed = 1.0f;
  expected.wellColorAlpha = 1.0f;
  expected.glyphs = {43, 68, 81};  // three, whatever "glyphCount" says
  EXPECT_EQ(Load("Hand made"), expected);

  const WatermarkData picture = Load("pic.png");
  EXPECT_FALSE(picture.isText);
  EXPECT_EQ(picture.filePath, "/srv/pictures/pic.png");
  EXPECT_EQ(picture.scale, 40);

  platform::PlistData font;
  ASSERT_EQ(loadFontData(kWatermarkFileName, SubsetFontKey("Helvetica"), &font), WatermarkResult::kDone);
  const std::string program = "%!PS-AdobeFont-1.0 subset\n";
  EXPECT_EQ(std::string(font.begin(), font.end()), program);
}


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
