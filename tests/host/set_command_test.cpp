// korvo-pde set, run as a user runs it: choices by the labels the dialog shows, the ticket that
// follows, and the session file left alone when a choice cannot be made.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::RunPde;

class SetCommand : public host_test::SessionTest {};

TEST_F(SetCommand, ChangesAPaperAndAFinishingAndShowSeesThem) {
  std::string out;
  ASSERT_EQ(RunPde("set --session " + session + " 'Paper=Color>Blue'"
                   " 'Finishing=1 Staple...>Portrait - Bottom Left or Landscape - Top Left'"
                   " 'TwoSided=Two-Sided (Short Edge)'", &out), 0)
      << out;
  host_test::ExpectHas(out, {"com.korvo.print.FinishingOptions = 4\n", "com.korvo.print.FinishingStaple1Value = 6\n",
                             "com.korvo.print.FinishingDuplex = 3\n",
                             "com.korvo.print.JobLevelStock = {\"Color\" = 2; \"Type\" = -2147483648}\n",
                             "com.apple.print.PrintSettings.PMDuplexing = 3\n"});
  std::string shown;
  ASSERT_EQ(RunPde("show --session " + session, &shown), 0);
  EXPECT_NE(shown.find("com.korvo.print.FinishingStaple1Value = 6\n"), std::string::npos) << shown;
  EXPECT_NE(shown.find("com.korvo.print.JobLevelStock = {\"Color\" = 2;"), std::string::npos) << shown;
  ASSERT_EQ(RunPde("set --session " + session + " Finishing=None", &out), 0);
  EXPECT_NE(out.find("com.korvo.print.FinishingOptions = 1\n"), std::string::npos) << out;
  EXPECT_NE(out.find("com.korvo.print.JobLevelStock = {\"Color\" = 2;"), std::string::npos) << out;
}

TEST_F(SetCommand, AChoiceThatCannotBeMadeLeavesTheSessionAlone) {
  std::string out;
  ASSERT_EQ(RunPde("set --session " + session + " Finishing=None", &out), 0);
  const std::string before = korvo_test::ReadFile(session);
  const std::pair<const char*, const char*> refused[] = {
      {"Colour=Blue", "no setting Colour"},
      {"'Paper=Color>Mauve'", "offering \"Color>Mauve\""},
      {"JobTypeSetup=click", "not available now"},  // Normal Print has no set-up
      {"'Finishing=Pads...>Enabled>NumberOfPads=1x'", "a keystroke was refused"},
      {"'Finishing=2 Staples...>Portrait - Nowhere'", "the dialog has no \"Portrait - Nowhere\""},
      {"'Finishing=None>Extra'", "opens no dialog to answer"},
  };
  for (const auto& [setting, message] : refused) {
    std::string err;
    EXPECT_EQ(RunPde("set --session " + session + " " + setting + " 2>&1 >/dev/null", &err), 1) << setting;
    EXPECT_NE(err.find(message), std::string::npos) << err;
    EXPECT_TRUE(host_test::IsOneErrorLine(err));
    EXPECT_EQ(korvo_test::ReadFile(session), before) << setting;
  }
  // Usage errors: no session, no settings, a setting that is not KEY=VALUE.
  std::string err;
  EXPECT_EQ(RunPde("set Finishing=None 2>&1", &err), 2);
  EXPECT_EQ(RunPde("set --session " + session + " 2>&1", &err), 2);
  EXPECT_EQ(RunPde("set --session " + session + " Finishing 2>&1", &err), 2);
  EXPECT_NE(err.find("is not KEY=VALUE"), std::string::npos) << err;
}

TEST_F(SetCommand, TwoCommandsOnOneSessionAtOnceBothKeepTheirChange) {
  const std::string pde = std::string(KORVO_BIN_DIR) + "/korvo-pde";
  // The session's lock makes the second writer wait; a few rounds vary which one comes first.
  for (int round = 0; round < 6; ++round) {
    std::string out;
    ASSERT_EQ(korvo_test::RunCommand("rm -f " + session + " && " + pde + " show --session " + session + " >/dev/null", &out), 0);
    ASSERT_EQ(korvo_test::RunCommand("(" + pde + " set --session " + session + " OutputColor=Grayscale >/dev/null & " +
                                         pde + " set --session " + session + " \"TwoSided=Two-Sided (Short Edge)\" >/dev/null & wait)",
                                     &out, true),
              0)
        << out;
    ASSERT_EQ(RunPde("show --session " + session, &out), 0);
    ASSERT_NE(out.find("com.korvo.print.FinishingOutputColor = 1\n"), std::string::npos) << "round " << round << "\n" << out;
    ASSERT_NE(out.find("com.korvo.print.FinishingDuplex = 3\n"), std::string::npos) << "round " << round << "\n" << out;
  }
}

TEST_F(SetCommand, AFailedSaveListsNoTicketAndALongSettingIsCutBetweenCharacters) {
  // A link to a folder that is not there: the session is new, and cannot be saved.
  const std::string link = dir.file("link.plist");
  ASSERT_EQ(korvo_test::RunCommand("ln -s " + dir.file("gone/job.plist") + " " + link, nullptr), 0);
  std::string out;
  EXPECT_EQ(RunPde("set --session " + link + " OutputColor=Grayscale 2>/dev/null", &out), 1);
  EXPECT_EQ(out, "");
  // "Colour=" and 64 bytes, then characters of two bytes: a cut at 72 bytes would split one.
  std::string err;
  std::string value;
  for (int i = 0; i < 10; ++i) value += "\xC3\xA9";
  EXPECT_EQ(RunPde("set --session " + session + " 'Colour=" + std::string(64, 'a') + value + "' 2>&1 >/dev/null", &err), 1);
  EXPECT_TRUE(host_test::IsOneErrorLine(err)) << err;
  EXPECT_NE(err.find(std::string(64, 'a') + "...:"), std::string::npos) << err;
}

TEST_F(SetCommand, StoresThatCannotBeReadAreEachNamedOnce) {
  for (const std::string& file : {home.dir().file("config/com.korvo.print.stocklibrary"),
                                  home.dir().file("config/com.korvo.print.inputhistory.plist"),
                                  home.dir().file("config/com.korvo.print.backgroundforms")})
    ASSERT_EQ(korvo_test::RunCommand("mkdir -p " + file, nullptr), 0);
  std::string err;
  ASSERT_EQ(RunPde("set --session " + session + " 'Paper=Stock Library...>Cancel' 2>&1 >/dev/null", &err), 0) << err;
  // One line for each of the three files, each naming its own.
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 3) << err;
  for (const char* name : {"stocklibrary:", "inputhistory.plist:", "backgroundforms:"})
    EXPECT_NE(err.find(name), std::string::npos) << err;
}

}  // namespace
