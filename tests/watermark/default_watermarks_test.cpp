// The three default watermarks.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "kit/preference_locations.h"
#include "platform/bundle/bundle.h"
#include "support/test_support.h"
#include "watermark/default_watermarks.h"
#include "watermark/watermark_file.h"
#include "watermark/watermark_fonts.h"
#include "watermark/watermark_test_support.h"

namespace {

using namespace watermark_test;

// A bundle whose English table holds the given PO entries; each gets a fresh identifier, as the
// registry keeps every bundle opened for the life of the process.
const platform::Bundle* BundleWith(const korvo_test::TempDir& dir, const std::string& po) {
  const std::string path = dir.file("Defaults.plugin");
  std::filesystem::create_directories(path + "/Contents/Resources/en.lproj");
  korvo_test::WriteFile(path + "/Contents/Info.plist",
                        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                        "<key>CFBundleIdentifier</key><string>test.watermarks." +
                            std::filesystem::path(dir.path()).filename().string() +
                            "</string><key>CFBundleDevelopmentRegion</key><string>en</string></dict></plist>\n");
  korvo_test::WriteFile(path + "/Contents/Resources/en.lproj/Localizable.po", po);
  auto bundle = platform::Bundle::open(path);
  EXPECT_TRUE(bundle) << bundle.error();
  return bundle ? *bundle : nullptr;
}

// The records themselves, their list and the folder made for them are checked against plistlib in
// watermark_plistlib_test.
TEST(DefaultWatermarks, TextsComeFromTheBundlesTable) {
  korvo_test::ScopedXdgHome home;
  const platform::Bundle* bundle =
      BundleWith(home.dir(), "msgid \"DraftWatermark\"\nmsgstr \"Entwurf\"\n"
                             "msgid \"ConfidentialWatermark\"\nmsgstr \"Vertraulich\"\n"
                             "msgid \"CopyWatermark\"\nmsgstr \"Kopie\"\n");
  ASSERT_NE(bundle, nullptr);
  ASSERT_EQ(CreateDefaultWatermarks(bundle), WatermarkResult::kDone);
  EXPECT_EQ(List(), (std::vector<std::string>{"Entwurf", "Vertraulich", "Kopie"}));
  EXPECT_EQ(Load("Vertraulich").xPos, 201.350601);
}

TEST(DefaultWatermarks, TheFirstRecordThatCannotBeStoredIsReportedAndNothingIsWritten) {
  korvo_test::ScopedXdgHome home;
  const platform::Bundle* tooLong =
      BundleWith(home.dir(), "msgid \"ConfidentialWatermark\"\nmsgstr \"" + std::string(600, 'C') + "\"\n"
                             "msgid \"CopyWatermark\"\nmsgstr \"\"\n");
  ASSERT_NE(tooLong, nullptr);
  std::string error;
  EXPECT_EQ(CreateDefaultWatermarks(tooLong, &error), WatermarkResult::kFieldTooLong);
  EXPECT_NE(error.find("ConfidentialWatermark"), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(WatermarkFile(home)));

  korvo_test::TempDir other;
  const platform::Bundle* twice =
      BundleWith(other, "msgid \"DraftWatermark\"\nmsgstr \"Same\"\nmsgid \"CopyWatermark\"\nmsgstr \"Same\"\n");
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

  // A font program under a default's name keeps the defaults out, rather than being lost.
  korvo_test::ScopedXdgHome second;
  ASSERT_EQ(saveWatermarkList(kWatermarkFileName, {}), WatermarkResult::kDone);
  ASSERT_EQ(storeFontData(kWatermarkFileName, "Copy", platform::PlistData{9}), WatermarkResult::kDone);
  EXPECT_EQ(CreateDefaultWatermarks(nullptr, &error), WatermarkResult::kNameTaken);
  platform::PlistData font;
  EXPECT_EQ(loadFontData(kWatermarkFileName, "Copy", &font), WatermarkResult::kDone);
  EXPECT_EQ(font, platform::PlistData{9});
  EXPECT_EQ(List(), std::vector<std::string>{});
}

}  // namespace
