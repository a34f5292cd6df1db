// The watermark file against Python's plistlib, in both directions.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "kit/preference_locations.h"
#include "support/test_support.h"
#include "watermark/default_watermarks.h"
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

}  // namespace
