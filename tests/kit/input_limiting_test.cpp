// Input limiting as the user meets it: what fits goes in, the rest beeps and is dropped, and the
// field tells its window how long its text is after every change.
#include "kit/input_limiting.h"

#include <gtest/gtest.h>

#include "platform/ui/scripted_interaction.h"
#include "platform/ui/user_driver.h"
#include "platform/ui/window.h"

namespace {

using namespace platform::ui;

class InputLimiting : public ::testing::Test {
 protected:
  InputLimiting() : window("Dialog", Rect{0, 0, 300, 200}) {
    field = window.content().embed(std::make_unique<Control>(ControlKind::EditText, ControlID{1, 1}, Rect{}));
    listener = window.installHandler(
        {{kEventClassKPDE, kEventInputEmpty}, {kEventClassKPDE, kEventInputTooShort}, {kEventClassKPDE, kEventInputLongEnough}},
        [this](Event& e) {
          notes += platform::FourCharCodeText(e.kind) + " ";
          return platform::noErr;
        });
  }
  Window window;
  Control* field;
  UserDriver user;
  ScriptedInteraction person;
  std::string notes;
  EventHandlerRef listener;
};

std::shared_ptr<const CharacterSet> Digits() { return std::make_shared<CharacterSet>(CharacterSet::DecimalDigits()); }

TEST_F(InputLimiting, AFullFieldTakesADigitOnlyInPlaceOfASelection) {
  LimitInputLengthAndCharacters(field, 0, 7, Digits());
  user.type(*field, "12345678");
  EXPECT_EQ(field->text(), "1234567");
  user.select(*field, {2, 1});
  user.type(*field, "90");  // the 9 replaces the 3; the 0 finds nothing selected
  EXPECT_EQ(field->text(), "1294567");
  user.select(*field, {0, 3});
  user.paste(*field, "0000");  // four units in place of three make eight
  EXPECT_EQ(field->text(), "1294567");
  user.type(*field, "\b");  // control keys pass a full field
  EXPECT_EQ(field->text(), "4567");
  EXPECT_EQ(person.beeps(), 3);
}

TEST_F(InputLimiting, CharactersOutsideTheSetBeepAndAreDropped) {
  LimitInputLengthAndCharacters(field, 0, 0, Digits());
  user.type(*field, "4a2");
  user.paste(*field, "7x");  // one wrong character drops the whole piece
  EXPECT_EQ(field->text(), "42");
  EXPECT_EQ(person.beeps(), 2);
  LimitInputLengthAndCharacters(field, 0, 5, nullptr);  // lengths count UTF-16 units
  user.type(*field, "\xC3\xA9\xF0\x9F\x98\x80x");  // é is one unit, the emoji two
  EXPECT_EQ(field->text(), "42\xC3\xA9\xF0\x9F\x98\x80");
  EXPECT_EQ(person.beeps(), 3);
  // A field that takes all but some characters beeps only at those.
  field->setText("");
  LimitInputLengthAndCharacters(field, 0, 0, std::make_shared<CharacterSet>(CharacterSet::AllExcept("|/")));
  user.type(*field, "Q3|re\xC3\xA9/x");
  user.paste(*field, "a|b");
  EXPECT_EQ(field->text(), "Q3re\xC3\xA9x");
  EXPECT_EQ(person.beeps(), 6);
  EXPECT_FALSE(CharacterSet::AllExcept("|").containsAll("\xFF"));  // a broken byte is in no set
  EXPECT_FALSE(CharacterSet::AllExcept("").empty());
}

TEST_F(InputLimiting, TheFieldSaysWhetherItsTextIsEmptyTooShortOrLongEnough) {
  LimitInputLengthAndCharacters(field, 3, 0, nullptr);
  user.type(*field, "abc\b\b\b\b");  // the last delete changes nothing and says nothing
  EXPECT_EQ(notes, "ICfw ICfw ICso ICfw ICfw ICno ");
  notes.clear();
  LimitInputLengthAndCharacters(field, 0, 1, nullptr);  // without a minimum, one is enough
  user.type(*field, "xy");
  EXPECT_EQ(notes, "ICso ");
  Control* combo = window.content().embed(std::make_unique<Control>(ControlKind::ComboBox, ControlID{1, 2}, Rect{}));
  combo->menu().append(MenuItem("Use Login Name"));
  LimitInputLengthAndCharacters(combo, 30, 40, Digits());
  notes.clear();
  user.chooseItem(*combo, 1);
  EXPECT_EQ(notes, "ICso ");
}

TEST_F(InputLimiting, TheFieldKeepsItsSetUntilLimitedAgainOrDisposed) {
  auto digits = Digits();
  std::weak_ptr<const CharacterSet> kept = digits;
  LimitInputLengthAndCharacters(field, 0, 2, std::move(digits));
  EXPECT_FALSE(kept.expired());
  LimitInputLengthAndCharacters(field, 0, 4, nullptr);
  EXPECT_TRUE(kept.expired());
  user.type(*field, "abcde");
  EXPECT_EQ(field->text(), "abcd");

  auto letters = std::make_shared<CharacterSet>(CharacterSet::FromCharacters("ab"));
  kept = letters;
  LimitInputLengthAndCharacters(field, 0, 2, std::move(letters));
  window.content().detach(*field).reset();
  EXPECT_TRUE(kept.expired());
  EXPECT_EQ(LimitInputLengthAndCharacters(nullptr, 0, 1, nullptr), platform::paramErr);
}

TEST_F(InputLimiting, ALineBreakInAMultiLineViewTakesRoomLikeAnyCharacter) {
  Control* view = window.content().embed(std::make_unique<Control>(ControlKind::TextView, ControlID{1, 3}, Rect{}));
  LimitInputLengthAndCharacters(view, 0, 4, Digits());
  user.type(*view, "12\n3\r");  // the line feed fits and needs no place in the set; the Return does not fit
  EXPECT_EQ(view->text(), "12\n3");
  EXPECT_EQ(person.beeps(), 1);
  LimitInputLengthAndCharacters(field, 0, 1, Digits());
  user.type(*field, "7\r");  // in a one-line field Return is a key, never text that takes room
  EXPECT_EQ(person.beeps(), 1);
}

}  // namespace
