// The combo box with input history: its list, the value it reports, and what it remembers of the
// user's typing in the input-history file, which it never spoils.
#include "controls/combo_box.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "controls/controls_test_support.h"
#include "platform/files/folders.h"
#include "platform/files/preference_file.h"
#include "platform/plist/xml_plist.h"
#include "platform/ui/scripted_interaction.h"
#include "platform/ui/user_driver.h"
#include "platform/ui/window.h"
#include "vocabulary/input_history.h"

namespace {

using namespace platform::ui;
using platform::PlistArray;
using platform::PlistValue;

class ComboBox : public ::testing::Test {
 protected:
  ComboBox() : window("Job Notes", Rect{0, 0, 300, 200}) {
    bundle = controls_test::MakeBundle(dir, "msgid \"UseLoginName\"\nmsgstr \"Use Login Name\"\n");
    combo = window.content().embed(std::make_unique<Control>(ControlKind::ComboBox, ControlID{1, 1}, Rect{}));
    options.bundle = bundle;
    options.map = LoginNameMap;
    options.historyKey = "UserName";
    options.maximumHistoryCount = 3;
    options.maximumLength = 8;
  }
  void WriteHistory(PlistArray entries) {
    platform::PlistDict file{{"UserName", PlistValue(std::move(entries))}, {"Other", PlistValue("kept")}};
    ASSERT_TRUE(platform::WritePreferenceFile(InputHistoryFilePath(), file));
  }
  PlistArray SavedHistory() {
    auto file = platform::ReadXMLPlistDictionaryFile(InputHistoryFilePath());
    if (!file) return {};
    const PlistValue* list = platform::PlistDictFind(*file, "UserName");
    return list && list->asArray() ? *list->asArray() : PlistArray{};
  }
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
  controls_test::ScopedLocale english{"en_US.UTF-8"};
  platform::Bundle* bundle;
  ScriptedInteraction person;
  Window window;
  Control* combo;
  UserDriver user;
  KComboOptions options;
};

TEST_F(ComboBox, ListsTheSpecialEntriesThenTheHistoryNewestFirstUpToTheMaximum) {
  WriteHistory({"Erin", "Dan", "Carol", "Bob", "Alice"});
  ASSERT_EQ(KComboBoxInitializeWithMapAndHistory(combo, options), platform::noErr);
  EXPECT_EQ(ListTexts(), (std::vector<std::string>{"Use Login Name", "Erin", "Dan", "Carol"}));
}

TEST_F(ComboBox, OffersOnlyEntriesTheFieldCouldHoldNow) {
  options.minimumLength = 2;
  options.allowedCharacters = std::string("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
  options.maximumHistoryCount = 10;
  WriteHistory({"Bartholomew", "Al", "B", "O'Hara", PlistValue(42), "Zoe"});
  KComboBoxInitializeWithMapAndHistory(combo, options);
  EXPECT_EQ(ListTexts(), (std::vector<std::string>{"Use Login Name", "Al", "Zoe"}));
}

TEST_F(ComboBox, WithoutABundleOrAHistoryFileTheListIsEmpty) {
  options.bundle = nullptr;
  KComboBoxInitializeWithMapAndHistory(combo, options);
  EXPECT_TRUE(ListTexts().empty());
  EXPECT_EQ(KComboBoxInitializeWithMapAndHistory(nullptr, options), platform::paramErr);
}

TEST_F(ComboBox, ReportsTheSpecialValueTheTextOrNothing) {
  KComboBoxInitializeWithMapAndHistory(combo, options);
  KComboValue value;
  EXPECT_EQ(KComboBoxCopyValue(combo, &value), kKComboEmptyErr);
  user.chooseItem(*combo, 1);
  ASSERT_EQ(KComboBoxCopyValue(combo, &value), platform::noErr);
  EXPECT_EQ(value, KComboValue(kUseLoginNameValue));
  user.type(*combo, "!");  // past the maximum length: dropped
  EXPECT_EQ(person.beeps(), 1);
  user.select(*combo, {0, 100});
  user.type(*combo, "Zoe");
  KComboBoxCopyValue(combo, &value);
  EXPECT_EQ(value, KComboValue(std::string("Zoe")));
}

TEST_F(ComboBox, ShowsASpecialValueAsItsLabel) {
  KComboBoxInitializeWithMapAndHistory(combo, options);
  const KComboValue special = kUseLoginNameValue;
  ASSERT_EQ(KComboBoxSetValue(combo, &special), platform::noErr);
  EXPECT_EQ(combo->text(), "Use Login Name");
  KComboValue back;
  KComboBoxCopyValue(combo, &back);
  EXPECT_EQ(back, special);
  const KComboValue text = std::string("Use Login Name ");
  KComboBoxSetValue(combo, &text);
  KComboBoxCopyValue(combo, &back);
  EXPECT_EQ(back, text);  // not quite the label: a name like any other
  EXPECT_EQ(KComboBoxSetValue(combo, nullptr), platform::paramErr);
}

TEST_F(ComboBox, ANumericFieldTakesDigitsWithinItsValues) {
  options.kind = KComboKind::kNumeric;
  options.map = nullptr;
  options.minimumValue = 1;
  options.maximumValue = 250;
  options.maximumHistoryCount = 5;
  WriteHistory({PlistValue(300), PlistValue(12), "7", PlistValue(0), PlistValue(250)});
  KComboBoxInitializeWithMapAndHistory(combo, options);
  EXPECT_EQ(ListTexts(), (std::vector<std::string>{"12", "250"}));
  user.type(*combo, "0x1234");  // the letter beeps, and so does every digit past the three of 250
  EXPECT_EQ(combo->text(), "012");
  EXPECT_EQ(person.beeps(), 3);
  user.select(*combo, {0, 100});
  user.type(*combo, "0");
  KComboValue value;
  ASSERT_EQ(KComboBoxCopyValue(combo, &value), platform::noErr);
  EXPECT_EQ(value, KComboValue(1));
  EXPECT_EQ(combo->text(), "1");
  const KComboValue number = 1234;
  KComboBoxSetValue(combo, &number);
  EXPECT_EQ(combo->text(), "1,234");
}

TEST_F(ComboBox, RemembersANewEntryFirstAndKeepsTheMaximum) {
  options.maximumHistoryCount = 10;
  WriteHistory({"j", "i", "h", "g", "f", "e", "d", "c", "b", "a"});
  KComboBoxInitializeWithMapAndHistory(combo, options);
  ASSERT_EQ(TypeAndSave("Kim"), platform::noErr);
  EXPECT_EQ(SavedHistory(), (PlistArray{"Kim", "j", "i", "h", "g", "f", "e", "d", "c", "b"}));
  auto file = platform::ReadXMLPlistDictionaryFile(InputHistoryFilePath());
  EXPECT_EQ(*platform::PlistDictFind(*file, "Other"), PlistValue("kept"));
}

TEST_F(ComboBox, NeverRemembersAnEntryTheListHolds) {
  WriteHistory({"Carol", "Bob", "Alice"});
  KComboBoxInitializeWithMapAndHistory(combo, options);
  TypeAndSave("Bob");  // already offered: it keeps its place
  EXPECT_EQ(SavedHistory(), (PlistArray{"Carol", "Bob", "Alice"}));
  KComboBoxInitializeWithMapAndHistory(combo, options);
  user.chooseItem(*combo, 1);
  KComboBoxFinalize(combo, true);
  EXPECT_EQ(SavedHistory(), (PlistArray{"Carol", "Bob", "Alice"}));
}

TEST_F(ComboBox, ANumericFieldRemembersNumbers) {
  options.kind = KComboKind::kNumeric;
  options.maximumValue = 999;
  std::filesystem::remove_all(home.dir().file("config"));  // a user with no preferences yet
  KComboBoxInitializeWithMapAndHistory(combo, options);
  ASSERT_EQ(TypeAndSave("42"), platform::noErr);
  EXPECT_EQ(SavedHistory(), PlistArray{PlistValue(42)});
}

TEST_F(ComboBox, FinalisingWithoutSavingWritesNothingAndReleasesTheState) {
  KComboBoxInitializeWithMapAndHistory(combo, options);
  user.type(*combo, "Kim");
  EXPECT_EQ(KComboBoxFinalize(combo, false), platform::noErr);
  EXPECT_FALSE(std::filesystem::exists(InputHistoryFilePath()));
  KComboValue value;
  EXPECT_EQ(KComboBoxCopyValue(combo, &value), platform::paramErr);
  EXPECT_EQ(KComboBoxFinalize(combo, true), platform::paramErr);
}

TEST_F(ComboBox, ACorruptHistoryFileIsNamedOnceAndLeftByteForByte) {
  std::filesystem::create_directories(platform::UserPreferencesFolder());
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
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(platform::UserPreferencesFolder()),
                          std::filesystem::directory_iterator()),
            1);  // nothing kept aside either: the file is where the user left it
}

}  // namespace
