// The combo box with input history: the entries it lists, and what it remembers of the
// user's typing in the input-history file, which it never spoils.
#include "controls/combo_box.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "kit/input_history.h"
#include "platform/files/folders.h"
#include "platform/preferences/preference_file.h"
#include "platform/ui/scripted_interaction.h"
#include "platform/ui/user_driver.h"
#include "platform/ui/window.h"
#include "support/string_bundle.h"
#include "support/test_support.h"

namespace {

using namespace platform::ui;
using platform::PlistArray;
using platform::PlistValue;

class ComboBox : public ::testing::Test {
 protected:
  ComboBox()
      : bundle(korvo_test::BundleWithStrings(dir, "msgid \"UseLoginName\"\nmsgstr \"Use Login Name\"\n")),
        window("Job Notes", Rect{0, 0, 300, 200}) {
    combo = window.content().embed(std::make_unique<Control>(ControlKind::ComboBox, ControlID{1, 1}, Rect{}));
    options.bundle = bundle;
    options.map = LoginNameMap;
    options.historyKey = "UserName";
    options.maximumHistoryCount = 3;
    options.maximumLength = 8;
  }
  void WriteHistory(PlistArray entries) {
    ASSERT_TRUE(platform::WritePreferenceFile(InputHistoryFilePath(), {{"UserName", entries}, {"Other", "kept"}}));
  }
  platform::PlistDict SavedFile() { return platform::ReadPreferenceFile(InputHistoryFilePath()).dictionary; }
  std::vector<std::string> ListTexts() const {
    std::vector<std::string> texts;
    for (const MenuItem& item : combo->menu().items()) texts.push_back(item.text);
    return texts;
  }
  // Types into the combo box as the user would and closes the dialog, remembering the entry.
  platform::OSStatus TypeAndSave(const std::string& text) {
    user.select(*combo, {0, 100});
    user.type(*combo, text);
    return KComboBoxFinalize(combo, true);
  }

  korvo_test::ScopedXdgHome home;
  korvo_test::TempDir dir;
  const platform::Bundle* bundle;
  ScriptedInteraction person;
  Window window;
  Control* combo;
  UserDriver user;
  KComboOptions options;
};

// (The value reported is the Job Notes panel's to check.)
TEST_F(ComboBox, ListsTheSpecialEntriesThenTheValidHistoryNewestFirstUpToTheMaximum) {
  WriteHistory({"Erin", "Dan", "Carol", "Bob", "Alice"});
  ASSERT_EQ(KComboBoxInitializeWithMapAndHistory(combo, options), platform::noErr);
  EXPECT_EQ(ListTexts(), (std::vector<std::string>{"Use Login Name", "Erin", "Dan", "Carol"}));
  combo->menu().clear();
  options.minimumLength = 2;
  options.allowedCharacters = std::string("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
  WriteHistory({"Bartholomew", "Al", "B", "O'Hara", PlistValue(42), "Zoe"});
  ASSERT_EQ(KComboBoxInitializeWithMapAndHistory(combo, options), platform::noErr);
  EXPECT_EQ(ListTexts(), (std::vector<std::string>{"Use Login Name", "Al", "Zoe"}));
}

TEST_F(ComboBox, ClosingWithoutSavingWritesNothingAndForgetsTheState) {
  KComboBoxInitializeWithMapAndHistory(combo, options);
  user.type(*combo, "Zoe");
  EXPECT_EQ(KComboBoxFinalize(combo, false), platform::noErr);
  KComboValue value;
  EXPECT_EQ(KComboBoxCopyValue(combo, &value), platform::paramErr);
  EXPECT_FALSE(std::filesystem::exists(InputHistoryFilePath()));
}

TEST_F(ComboBox, RemembersOnlyNewEntriesFirstAndKeepsTheMaximum) {
  options.maximumHistoryCount = 4;
  std::filesystem::remove_all(home.dir().file("config"));  // a user without preferences yet
  KComboBoxInitializeWithMapAndHistory(combo, options);
  ASSERT_EQ(TypeAndSave("a"), platform::noErr);
  for (const char* name : {"b", "c", "d", "e", "c"}) {
    KComboBoxInitializeWithMapAndHistory(combo, options);
    TypeAndSave(name);  // "c", offered by then, keeps its place
  }
  KComboBoxInitializeWithMapAndHistory(combo, options);
  user.chooseItem(*combo, 1);
  KComboBoxFinalize(combo, true);  // special entries are never history
  EXPECT_EQ(SavedFile()["UserName"], PlistValue(PlistArray{"e", "d", "c", "b"}));
}

TEST_F(ComboBox, ACorruptHistoryFileIsNamedOnceAndLeftByteForByte) {
  const std::string path = InputHistoryFilePath();
  const std::string corrupt = "<?xml version=\"1.0\"?>\n<plist version=\"1.0\"><dict><key>UserName</key><array>";
  korvo_test::WriteFile(path, corrupt);
  testing::internal::CaptureStderr();
  KComboBoxInitializeWithMapAndHistory(combo, options);
  const platform::OSStatus saved = TypeAndSave("Kim");
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_EQ(ListTexts(), std::vector<std::string>{"Use Login Name"});
  EXPECT_EQ(saved, platform::ioErr);
  EXPECT_EQ(korvo_test::ReadFile(path), corrupt);
  EXPECT_THAT(errors, testing::StartsWith("ERROR: " + path + ":"));
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1);
  // Nothing kept aside either: the file is where the user left it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(platform::UserPreferencesFolder()), {}), 1);
}

}  // namespace
