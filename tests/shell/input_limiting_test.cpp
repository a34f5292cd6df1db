// Input limiting as the user meets it: keystrokes and pastes that fit go in, others beep and are
// dropped, and the field tells its window how long its text is after every change.
#include "shell/input_limiting.h"

#include <gtest/gtest.h>

#include "platform/ui/scripted_interaction.h"
#include "platform/ui/user_driver.h"
#include "platform/ui/window.h"

namespace {

using namespace platform::ui;
using platform::FourCharCodeText;

class InputLimiting : public ::testing::Test {
 protected:
  InputLimiting() : window("Dialog", Rect{0, 0, 300, 200}) {
    field = window.content().embed(std::make_unique<Control>(ControlKind::EditText, ControlID{1, 1}, Rect{}));
    combo = window.content().embed(std::make_unique<Control>(ControlKind::ComboBox, ControlID{1, 2}, Rect{}));
    // The dialog listens for the notifications, as its OK button would.
    listener = window.installHandler({{kEventClassKPDE, kEventInputEmpty},
                                      {kEventClassKPDE, kEventInputTooShort},
                                      {kEventClassKPDE, kEventInputLongEnough}},
                                     [this](Event& e) {
                                       notifications.push_back(FourCharCodeText(e.kind));
                                       return platform::noErr;
                                     });
  }
  Window window;
  Control* field;
  Control* combo;
  UserDriver user;
  ScriptedInteraction person;
  std::vector<std::string> notifications;
  EventHandlerRef listener;
};

std::shared_ptr<const CharacterSet> Digits() { return std::make_shared<CharacterSet>(CharacterSet::DecimalDigits()); }

TEST_F(InputLimiting, AFullFieldTakesADigitOnlyInPlaceOfASelection) {
  ASSERT_EQ(LimitInputLengthAndCharacters(field, 0, 7, Digits()), platform::noErr);
  user.type(*field, "12345678");
  EXPECT_EQ(field->text(), "1234567");
  EXPECT_EQ(person.beeps(), 1);
  user.select(*field, {2, 1});
  user.type(*field, "9");
  EXPECT_EQ(field->text(), "1294567");
  user.type(*field, "0");  // the caret, with nothing selected
  EXPECT_EQ(field->text(), "1294567");
  EXPECT_EQ(person.beeps(), 2);
  user.select(*field, {0, 3});
  user.paste(*field, "0000");  // one piece: four units in place of three would make eight
  EXPECT_EQ(field->text(), "1294567");
  EXPECT_EQ(person.beeps(), 3);
}

TEST_F(InputLimiting, CharactersOutsideTheSetBeepAndAreDropped) {
  LimitInputLengthAndCharacters(field, 0, 0, Digits());
  user.type(*field, "4a2");
  EXPECT_EQ(field->text(), "42");
  EXPECT_EQ(person.log(), std::vector<std::string>{"beep"});
  user.paste(*field, "7x");  // a pasted piece with one wrong character is dropped whole
  EXPECT_EQ(field->text(), "42");
  EXPECT_EQ(person.beeps(), 2);
}

TEST_F(InputLimiting, LengthsCountUTF16Units) {
  LimitInputLengthAndCharacters(field, 0, 3, nullptr);
  user.type(*field, "\xC3\xA9\xF0\x9F\x98\x80");  // é (one unit) and an emoji (two)
  EXPECT_EQ(field->text(), "\xC3\xA9\xF0\x9F\x98\x80");
  user.type(*field, "x");
  EXPECT_EQ(person.beeps(), 1);
}

TEST_F(InputLimiting, ControlKeysPassEvenInAFullField) {
  LimitInputLengthAndCharacters(field, 0, 2, Digits());
  user.type(*field, "12\b\b3");
  EXPECT_EQ(field->text(), "3");
  EXPECT_EQ(person.beeps(), 0);
}

TEST_F(InputLimiting, TheFieldSaysWhetherItsTextIsEmptyTooShortOrLongEnough) {
  LimitInputLengthAndCharacters(field, 3, 0, nullptr);
  user.type(*field, "abc\b\b\b");
  EXPECT_EQ(notifications, (std::vector<std::string>{"ICfw", "ICfw", "ICso", "ICfw", "ICfw", "ICno"}));
  notifications.clear();
  user.type(*field, "x");
  user.type(*field, "\b\b");  // the second delete finds nothing to delete, and says nothing
  EXPECT_EQ(notifications, (std::vector<std::string>{"ICfw", "ICno"}));
}

TEST_F(InputLimiting, WithoutAMinimumOneCharacterIsLongEnoughAndDroppedTextSaysNothing) {
  LimitInputLengthAndCharacters(field, 0, 1, nullptr);
  user.type(*field, "ab");
  EXPECT_EQ(notifications, std::vector<std::string>{"ICso"});
}

TEST_F(InputLimiting, AChoiceFromAComboBoxListIsLongEnough) {
  combo->menu().append(MenuItem("Use Login Name"));
  LimitInputLengthAndCharacters(combo, 30, 40, Digits());
  user.chooseItem(*combo, 1);
  EXPECT_EQ(combo->text(), "Use Login Name");
  EXPECT_EQ(notifications, std::vector<std::string>{"ICso"});
}

TEST_F(InputLimiting, LimitingAgainReplacesTheLimitsAndALeftOutSetIsLifted) {
  auto digits = Digits();
  std::weak_ptr<const CharacterSet> kept = digits;
  LimitInputLengthAndCharacters(field, 0, 2, std::move(digits));
  EXPECT_FALSE(kept.expired());  // the field keeps the set
  LimitInputLengthAndCharacters(field, 0, 4, nullptr);
  EXPECT_TRUE(kept.expired());
  user.type(*field, "abcde");
  EXPECT_EQ(field->text(), "abcd");
}

TEST_F(InputLimiting, TheFieldLetsGoOfItsSetWhenDisposed) {
  auto digits = Digits();
  std::weak_ptr<const CharacterSet> kept = digits;
  LimitInputLengthAndCharacters(field, 0, 2, std::move(digits));
  digits.reset();
  window.content().detach(*field).reset();
  EXPECT_TRUE(kept.expired());
}

TEST_F(InputLimiting, CharacterSetsTakeWholeCharacters) {
  CharacterSet set = CharacterSet::FromCharacters("0123456789,\xCB\x9A");
  EXPECT_TRUE(set.containsAll("12,5\xCB\x9A"));
  EXPECT_FALSE(set.containsAll("\xCB"));  // half a character is none of the set's
  EXPECT_TRUE(IsControlText("\b\x1C\x7F"));
  EXPECT_FALSE(IsControlText("\b1"));
  EXPECT_EQ(LimitInputLengthAndCharacters(nullptr, 0, 1, nullptr), platform::paramErr);
}

}  // namespace
