// Paper/Output's pad printing and saved-job dialogs as a print room uses them. Pads: the largest
// counts taken with the total noted, one page more per pad or no count refused with its alert, the
// panel taking the dialog's state on OK. Saved jobs: a passcode that cannot release the job
// refused, a made-up passcode that cannot be guessed, and the characters the printer's folders
// cannot hold refused as they are typed. (What the ticket
// keeps of pads and saved jobs, and too many pads, are korvo-pde set's to check.)
#include <gtest/gtest.h>

#include <set>

#include "model/paper_output_keys.h"
#include "panels/paper_output/pad_printing_dialog.h"
#include "panels/paper_output/paper_output_panel.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "panels/paper_output/saved_job_settings.h"

namespace {

namespace ui = platform::ui;
using korvo_test::In;
using korvo_test::Retype;

// Pads on, the two counts and a back cover, then Return.
ui::ScriptedInteraction::ModalStep FillPads(std::string pads, std::string pages) {
  return [=](ui::Window& w, ui::UserDriver& user) {
    user.chooseItem(In(w, "Pads"), kPadsEnabledItem);
    Retype(user, In(w, "NumberOfPads"), pads);
    Retype(user, In(w, "PagesPerPad"), pages);
    user.chooseItem(In(w, "BackCover"), 3);
    user.pressReturn(w);
  };
}

// Fills the saved-job dialog as a user would, then presses Return.
ui::ScriptedInteraction::ModalStep FillSavedJob(std::string passcode, std::string confirmation) {
  return [=](ui::Window& w, ui::UserDriver& user) {
    user.click(*In(w, "SaveOption").children()[1]);
    Retype(user, In(w, "SavedJobName"), "Report");
    Retype(user, In(w, "SavedJobFolder"), "Q3 reports");
    user.chooseItem(In(w, "JobFormat"), 2);
    if (In(w, "SecureJob").value() == 0) user.click(In(w, "SecureJob"));
    Retype(user, In(w, "Passcode"), passcode);
    if (In(w, "ConfirmPasscode").enabled()) Retype(user, In(w, "ConfirmPasscode"), confirmation);
    user.pressReturn(w);
  };
}

void Escape(ui::Window& w, ui::UserDriver& user) { user.pressEscape(w); }

class JobTypeDialogs : public korvo_test::DialogTest {
 protected:
  korvo_test::PluginDialog dialog{session};
  PadSettings& pads() { return dialog.panel().pads; }
  void ChoosePads() { ASSERT_EQ(dialog.choose("Finishing", "Pads..."), platform::noErr); }
  SavedJobSettings stored() { return ReadSavedJobSettings(dialog.panel().jobType); }
};

// The largest counts pass with the total noted; one more, or none, gets its own alert and the
// dialog stays open.
TEST_F(JobTypeDialogs, PadCountsPassUpToTheLargestAndOneMoreOrNoneGetsItsAlert) {
  const struct {
    const char *pads, *pages, *header;  // header null: taken, with the total in a note
  } cases[] = {{"10", "65501", "InvaldPagesPerPad"},
               {"", "10", "NumberOfPadErrorString"},
               {"0", "10", "NumberOfPadErrorString"},
               {"10", "", "PagesPerPadErrorString"},
               {"500", "65500", nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.pads) + " " + c.pages);
    script.onModal(FillPads(c.pads, c.pages));
    if (c.header) script.onModal(Escape);
    ChoosePads();
    ASSERT_TRUE(script.scriptUsedUp());
    ASSERT_FALSE(script.alerts().empty());
    const ui::AlertRequest& alert = script.alerts().back();
    if (c.header) {
      EXPECT_EQ(alert.title, dialog.panel().bundle->localizedString(c.header));
      EXPECT_FALSE(pads().on);
      continue;
    }
    EXPECT_EQ(alert.level, ui::AlertLevel::Note);
    EXPECT_NE(alert.message.find("32750000"), std::string::npos) << alert.message;
    EXPECT_TRUE(pads().on);
    EXPECT_EQ(std::pair(pads().numberOfPads, pads().pagesPerPad), std::pair(500, 65500));
  }
}

// (A mismatched confirmation is korvo-pde set's to check.)
TEST_F(JobTypeDialogs, AShortPasscodeGetsTheAlertAndTheDialogStaysOpen) {
  script.onModal(FillSavedJob("482", "482"));
  script.onModal(Escape);
  const SavedJobSettings before = stored();
  ASSERT_EQ(dialog.choose("JobType", "Saved Job"), platform::noErr);
  ASSERT_EQ(script.alerts().size(), 1u);
  EXPECT_EQ(script.alerts().back().level, ui::AlertLevel::Caution);
  EXPECT_EQ(stored(), before);
}

// (That an emptied passcode is made up and shown is korvo-pde set's to check.) Made up from the
// system's random source, not the clock: many within one second differ.
TEST(SecurePasscode, IsMadeUpFromTheRandomSourceNotTheClock) {
  std::set<std::string> made;
  for (int i = 0; i < 20; ++i) {
    const std::string p = GenerateSecurePasscode();
    EXPECT_TRUE(p.size() == 4 && p >= "1000" && p <= "9999") << p;
    made.insert(p);
  }
  EXPECT_GT(made.size(), 1u);
}

TEST_F(JobTypeDialogs, TheBarAndInFoldersTheSlashBeepAndDotFoldersAreRefused) {
  script.onModal([](ui::Window& w, ui::UserDriver& user) {
    Retype(user, In(w, "SavedJobName"), "A|B");
    EXPECT_EQ(In(w, "SavedJobName").text(), "AB");
    Retype(user, In(w, "SavedJobFolder"), "x/y");
    EXPECT_EQ(In(w, "SavedJobFolder").text(), "xy");
    Retype(user, In(w, "SavedJobFolder"), "..");
    user.pressReturn(w);
    EXPECT_FALSE(w.modalResult());
    user.pressEscape(w);
  });
  ASSERT_EQ(dialog.choose("JobType", "Saved Job"), platform::noErr);
  EXPECT_EQ(script.beeps(), 2);
  EXPECT_EQ(script.alerts().size(), 1u);
}

TEST(SavedJobLocation, AFolderIsPercentEncodedUnderTheDefaultAndReadBack) {
  EXPECT_EQ(SavedJobLocationOfFolder(""), "file:///job-repository/");
  EXPECT_EQ(SavedJobLocationOfFolder("Ré 1%"), "file:///job-repository/R%C3%A9%201%25/");
  EXPECT_EQ(FolderOfSavedJobLocation("file:///job-repository/R%C3%A9%201%25/"), "Ré 1%");
  for (const char* elsewhere : {"file:///job-repository/", "file:///elsewhere/a/", "file:///job-repository/a/b/"})
    EXPECT_EQ(FolderOfSavedJobLocation(elsewhere), "") << elsewhere;
  // A location the dialog cannot show as a folder survives until a folder is chosen.
  platform::PlistDict d{{kJobTypeSavedJobLocationKey, "file:///elsewhere/a/"}};
  SavedJobSettings s = ReadSavedJobSettings(d);
  WriteSavedJobSettings(s, d);
  EXPECT_EQ(*d[kJobTypeSavedJobLocationKey].asString(), "file:///elsewhere/a/");
  s.folder = "b";
  WriteSavedJobSettings(s, d);
  EXPECT_EQ(*d[kJobTypeSavedJobLocationKey].asString(), "file:///job-repository/b/");
}

}  // namespace
