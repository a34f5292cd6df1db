// korvo-pde set on the Image Options panel and its two dialogs, as a print room would script it:
// the choices reach the session, Printer Default takes an entry away, a value out of range ends
// set with the file unchanged, Cancel changes nothing, and export then import brings it all back.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::RunPde;

class ImageOptionsSet : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string out;
    ASSERT_EQ(RunPde("show --session " + session + " >/dev/null", &out), 0) << out;
    before = korvo_test::ReadFile(session);
  }
  // Runs set with the settings (each quoted): its exit status; stdout, or stderr, in *out.
  int set(const std::vector<std::string>& settings, std::string* out, bool stderrOnly = false) {
    std::string line = "set --session " + session;
    for (const std::string& s : settings) line += " '" + s + "'";
    return RunPde(line + (stderrOnly ? " 2>&1 >/dev/null" : ""), out);
  }
  static void ExpectLines(const std::string& out, std::initializer_list<const char*> lines) {
    for (const char* line : lines) EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out;
  }

  korvo_test::ScopedXdgHome home;
  korvo_test::TempDir dir;
  std::string session = dir.file("job.plist");
  std::string before;
};

const std::vector<std::string> kChoices = {"Halftone=600 Dot", "AntiAliasing=On", "MirrorImage=on",
                                           "ColorSetup=LightnessDefault=off>Lightness=10>Trapping=On",
                                           "ImageShiftSetup=Option=Independent>X1=0.50"};

TEST_F(ImageOptionsSet, ChoicesReachTheSessionAndPrinterDefaultTakesTheHalftoneAway) {
  std::string out;
  ASSERT_EQ(set(kChoices, &out), 0) << out;
  ExpectLines(out, {"com.korvo.print.HalftoneScreen = 12\n", "com.korvo.print.Antialiasing = 2\n",
                    "\"MirrorImage\" = 1", "\"FCLightness\" = 10", "\"FCTrapping\" = 1", "\"Option\" = 1",
                    "\"X1\" = 1270"});
  ASSERT_EQ(set({"Halftone=Printer Default"}, &out), 0) << out;
  EXPECT_EQ(out.find("HalftoneScreen"), std::string::npos) << out;
  EXPECT_NE(out.find("\"FCLightness\" = 10"), std::string::npos) << out;  // the rest stays
}

TEST_F(ImageOptionsSet, ALightnessOutOfRangeEndsSetWithTheFileUnchanged) {
  std::string err;
  EXPECT_EQ(set({"ColorSetup=LightnessDefault=off>Lightness=150"}, &err, true), 1);
  EXPECT_TRUE(err.starts_with("ERROR: ColorSetup=LightnessDefault=off>Lightness=150: ")) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_EQ(korvo_test::ReadFile(session), before);
}

TEST_F(ImageOptionsSet, CancelAndDefaultsThenCancelInBothDialogsPassCmp) {
  std::string out;
  ASSERT_EQ(set(kChoices, &out), 0) << out;
  korvo_test::WriteFile(dir.file("before.plist"), korvo_test::ReadFile(session));
  for (const char* setting : {"ColorSetup=Lightness=30>Cancel", "ColorSetup=click>Defaults>Cancel",
                              "ImageShiftSetup=X1=1.00>Cancel", "ImageShiftSetup=click>Defaults>Cancel"}) {
    EXPECT_EQ(set({setting}, &out), 0) << setting << out;
    EXPECT_EQ(korvo_test::RunCommand("cmp " + session + " " + dir.file("before.plist"), &out), 0) << setting << out;
  }
}

TEST_F(ImageOptionsSet, ExportThenImportIntoAFreshSessionReadsTheSameBack) {
  std::string out;
  ASSERT_EQ(set(kChoices, &out), 0) << out;
  const std::string ticket = dir.file("job.xml"), fresh = dir.file("fresh.plist");
  ASSERT_EQ(RunPde("export --session " + session + " -o " + ticket, &out), 0) << out;
  ASSERT_EQ(RunPde("show --session " + fresh + " >/dev/null", &out), 0) << out;
  ASSERT_EQ(RunPde("import --session " + fresh + " " + ticket + " >/dev/null", &out), 0) << out;
  ASSERT_EQ(RunPde("show --session " + fresh, &out), 0) << out;
  ExpectLines(out, {"com.korvo.print.HalftoneScreen = 12\n", "com.korvo.print.Antialiasing = 2\n",
                    "\"FCLightness\" = 10", "\"FCTrapping\" = 1", "\"Option\" = 1", "\"X1\" = 1270"});
}

}  // namespace
