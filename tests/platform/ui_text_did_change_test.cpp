// The text-did-change event follows the field's own editing, with the text as it now is, and
// stays away when a handler took the text or nothing changed.
#include <gtest/gtest.h>

#include "platform/ui/user_driver.h"
#include "platform/ui/window.h"

namespace {

using namespace platform::ui;

TEST(TextDidChange, FollowsTheFieldsOwnEditingOnly) {
  Window window("Test", Rect{0, 0, 100, 100});
  Control* field = window.content().embed(std::make_unique<Control>(ControlKind::EditText, ControlID{1, 1}, Rect{}));
  std::vector<std::string> texts;
  auto seen = field->installHandler({{kEventClassTextField, kEventTextDidChange}}, [&](Event& e) {
    texts.push_back(e.control->text());
    return platform::eventNotHandledErr;
  });
  auto dropDigits = field->installHandler({{kEventClassTextInput, kEventTextInputUnicodeForKeyEvent}}, [](Event& e) {
    return (e.text >= "0" && e.text <= "9") ? platform::noErr : platform::eventNotHandledErr;
  });
  UserDriver user;
  user.type(*field, "\ba1b\b");  // the first delete finds nothing; the digit is taken
  user.paste(*field, "xyz");
  field->setText("set by the program");
  EXPECT_EQ(texts, (std::vector<std::string>{"a", "ab", "a", "axyz"}));
}

}  // namespace

namespace {

TEST(TextDidChange, TextViewsTakeTypingUnlessLocked) {
  Window window("Test", Rect{0, 0, 100, 100});
  Control* notes = window.content().embed(std::make_unique<Control>(ControlKind::TextView, ControlID{1, 2}, Rect{}));
  UserDriver user;
  EXPECT_EQ(user.type(*notes, "two\nlines"), platform::noErr);
  EXPECT_EQ(notes->text(), "two\nlines");
  notes->setLocked(true);
  EXPECT_EQ(user.type(*notes, "more"), kUserCannotReachErr);
  EXPECT_EQ(notes->text(), "two\nlines");
}

}  // namespace
