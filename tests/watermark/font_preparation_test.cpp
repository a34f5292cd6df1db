// The font of a text watermark converted and kept beside it for printing.
#include <gtest/gtest.h>

#include "kit/preference_locations.h"
#include "support/test_support.h"
#include "watermark/font_preparation.h"
#include "watermark/watermark_file.h"
#include "watermark/watermark_fonts.h"

namespace {

WatermarkData Record(const std::string& text, const std::string& font) {
  WatermarkData r;
  r.isText = true;
  r.textString = text;
  r.fontName = font;
  r.fontSize = 72;
  return r;
}

TEST(FontPreparation, TheWholeFontIsStoredUnderItsPostScriptName) {
  korvo_test::ScopedXdgHome home;
  ASSERT_EQ(saveWatermarkData(kWatermarkFileName, Record("Draft", "DejaVuSans")), WatermarkResult::kDone);
  std::string subset = "old", error;
  ASSERT_EQ(convertFont("Draft", &subset, &error), WatermarkResult::kDone) << error;
  EXPECT_EQ(subset, "");
  platform::PlistData program;
  ASSERT_EQ(loadFontData(kWatermarkFileName, "DejaVuSans", &program), WatermarkResult::kDone);
  const std::string text(program.begin(), program.end());
  EXPECT_TRUE(text.starts_with("%!PS-TrueTypeFont-")) << text.substr(0, 40);
  EXPECT_NE(text.find("/FontName /DejaVuSans def\n"), std::string::npos);
}

// A font the system lacks is stood in for by fontconfig's choice, under the name asked for.
TEST(FontPreparation, AMissingFontIsConvertedFromItsSubstitute) {
  korvo_test::ScopedXdgHome home;
  ASSERT_EQ(saveWatermarkData(kWatermarkFileName, Record("Copy", "ArialMT")), WatermarkResult::kDone);
  std::string subset, error;
  ASSERT_EQ(convertFont("Copy", &subset, &error), WatermarkResult::kDone) << error;
  platform::PlistData program;
  ASSERT_EQ(loadFontData(kWatermarkFileName, "ArialMT", &program), WatermarkResult::kDone);
  EXPECT_NE(std::string(program.begin(), program.end()).find("/FontName /ArialMT def\n"), std::string::npos);
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
