// korvo-pde set, run as a user runs it: choices by the labels the dialog shows, the ticket that
// follows, and the session file left alone when a choice cannot be made.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/korvo_pde_runner.h"
#include "platform/ticket/print_session.h"
#include "support/test_support.h"

namespace {

using host_test::RunPde;

class SetCommand : public host_test::SessionTest {};

// A refused choice anywhere: one ERROR line that names the setting, and the session file as it was.
TEST_F(SetCommand, AChoiceThatCannotBeMadeLeavesTheSessionAlone) {
  std::string out;
  ASSERT_EQ(RunPde("show --session " + session + " >/dev/null", &out), 0);
  const std::pair<std::vector<std::string>, const char*> refused[] = {
      {{"Colour=Blue"}, "no setting Colour"},
      {{"Paper=Color>Mauve"}, "offering \"Color>Mauve\""},
      {{"Panel=Nowhere"}, "no setting Panel offering \"Nowhere\""},
      {{"JobTypeSetup=click"}, "not available now"},  // Normal Print has no set-up
      {{"Finishing=Pads...>Enabled>NumberOfPads=1x"}, "a keystroke was refused"},
      {{"Finishing=Pads...>Enabled>NumberOfPads=501>PagesPerPad=50"}, "at most 500 pads"},
      {{"Finishing=2 Staples...>Portrait - Nowhere"}, "the dialog has no \"Portrait - Nowhere\""},
      {{"Finishing=None>Extra"}, "opens no dialog to answer"},
      {{"JobType=Saved Job>Save and Print>SavedJobName=Report>SecureJob=on>Passcode=4821>ConfirmPasscode=4822"},
       "Passco...: The passcode cannot be used"},
      {{"Paper=Color>Custom Color...>CustomColor="}, "the dialog \"Custom Color\" did not take OK"},
      {{"Paper=Weight>Custom...>Weight=59"}, "a keystroke was refused"},
      {{"Paper=Type>Custom Type...>OK"}, "\"OK\" is not available now"},  // a new type waits for its name
      {{"ColorSetup=LightnessDefault=off>Lightness=150"}, "a keystroke was refused"},
      {{"BannerMessage=" + std::string(1001, 'x')}, "x...: a keystroke was refused"},
      {{"AddInserts=Pages=7-"}, "Too Many Pages: Inserts can go after at most 10000 pages at once."},
      {{"AddInserts=Pages=1-9999999"}, "Too Many Pages"},
      {{"AddInserts=Pages=5-3"}, "Invalid Range: The first page of a range must not come after its last page."},
      {{"AddExceptions=Pages=0-4"}, "Invalid Page Numbers: Page numbers start at 1."},
      {{"AddInserts=Pages=4>InsertPaper=Color>Plaid"}, "the dialog has no \"InsertPaper=Color\""},
      {{"BookletLayout=Enabled", "BookletOptions=click>Booklet Fold"}, "the dialog has no \"Booklet Fold\""},
  };
  for (const auto& [settings, message] : refused) {
    const std::string err = host_test::ExpectRefused(session, settings);
    EXPECT_TRUE(err.starts_with("ERROR: " + settings.back().substr(0, 40))) << err;
    EXPECT_TRUE(host_test::Has(err, message)) << err;
  }
  // Usage errors: no session, no settings, a setting that is not KEY=VALUE.
  std::string err;
  EXPECT_EQ(RunPde("set Finishing=None 2>&1", &err), 2);
  EXPECT_EQ(RunPde("set --session " + session + " 2>&1", &err), 2);
  EXPECT_EQ(RunPde("set --session " + session + " Finishing 2>&1", &err), 2);
  EXPECT_NE(err.find("is not KEY=VALUE"), std::string::npos) << err;
}

// A held, fax, secure or delayed job a ticket brings has its Setup button enabled; it opens nothing.
TEST_F(SetCommand, SetupIsEnabledForJobTypesFourToSeven) {
  for (std::int64_t jobType : {4, 7}) {
    platform::PrintSession held;
    held.ensureTicket(platform::kPDE_PMPrintSettingsRef)
        .set("com.korvo.print.JobType", platform::PlistDict{{"JobType", jobType}}, "K");
    ASSERT_TRUE(held.save(session));
    std::string out;
    ASSERT_EQ(host_test::RunSet(session, {"JobTypeSetup=click"}, &out), 0) << out;
    EXPECT_TRUE(host_test::Has(out, "\"JobType\" = " + std::to_string(jobType) + ";")) << out;
  }
}

// A forced booklet size in a ticket without the job's paper: said once, and the cover kept.
TEST_F(SetCommand, AForcedBookletSizeWithoutTheJobsPaperIsToldOnce) {
  platform::PrintSession forced;
  platform::Ticket& settings = forced.ensureTicket(platform::kPDE_PMPrintSettingsRef);
  settings.set("com.korvo.print.BookletForceNewSize", true, "K");
  settings.set("com.korvo.print.SpecialPages.FrontCover",
               platform::PlistDict{{"SidesImaged", std::int64_t{1}}, {"StartPage", std::int64_t{0}},
                                   {"Stock", platform::PlistDict{{"Color", std::int64_t{4}}}}},
               "com.korvo.print");
  ASSERT_TRUE(forced.save(session));
  std::string err, out;
  ASSERT_EQ(RunPde("show --session " + session + " 2>&1 >/dev/null", &err), 0) << err;
  EXPECT_TRUE(host_test::IsOneErrorLine(err) && host_test::Has(err, "the front cover keeps its own size")) << err;
  ASSERT_EQ(RunPde("show --session " + session, &out), 0);
  EXPECT_TRUE(host_test::Has(out, "\"Color\" = 4")) << out;
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

TEST_F(SetCommand, StoresThatCannotBeReadAreEachNamedOnceAndAnUnusableFolderInOneLine) {
  for (const std::string& file : {home.dir().file("config/com.korvo.print.stocklibrary"),
                                  home.dir().file("config/com.korvo.print.inputhistory.plist")})
    ASSERT_EQ(korvo_test::RunCommand("mkdir -p " + file, nullptr), 0);
  std::string err;
  ASSERT_EQ(RunPde("set --session " + session + " 'Paper=Stock Library...>Cancel' 2>&1 >/dev/null", &err), 0) << err;
  // One line for each of the two files, each naming its own.
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;
  for (const char* name : {"stocklibrary:", "inputhistory.plist:"})
    EXPECT_NE(err.find(name), std::string::npos) << err;
  // A preferences folder that cannot be used is one cause, for every file and every writer in it:
  // one line, and a command whose setting could not be kept changes nothing.
  ASSERT_EQ(korvo_test::RunCommand("rm -r " + home.dir().file("config"), nullptr), 0);
  korvo_test::WriteFile(home.dir().file("config"), "a file in the folder's place");
  const std::string line = "ERROR: " + home.dir().file("config") + ": the folder cannot be used";
  ASSERT_EQ(RunPde("show --session " + session + " 2>&1 >/dev/null", &err), 0) << err;
  EXPECT_TRUE(host_test::IsOneErrorLine(err, line)) << err;
  const std::string err2 = host_test::ExpectRefused(
      session, {"Panel=Job Notes", "JobNotesPreferences=click>Use Login Name as Sender Name>OK",
                "JobType=Saved Job>Save and Print>SavedJobName=Report>SavedJobFolder=Q3"});
  EXPECT_TRUE(err2.starts_with(line)) << err2;
}

}  // namespace
