// The font of a text watermark converted and kept beside it for printing.
#include <gtest/gtest.h>

#include "kit/preference_locations.h"
#include "support/test_support.h"
#include "watermark/font_preparation.h"
#include "watermark/watermark_file.h"
#include "watermark/watermark_fonts.h"

namespace {

// A font the system lacks (ArialMT) is stood in for by fontconfig's choice, under the name asked for.
TEST(FontPreparation, TheWholeFontIsStoredUnderItsPostScriptNameEvenFromASubstitute) {
  korvo_test::ScopedXdgHome home;
  for (const char* font : {"DejaVuSans", "ArialMT"}) {
    SCOPED_TRACE(font);
    WatermarkData record;
    record.isText = true;
    record.textString = std::string("Draft ") + font;
    record.fontName = font;
    record.fontSize = 72;
    ASSERT_EQ(saveWatermarkData(kWatermarkFileName, record), WatermarkResult::kDone);
    std::string subset = "old", error;
    ASSERT_EQ(convertFont(record.textString, &subset, &error), WatermarkResult::kDone) << error;
    EXPECT_EQ(subset, "");
    platform::PlistData program;
    ASSERT_EQ(loadFontData(kWatermarkFileName, font, &program), WatermarkResult::kDone);
    const std::string text(program.begin(), program.end());
    EXPECT_TRUE(text.starts_with("%!PS-TrueTypeFont-")) << text.substr(0, 40);
    EXPECT_NE(text.find(std::string("/FontName /") + font + " def\n"), std::string::npos);
  }
}

TEST(FontPreparation, PicturesAndUnknownWatermarksStoreNothing) {
  korvo_test::ScopedXdgHome home;
  WatermarkData picture;
  picture.filename = "logo.png";
  ASSERT_EQ(saveWatermarkData(kWatermarkFileName, picture), WatermarkResult::kDone);
  std::string subset;
  EXPECT_EQ(convertFont("logo.png", &subset), WatermarkResult::kDone);
  EXPECT_EQ(convertFont("", &subset), WatermarkResult::kDone);
  EXPECT_EQ(convertFont("Nothing", &subset), WatermarkResult::kNotFound);
  platform::PlistData program;
  EXPECT_EQ(loadFontData(kWatermarkFileName, "logo.png", &program), WatermarkResult::kBadRecord);
  EXPECT_TRUE(program.empty());
}

}  // namespace
