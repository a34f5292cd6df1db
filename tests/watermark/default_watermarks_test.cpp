// The three default watermarks.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "kit/preference_locations.h"
#include "support/string_bundle.h"
#include "support/test_support.h"
#include "watermark/default_watermarks.h"
#include "watermark/watermark_file.h"
#include "watermark/watermark_test_support.h"

namespace {

using namespace watermark_test;

// The records themselves, their list and the folder made for them are checked against plistlib in
// watermark_plistlib_test.
TEST(DefaultWatermarks, TextsComeFromTheBundlesTable) {
  korvo_test::ScopedXdgHome home;
  const platform::Bundle* bundle = korvo_test::BundleWithStrings(
      home.dir(), "msgid \"DraftWatermark\"\nmsgstr \"Entwurf\"\n"
                  "msgid \"ConfidentialWatermark\"\nmsgstr \"Vertraulich\"\nmsgid \"CopyWatermark\"\nmsgstr \"Kopie\"\n");
  ASSERT_NE(bundle, nullptr);
  ASSERT_EQ(CreateDefaultWatermarks(bundle), WatermarkResult::kDone);
  EXPECT_EQ(List(), (std::vector<std::string>{"Entwurf", "Vertraulich", "Kopie"}));
  EXPECT_EQ(Load("Vertraulich").xPos, 201.350601);
}

TEST(DefaultWatermarks, TheFirstRecordThatCannotBeStoredIsReportedAndNothingIsWritten) {
  korvo_test::ScopedXdgHome home;
  const platform::Bundle* tooLong = korvo_test::BundleWithStrings(
      home.dir(),
      "msgid \"ConfidentialWatermark\"\nmsgstr \"" + std::string(600, 'C') + "\"\nmsgid \"CopyWatermark\"\nmsgstr \"\"\n");
  ASSERT_NE(tooLong, nullptr);
  std::string error;
  EXPECT_EQ(CreateDefaultWatermarks(tooLong, &error), WatermarkResult::kFieldTooLong);
  EXPECT_NE(error.find("ConfidentialWatermark"), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(WatermarkFile(home)));

  korvo_test::TempDir other;
  const platform::Bundle* twice = korvo_test::BundleWithStrings(
      other, "msgid \"DraftWatermark\"\nmsgstr \"Same\"\nmsgid \"CopyWatermark\"\nmsgstr \"Same\"\n");
  ASSERT_NE(twice, nullptr);
  EXPECT_EQ(CreateDefaultWatermarks(twice, &error), WatermarkResult::kNameTaken);
  EXPECT_NE(error.find("CopyWatermark"), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(WatermarkFile(home)));
}

TEST(DefaultWatermarks, AFileThatCannotBeWrittenIsReportedNotPassedOffAsDone) {
  korvo_test::ScopedXdgHome home;
  std::filesystem::create_directories(WatermarkFile(home));  // a folder where the file belongs
  std::string error;
  testing::internal::CaptureStderr();
  EXPECT_EQ(CreateDefaultWatermarks(nullptr, &error), WatermarkResult::kFileUnreadable);
  testing::internal::GetCapturedStderr();
  EXPECT_NE(error.find(WatermarkFile(home)), std::string::npos) << error;
  EXPECT_TRUE(std::filesystem::is_directory(WatermarkFile(home)));
}

}  // namespace
