// The Job Notes panel driven as a user drives it: names typed or left to the system, the
// histories offered the next time, the message fields' limits and Return, and the preferences.
// (What the job ticket export makes of the names and messages is korvo-pde set's to check.)
#include <gtest/gtest.h>

#include "host/korvo_pde_runner.h"
#include "kit/preference_locations.h"
#include "kit/user_preferences.h"
#include "model/job_notes_keys.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/system/host_identity.h"
#include "platform/ui/scripted_interaction.h"

namespace {

namespace ui = platform::ui;
using korvo_test::PluginDialog;
using korvo_test::Titled;

std::optional<std::string> Pat() { return "pat"; }
std::optional<std::string> Nobody() { return std::nullopt; }

class JobNotesPanel : public korvo_test::DialogTest {
 protected:
  JobNotesPanel() : DialogTest(korvo_test::SamplePPDPath()) {}
  platform::ScopedConsoleUserSource consoleUser{Pat};
  std::string Text(const char* key) {
    const std::string* text = settings().getString(key);
    return text ? *text : "(absent)";
  }
  // The control brought to the front through the panel pop-up, as a person reaches it.
  static ui::Control& Front(PluginDialog& dialog, const char* name) {
    ui::Control& control = dialog.named(name);
    EXPECT_EQ(dialog.user().bringToFront(control), platform::noErr) << name;
    return control;
  }
  static void Retype(PluginDialog& dialog, const char* name, const std::string& text) {
    korvo_test::Retype(dialog.user(), Front(dialog, name), text);
  }
  static std::vector<std::string> Items(PluginDialog& dialog, const char* name) {
    return korvo_test::MenuTexts(dialog.named(name).menu());
  }
};

TEST_F(JobNotesPanel, NamesAreWrittenAsTypedOrAsTheConsoleUserAndNeverEmpty) {
  PluginDialog dialog(session);
  korvo_test::ActOn(dialog, {{"JobName", "Quarterly report"}, {"Sender", "Use Login Name"}});
  ASSERT_EQ(dialog.sync(false), platform::noErr);
  EXPECT_EQ(Text(kJobNotesJobNameKey), "Quarterly report");
  EXPECT_EQ(settings().getBoolean(kJobNotesUseJobNameKey), false);
  EXPECT_EQ(Text(kJobNotesRecipientKey), "pat");  // left as it was: the special entry

  platform::ScopedConsoleUserSource nobody(Nobody);
  ASSERT_EQ(dialog.sync(false), platform::noErr);
  EXPECT_EQ(Text(kJobNotesJobNameKey), "Quarterly report");
  EXPECT_EQ(settings().get(kJobNotesSenderNameKey), nullptr);
  EXPECT_EQ(settings().get(kJobNotesRecipientKey), nullptr);
  EXPECT_EQ(settings().getBoolean(kJobNotesSenderUseLoginNameKey), true);
  EXPECT_EQ(settings().getBoolean(kJobNotesRecipientUseLoginNameKey), true);
}

TEST_F(JobNotesPanel, ATicketShowsANameOnlyWhenItsFlagSaysItWasTyped) {
  const auto shown = [this] {
    PluginDialog dialog(session);
    std::vector<std::string> texts;
    for (const char* field : {"JobName", "Sender", "Recipient", "BannerMessage", "JobStartMessage", "AdditionalInfo"})
      texts.push_back(dialog.named(field).text());
    return texts;
  };
  EXPECT_EQ(shown(), (std::vector<std::string>{"Use Document Name", "Use Login Name", "Use Login Name", "", "", ""}));
  settings().set(kJobNotesUseJobNameKey, true, "com.korvo.printingmanager");
  settings().set(kJobNotesJobNameKey, "Last week's name", "com.korvo.printingmanager");
  settings().set(kJobNotesSenderUseLoginNameKey, false, "com.korvo.printingmanager");
  settings().set(kJobNotesSenderNameKey, "Kim", "com.korvo.printingmanager");
  settings().set(kJobNotesRecipientKey, "Imported", "KORVO");  // a job ticket's name comes without a flag
  EXPECT_EQ(shown(), (std::vector<std::string>{"Use Document Name", "Kim", "Imported", "", "", ""}));
}

TEST_F(JobNotesPanel, EarlierNamesAreOfferedNewestFirstAtMostTenWithoutSpecialEntries) {
  platform::PlistArray older;
  for (int i = 1; i <= 10; ++i) older.push_back("name " + std::to_string(i));
  ASSERT_TRUE(WriteUserPreferences(kInputHistoryPreferencesFileName, {{kJobNotesJobNameHistoryKey, older}}));
  {
    PluginDialog dialog(session);
    korvo_test::ActOn(dialog, {{"JobName", "Quarterly report"}, {"Sender", "Use Login Name"}, {"Recipient", "Print room"}});
  }  // Terminate saves the histories
  PluginDialog dialog(session);
  const std::vector<std::string> jobNames = Items(dialog, "JobName");
  ASSERT_EQ(jobNames.size(), 11u);
  EXPECT_EQ(jobNames[0], "Use Document Name");
  EXPECT_EQ(jobNames[1], "Quarterly report");
  EXPECT_EQ(jobNames[10], "name 9");
  EXPECT_EQ(Items(dialog, "Sender"), std::vector<std::string>{"Use Login Name"});
  EXPECT_EQ(Items(dialog, "Recipient"), (std::vector<std::string>{"Use Login Name", "Print room"}));
  EXPECT_EQ(host_test::Python("d = plistlib.load(open(sys.argv[1], \"rb\")); "
                              "print(d[\"jobNotesJobName\"][0], len(d[\"jobNotesJobName\"]), "
                              "d.get(\"jobNotesSenderName\", []), d[\"jobNotesRecipientName\"])",
                              *UserPreferenceFilePath(kInputHistoryPreferencesFileName)),
            "Quarterly report 10 [] ['Print room']\n");
}

TEST_F(JobNotesPanel, MessagesStopAtTheirLimitsAndReturnBreaksTheLineAtTheCaret) {
  PluginDialog dialog(session);
  ui::UserDriver& user = dialog.user();
  ui::Control& banner = Front(dialog, "BannerMessage");
  user.paste(banner, std::string(999, 'a'));
  user.type(banner, "bc");  // the 1000th goes in, the 1001st beeps
  EXPECT_EQ(banner.text(), std::string(999, 'a') + "b");
  EXPECT_EQ(script.beeps(), 1);
  ui::Control& info = dialog.named("AdditionalInfo");
  user.paste(info, std::string(255, 'i'));
  user.type(info, "j");
  EXPECT_EQ(info.text(), std::string(255, 'i'));
  EXPECT_EQ(script.beeps(), 2);

  ui::Control& start = dialog.named("JobStartMessage");
  user.type(start, "Load A4 XX staple");
  user.select(start, {7, 4});  // " XX " gives way to one line feed
  user.type(start, "\r");
  EXPECT_EQ(start.text(), "Load A4\nstaple");
  ASSERT_EQ(dialog.sync(false), platform::noErr);
  EXPECT_EQ(Text(kJobNotesMessageKey), "Load A4\nstaple");
  Retype(dialog, "JobStartMessage", "");
  ASSERT_EQ(dialog.sync(false), platform::noErr);
  EXPECT_EQ(settings().get(kJobNotesMessageKey), nullptr);
  EXPECT_EQ(script.beeps(), 2);
}

// What OK then shows is korvo-pde set's to check.
TEST_F(JobNotesPanel, PreferencesOKStoresThemAndCancelChangesNothing) {
  const std::string prefs = *UserPreferenceFilePath(kJobNotesPreferencesFileName);
  const std::string sessionFile = home.dir().file("session.plist");
  PluginDialog dialog(session);
  korvo_test::ActOn(dialog, {{"JobStartMessage", "Draft"}, {"JobName", "Typed, not yet synced"}});
  script.onModal([](ui::Window& window, ui::UserDriver& user) {
    user.click(*Titled(window.content(), "Use Login Name as Sender Name"));
    user.pressReturn(window);
  });
  ASSERT_EQ(dialog.user().click(Front(dialog, "JobNotesPreferences")), platform::noErr);
  EXPECT_EQ(host_test::Python("print(sorted(plistlib.load(open(sys.argv[1], \"rb\")).items()))", prefs),
            "[('useDocumentNameAsJobName', 1), ('useLoginNameAsRecipientName', 1), ('useLoginNameAsSenderName', 0)]\n");

  ASSERT_EQ(dialog.sync(false), platform::noErr);
  ASSERT_TRUE(session.save(sessionFile));
  const std::string prefsBefore = korvo_test::ReadFile(prefs), sessionBefore = korvo_test::ReadFile(sessionFile);
  script.onModal([](ui::Window& window, ui::UserDriver& user) {
    for (const char* box : {"Use Document Name as Job Name", "Use Login Name as Sender Name"})
      user.click(*Titled(window.content(), box));
    user.pressEscape(window);
  });
  ASSERT_EQ(dialog.user().click(dialog.named("JobNotesPreferences")), platform::noErr);
  ASSERT_EQ(dialog.sync(false), platform::noErr);
  ASSERT_TRUE(session.save(sessionFile));
  EXPECT_EQ(korvo_test::ReadFile(prefs), prefsBefore);
  EXPECT_EQ(korvo_test::ReadFile(sessionFile), sessionBefore);
  EXPECT_TRUE(script.scriptUsedUp());
}

}  // namespace
