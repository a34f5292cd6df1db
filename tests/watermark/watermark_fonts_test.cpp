// Font programs kept beside the watermarks, and the fonts of text watermarks prepared for printing.
#include <gtest/gtest.h>

#include <filesystem>

#include "kit/preference_locations.h"
#include "support/test_support.h"
#include "watermark/font_preparation.h"
#include "watermark/watermark_dictionary.h"
#include "watermark/watermark_file.h"
#include "watermark/watermark_fonts.h"
#include "watermark/watermark_test_support.h"

namespace {

using namespace watermark_test;
using platform::PlistData;

// A whole font stored and loaded back is FontPreparation's below; a damaged file is kept aside by
// every writer alike (WatermarkFile.ACorruptFileSurvivesASaveByteForByte). Without a file no font
// is stored and none is made.
TEST(WatermarkFonts, AStoredProgramIsReplacedFoundUnderItsLiteralNameAndLeavesItsWatermarkAlone) {
  korvo_test::ScopedXdgHome home;
  PlistData data;
  EXPECT_EQ(storeFontData(kWatermarkFileName, "ArialMT", PlistData{1, 2, 3}), WatermarkResult::kNoFile);
  EXPECT_EQ(loadFontData(kWatermarkFileName, "ArialMT", &data), WatermarkResult::kNoFile);
  EXPECT_FALSE(std::filesystem::exists(WatermarkFile(home)));
  ASSERT_EQ(addWatermarkData(kWatermarkFileName, Text("Draft")), WatermarkResult::kDone);
  ASSERT_EQ(storeFontData(kWatermarkFileName, SubsetFontKey("ArialMT"), PlistData{'%', '!'}), WatermarkResult::kDone);
  ASSERT_EQ(storeFontData(kWatermarkFileName, SubsetFontKey("ArialMT"), PlistData{'%', '!', 'P'}), WatermarkResult::kDone);
  ASSERT_EQ(loadFontData(kWatermarkFileName, "KV-ArialMT-KV", &data), WatermarkResult::kDone);
  EXPECT_EQ(data, (PlistData{'%', '!', 'P'}));
  EXPECT_EQ(loadFontData(kWatermarkFileName, "Helvetica", &data), WatermarkResult::kNotFound);
  EXPECT_EQ(LoadStatus("Draft"), WatermarkResult::kDone);
}

TEST(WatermarkFonts, FontsAndWatermarksNeverTakeEachOthersNames) {
  korvo_test::ScopedXdgHome home;
  ASSERT_EQ(addWatermarkData(kWatermarkFileName, Text("Draft")), WatermarkResult::kDone);
  ASSERT_EQ(storeFontData(kWatermarkFileName, "ArialMT", PlistData{1}), WatermarkResult::kDone);
  const std::string before = korvo_test::ReadFile(WatermarkFile(home));

  std::string error;
  EXPECT_EQ(storeFontData(kWatermarkFileName, "Draft", PlistData{2}, &error), WatermarkResult::kNameTaken);
  EXPECT_EQ(storeFontData(kWatermarkFileName, kWatermarkListKey, PlistData{2}, &error), WatermarkResult::kNameTaken);
  EXPECT_EQ(storeFontData(kWatermarkFileName, "", PlistData{2}, &error), WatermarkResult::kNoName);
  EXPECT_EQ(saveWatermarkData(kWatermarkFileName, Text("ArialMT"), &error), WatermarkResult::kNameTaken);
  EXPECT_NE(error.find("font program"), std::string::npos) << error;
  EXPECT_EQ(addWatermarkData(kWatermarkFileName, Text("ArialMT"), &error), WatermarkResult::kNameTaken);
  EXPECT_EQ(renameWatermarkData(kWatermarkFileName, "Draft", Text("ArialMT"), &error), WatermarkResult::kNameTaken);
  EXPECT_EQ(removeWatermarkData(kWatermarkFileName, "ArialMT", &error), WatermarkResult::kNotFound);
  EXPECT_EQ(korvo_test::ReadFile(WatermarkFile(home)), before);

  PlistData data;
  EXPECT_EQ(loadFontData(kWatermarkFileName, "Draft", &data), WatermarkResult::kBadRecord);
  EXPECT_EQ(LoadStatus("ArialMT"), WatermarkResult::kNotFound);
}

// The font of a text watermark converted and kept beside it for printing. A font the system lacks
// (ArialMT) is stood in for by fontconfig's choice, under the name asked for.
TEST(FontPreparation, TheWholeFontIsStoredUnderItsPostScriptNameEvenFromASubstitute) {
  korvo_test::ScopedXdgHome home;
  for (const char* font : {"DejaVuSans", "ArialMT"}) {
    SCOPED_TRACE(font);
    WatermarkData record = Text(std::string("Draft ") + font);
    record.fontName = font;
    ASSERT_EQ(saveWatermarkData(kWatermarkFileName, record), WatermarkResult::kDone);
    std::string subset = "old", error;
    ASSERT_EQ(convertFont(record.textString, &subset, &error), WatermarkResult::kDone) << error;
    EXPECT_EQ(subset, "");
    PlistData program;
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
  PlistData program;
  EXPECT_EQ(loadFontData(kWatermarkFileName, "logo.png", &program), WatermarkResult::kBadRecord);
  EXPECT_TRUE(program.empty());
}

}  // namespace
