// korvo-pde set in the dialogs: Cancel changes nothing in any of them, a refused step leaves the
// session file as it was, and a dialog's fields are typed into by name.
#include <gtest/gtest.h>

#include "host/korvo_pde_runner.h"
#include "platform/ticket/print_session.h"
#include "support/test_support.h"

namespace {

using host_test::RunPde;

// Writes a session on a Korvo printer with every finisher installed, so that every finishing
// dialog is offered. Its paper is the printer's default, Letter (the paper coil punching and
// trimming need), which the session gets as a page format made for the printer has it.
void WriteLetterSession(const std::string& path) {
  platform::PrintSession session;
  session.printer().ppdPath = korvo_test::DataPath("panels/finishers.ppd");
  ASSERT_TRUE(session.save(path));
}

// The finishing menu's items that open a dialog on that printer (the menu itself is the Paper/Output
// panel's test).
const std::vector<std::string> kFinishingDialogs = {
    "1 Staple...", "2 Staples...", "Center Staple...", "Bind...", "2 Hole Punch...", "3 Hole Punch...",
    "4 Hole Punch...", "Fold...", "Z Fold Half Sheet...", "Multiple Finishing...", "Custom...", "Coil Punch...",
    "Offset/Subset...", "Pads...", "Booklet Creation..."};

class SetDialogSteps : public host_test::SessionTest {
 protected:
  // Runs set with one setting: its exit status, its stderr in *err.
  int set(const std::string& setting, std::string* err) {
    return RunPde("set --session " + session + " '" + setting + "' 2>&1 >/dev/null", err);
  }
};

TEST_F(SetDialogSteps, CancelInEveryFinishingDialogLeavesTheSessionByteIdenticalAndFieldsAreTypedByName) {
  WriteLetterSession(session);
  // Staples chosen first: Cancel must leave a finishing made before as it was, not reset it.
  std::string err;
  ASSERT_EQ(set("Finishing=2 Staples...>Portrait - Top or Landscape - Right", &err), 0) << err;
  std::string before = korvo_test::ReadFile(session);
  std::vector<std::string> dialogs = kFinishingDialogs;
  // The dialogs the fold dialog opens, each cancelled and then the fold dialog too.
  dialogs.push_back("Fold...>Square Fold>Cancel");
  dialogs.push_back("Fold...>Trim Outside Edge>Cancel");
  // Every dialog cancelled in one run: one process start instead of one per dialog, which the
  // sanitizer build pays dearly for.
  std::string cancelAll = "set --session " + session;
  for (const std::string& dialog : dialogs) cancelAll += " 'Finishing=" + dialog + ">Cancel'";
  EXPECT_EQ(RunPde(cancelAll + " 2>&1 >/dev/null", &err), 0) << err;
  EXPECT_EQ(korvo_test::ReadFile(session), before);
  // A step a dialog does not have (a plain and a nested dialog), a control it shows but does not
  // take now (the levels without square fold), an OK the trim dialog refuses (no length typed):
  // one ERROR line, nothing saved.
  for (const auto& [steps, said] : {std::pair<std::string, std::string>{dialogs.front() + ">No Such Step", ""},
                                    {"Fold...>Square Fold>No Such Step", ""},
                                    {"Fold...>Square Fold>Normal", "\"Normal\" is not available now\n"},
                                    {"Fold...>Trim Outside Edge>Trim Outside Edge>OK", "Invalid trimmed length"}}) {
    EXPECT_EQ(set("Finishing=" + steps, &err), 1);
    EXPECT_TRUE(host_test::IsOneErrorLine(err) && err.starts_with("ERROR: Finishing=" + steps + ": " + said)) << err;
    EXPECT_EQ(korvo_test::ReadFile(session), before) << steps;
  }
  // A step applied in a nested dialog is kept when the steps end without Cancel.
  std::string out;
  // The unlabelled levels are reached by name.
  ASSERT_EQ(RunPde("set --session " + session + " 'Finishing=Fold...>Square Fold>Square Fold>SlightlyLessSquare=on>OK'",
                   &out), 0) << out;
  EXPECT_NE(out.find("com.korvo.print.FinishingSquareFoldValue = 65\n"), std::string::npos) << out;
  EXPECT_NE(korvo_test::ReadFile(session), before);
  // Dialog fields are typed into by name (a keystroke a field refuses is set's refusals' table).
  ASSERT_EQ(host_test::RunSet(session, {"Finishing=Offset/Subset...>Offset Each Subset>Offset Subsets>PagesPerSubset=12",
                                        "Finishing=Custom...>CustomFinishing=Glue"}, &out), 0) << out;
  host_test::ExpectHas(out, {"com.korvo.print.FinishingOffset = 4\n",
                             "com.korvo.print.FinishingOffsetPagesPerSubset = 12\n",
                             "com.korvo.print.FinishingCustom = \"Glue\"\n"});
}

// The paper is the printer's default page size until PageSize chooses another; the finishings
// that need a paper of their own follow it.
TEST_F(SetDialogSteps, TheSessionsPaperIsThePrintersDefaultPageSizeUntilPageSizeChangesIt) {
  WriteLetterSession(session);
  std::string err, out;
  ASSERT_EQ(set("Panel=Paper/Output", &err), 0) << err;
  ASSERT_EQ(korvo_test::RunCommand("python3 -c 'import plistlib,sys; p = plistlib.load(open(sys.argv[1], \"rb\"))"
                                   "[\"PMPageFormatTicket\"][\"SubTickets\"][\"com.apple.print.PaperInfoTicket\"][\"Items\"];"
                                   " print(p[\"com.apple.print.PaperInfo.PMPaperName\"],"
                                   " p[\"com.apple.print.PaperInfo.PMUnadjustedPaperRect\"])' " + session, &out), 0) << out;
  EXPECT_EQ(out, "na-letter [-12.0, -12.0, 780.0, 600.0]\n");
  EXPECT_EQ(set("PageSize=A3", &err), 1);
  EXPECT_TRUE(host_test::IsOneErrorLine(err) && err.find("no page size \"A3\"") != std::string::npos) << err;
  // On A5 (named as the page format names it) neither square fold nor coil punching is offered;
  // on A4, by its text, both are.
  for (const char* refused : {"Fold...>Square Fold", "Coil Punch..."}) {
    EXPECT_EQ(RunPde("set --session " + session + " PageSize=iso-a5 'Finishing=" + std::string(refused) + "' 2>&1 >/dev/null", &err), 1);
    EXPECT_TRUE(host_test::IsOneErrorLine(err, "paper size")) << err;
  }
  ASSERT_EQ(host_test::RunSet(session, {"PageSize=A4", "Finishing=Fold...>Square Fold>Square Fold>OK"}, &out), 0) << out;
  EXPECT_NE(out.find("com.korvo.print.FinishingSquareFoldValue = 64\n"), std::string::npos) << out;
}

// The other panels' dialogs, over a session that gives each something to show: Cancel, and
// Defaults then Cancel, leave the session byte for byte as it was, and the form-name histories too:
// the saved form's set-up edits a copy that its own OK does not keep past the outer Cancel. (The
// watermark editor's Cancel, with its file, is the panel tests'.)
TEST_F(SetDialogSteps, CancelInTheOtherPanelsDialogsChangesNothing) {
  std::string out;
  ASSERT_EQ(host_test::RunSet(session,
                              {"ColorSetup=LightnessDefault=off>Lightness=10", "ImageShiftSetup=Option=Independent>X1=0.50",
                               "AddCovers=CoverOption=Different Covers", "AddInserts=Pages=3,5>Quantity=2",
                               "AddExceptions=Pages=2-4>TwoSided=Two-Sided", "JobType=Background Form>SavedFormName=Quote"},
                              &out),
            0)
      << out;
  const std::string saved = korvo_test::ReadFile(session);
  const std::string history = home.dir().file("config/com.korvo.print.backgroundforms"), names = korvo_test::ReadFile(history);
  EXPECT_EQ(host_test::RunSet(session,
                              {"ColorSetup=Lightness=30>Cancel", "ColorSetup=click>Defaults>Cancel",
                               "ImageShiftSetup=X1=1.00>Cancel", "ImageShiftSetup=click>Defaults>Cancel",
                               "AddCovers=CoverOption=No Covers>Cancel", "AddCovers=click>Defaults>Cancel",
                               "AddInserts=Pages=9>Quantity=3>Cancel",
                               "AddExceptions=Pages=8>Halftone=600 Dot>OutputColor=Grayscale>Cancel", "SpecialPages=2-4",
                               "EditSpecialPage=TwoSided=One-Sided>AntiAliasing=On>Defaults>Cancel", "SpecialPages=Front",
                               "EditSpecialPage=FrontCoverSides=Print on Side 1>Cancel", "ForceNewSize=Custom...>Cancel", "Paper=Type>Custom Type...>CustomType=Kraft>Cancel",
                               "Paper=Stock Library...>Cancel", "Paper=Advanced Paper Selection...>Grain=Long Grain>Cancel",
                               "BackgroundForm=Setup...>FormName=Letterhead>Cancel",
                               "JobTypeSetup=click>SavedFormName=Invoice>FormSetup=click>FormName=Letterhead>OK>Cancel"},
                              &out),
            0)
      << out;
  EXPECT_EQ(korvo_test::ReadFile(session), saved);
  EXPECT_EQ(korvo_test::ReadFile(history), names);
}

}  // namespace
