// A dialog starts every time the user picks a printer: the preference files it reads are parsed
// again only when they changed, and a file damaged meanwhile is still kept aside and reported.
#include <gtest/gtest.h>

#include <filesystem>

#include "kit/preference_locations.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/preferences/preference_file.h"

namespace {

class DialogStartReads : public ::testing::Test {
 protected:
  // Prologue, Initialize, Close and Terminate, as picking the printer and closing the dialog do;
  // answers how many preference files were parsed meanwhile.
  unsigned StartAndEnd() {
    const unsigned before = platform::PreferenceFilesParsed();
    platform::PrintSession session = korvo_test::SessionOn(korvo_test::SamplePPDPath());
    { korvo_test::PluginDialog dialog(session, false); }
    return platform::PreferenceFilesParsed() - before;
  }
  std::string watermarks() const { return *CopyPreferenceFileURL(kWatermarkFileName); }

  korvo_test::ScopedXdgHome home_;
};

TEST_F(DialogStartReads, AnUnchangedFileIsNotParsedAgainAndAChangedOneIs) {
  StartAndEnd();  // makes the default watermarks and reads them
  ASSERT_TRUE(std::filesystem::exists(watermarks()));
  EXPECT_EQ(StartAndEnd(), 0u);

  // Rewritten in place by another program, same size: a new change time.
  std::string bytes = korvo_test::ReadFile(watermarks());
  const std::size_t at = bytes.find("Draft");
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at, 5, "DRAFT");
  korvo_test::WriteFile(watermarks(), bytes);
  EXPECT_GE(StartAndEnd(), 1u);
  EXPECT_EQ(StartAndEnd(), 0u);
}

TEST_F(DialogStartReads, AFileDamagedAfterAReadIsStillKeptAsideAndReported) {
  StartAndEnd();
  const std::string damaged = "<?xml version=\"1.0\"?><plist><dict><key>x";
  korvo_test::WriteFile(watermarks(), damaged);
  testing::internal::CaptureStderr();
  StartAndEnd();
  const std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("ERROR: " + watermarks() + ": not a readable property list"), std::string::npos) << log;
  bool kept = false;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(watermarks()).parent_path()))
    kept = kept || korvo_test::ReadFile(entry.path().string()) == damaged;
  EXPECT_TRUE(kept);
}

}  // namespace
