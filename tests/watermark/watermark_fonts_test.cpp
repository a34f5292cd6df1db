// Font programs kept beside the watermarks.
#include <gtest/gtest.h>

#include <filesystem>

#include "kit/preference_locations.h"
#include "support/test_support.h"
#include "watermark/watermark_dictionary.h"
#include "watermark/watermark_file.h"
#include "watermark/watermark_fonts.h"
#include "watermark/watermark_test_support.h"

namespace {

using namespace watermark_test;
using platform::PlistData;

TEST(WatermarkFonts, StoredProgramsAreAppendedOnLoadAndReplacedOnStore) {
  korvo_test::ScopedXdgHome home;
  ASSERT_EQ(addWatermarkData(kWatermarkFileName, Text("Draft")), WatermarkResult::kDone);
  PlistData type42(70000);
  for (std::size_t i = 0; i < type42.size(); ++i) type42[i] = static_cast<std::uint8_t>(i * 7);
  ASSERT_EQ(storeFontData(kWatermarkFileName, "ArialMT", type42), WatermarkResult::kDone);
  ASSERT_EQ(storeFontData(kWatermarkFileName, SubsetFontKey("ArialMT"), PlistData{'%', '!'}), WatermarkResult::kDone);

  PlistData data{0xEE};
  ASSERT_EQ(loadFontData(kWatermarkFileName, "ArialMT", &data), WatermarkResult::kDone);
  ASSERT_EQ(data.size(), 70001U);
  EXPECT_EQ(data[0], 0xEE);
  EXPECT_TRUE(std::equal(type42.begin(), type42.end(), data.begin() + 1));

  ASSERT_EQ(storeFontData(kWatermarkFileName, SubsetFontKey("ArialMT"), PlistData{'%', '!', 'P'}), WatermarkResult::kDone);
  data.clear();
  // Stored under the subset key, found under its literal name.
  ASSERT_EQ(loadFontData(kWatermarkFileName, "KV-ArialMT-KV", &data), WatermarkResult::kDone);
  EXPECT_EQ(data, (PlistData{'%', '!', 'P'}));
  EXPECT_EQ(loadFontData(kWatermarkFileName, "Helvetica", &data), WatermarkResult::kNotFound);

  // The watermark itself is untouched by its neighbours.
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

TEST(WatermarkFonts, NoFileOrADamagedOneGetsNoFontAndADamagedOneIsKept) {
  korvo_test::ScopedXdgHome home;
  std::string error;
  EXPECT_EQ(storeFontData(kWatermarkFileName, "ArialMT", PlistData{1, 2, 3}, &error), WatermarkResult::kNoFile);
  EXPECT_FALSE(std::filesystem::exists(WatermarkFile(home)));
  PlistData data;
  EXPECT_EQ(loadFontData(kWatermarkFileName, "ArialMT", &data), WatermarkResult::kNoFile);

  ASSERT_TRUE(SharedPreferenceFolder());
  korvo_test::WriteFile(WatermarkFile(home), "<?xml version=\"1.0\"?><plist><dict><key>Draft</key>");
  testing::internal::CaptureStderr();
  EXPECT_EQ(storeFontData(kWatermarkFileName, "ArialMT", PlistData{1}), WatermarkResult::kFileUnreadable);
  testing::internal::GetCapturedStderr();
  EXPECT_FALSE(std::filesystem::exists(WatermarkFile(home)));
  const auto kept = KeptCopies(home.dir().file("data/Korvo"));
  ASSERT_EQ(kept.size(), 1U);
  EXPECT_EQ(korvo_test::ReadFile(kept[0]), "<?xml version=\"1.0\"?><plist><dict><key>Draft</key>");
}

}  // namespace
