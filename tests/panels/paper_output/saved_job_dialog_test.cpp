// The saved-job set-up as a print room uses it: every value kept through OK and shown again, a
// passcode that cannot release the job refused, a made-up passcode that cannot be guessed, and
// the characters the printer's folders cannot hold refused as they are typed.
#include <gtest/gtest.h>

#include <set>

#include "model/paper_output_keys.h"
#include "panels/paper_output/paper_output_panel.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "panels/paper_output/saved_job_settings.h"
#include "platform/ui/scripted_interaction.h"
#include "vocabulary/setting_map_menus.h"

namespace {

namespace ui = platform::ui;
using korvo_test::In;
using korvo_test::PluginDialog;
using korvo_test::Retype;

// Fills the dialog as a user would, then presses Return.
ui::ScriptedInteraction::ModalStep Fill(std::string passcode, std::string confirmation) {
  return [=](ui::Window& w, ui::UserDriver& user) {
    user.click(*w.content().findNamed("SaveOption")->children()[1]);
    Retype(user, In(w, "SavedJobName"), "Report");
    Retype(user, In(w, "SavedJobFolder"), "Q3 reports");
    user.chooseItem(In(w, "JobFormat"), 2);
    if (In(w, "SecureJob").value() == 0) user.click(In(w, "SecureJob"));
    Retype(user, In(w, "Passcode"), passcode);
    if (In(w, "ConfirmPasscode").enabled()) Retype(user, In(w, "ConfirmPasscode"), confirmation);
    user.pressReturn(w);
  };
}

class SavedJobDialog : public korvo_test::DialogTest {
 protected:
  PluginDialog dialog{session};
  SavedJobSettings stored() { return ReadSavedJobSettings(dialog.panel().jobType); }
};

TEST_F(SavedJobDialog, EveryValueSurvivesOKAndIsShownOnReopening) {
  script.onModal(Fill("4821", "4821"));
  ASSERT_EQ(dialog.choose("JobType", "Saved Job"), platform::noErr);
  ASSERT_TRUE(script.scriptUsedUp());
  const SavedJobSettings expected{kSaveAndPrint, false, "Report", "Q3 reports", 4, true, "4821", ""};
  EXPECT_EQ(stored(), expected);
  EXPECT_EQ(*dialog.panel().jobType[kJobTypeSavedJobLocationKey].asString(), "file:///job-repository/Q3%20reports/");

  SavedJobSettings shown;
  script.onModal([&](ui::Window& w, ui::UserDriver& user) {
    shown.saveOption = w.content().findNamed("SaveOption")->value();
    shown.useJobName = false;
    shown.jobName = In(w, "SavedJobName").text();
    shown.folder = In(w, "SavedJobFolder").text();
    shown.format = GetPopupButtonTicketValue(In(w, "JobFormat")).value_or(0);
    shown.secure = In(w, "SecureJob").value() != 0;
    shown.passcode = In(w, "Passcode").text();
    EXPECT_TRUE(In(w, "ConfirmPasscode").enabled());
    user.pressEscape(w);
  });
  ASSERT_EQ(dialog.user().click(*dialog.window().find({kPaperOutputSignature, 3})), platform::noErr);  // Setup
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(stored(), expected);  // Cancel kept it
  dialog.sync(false);
  const platform::PlistDict* written = dialog.settings().getDictionary(kJobTypeKey);
  ASSERT_NE(written, nullptr);
  EXPECT_EQ(ReadSavedJobSettings(*written), expected);
}

TEST_F(SavedJobDialog, AShortOrMismatchedPasscodeGetsTheAlertAndTheDialogStaysOpen) {
  std::size_t alerts = 0;
  for (const auto& [passcode, confirmation] : {std::pair{"482", "482"}, std::pair{"4821", "4822"}}) {
    script.onModal(Fill(passcode, confirmation));
    script.onModal([](ui::Window& w, ui::UserDriver& user) { user.pressEscape(w); });
    const SavedJobSettings before = stored();
    ASSERT_EQ(dialog.choose("JobType", "Saved Job"), platform::noErr);
    ASSERT_EQ(script.alerts().size(), ++alerts) << passcode;
    EXPECT_EQ(script.alerts().back().level, ui::AlertLevel::Caution);
    EXPECT_EQ(stored(), before) << passcode;
    dialog.choose("JobType", "Normal Print");
  }
}

TEST_F(SavedJobDialog, AnEmptyPasscodeIsMadeUpShownAndKept) {
  script.onModal(Fill("", ""));
  ASSERT_EQ(dialog.choose("JobType", "Saved Job"), platform::noErr);
  ASSERT_EQ(script.alerts().size(), 1u);
  EXPECT_EQ(script.alerts()[0].level, ui::AlertLevel::Note);
  const std::string passcode = stored().passcode;
  ASSERT_EQ(passcode.size(), 4u);
  EXPECT_NE(script.alerts()[0].message.find(passcode), std::string::npos);
  // Made up from the system's random source, not the clock: many within one second differ.
  std::set<std::string> made;
  for (int i = 0; i < 20; ++i) {
    const std::string p = GenerateSecurePasscode();
    ASSERT_EQ(p.size(), 4u);
    EXPECT_TRUE(p >= "1000" && p <= "9999") << p;
    made.insert(p);
  }
  EXPECT_GT(made.size(), 1u);
}

TEST_F(SavedJobDialog, TheBarAndInFoldersTheSlashBeepAndDotFoldersAreRefused) {
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
  EXPECT_EQ(FolderOfSavedJobLocation("file:///job-repository/"), "");
  EXPECT_EQ(FolderOfSavedJobLocation("file:///elsewhere/a/"), "");
  EXPECT_EQ(FolderOfSavedJobLocation("file:///job-repository/a/b/"), "");
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
