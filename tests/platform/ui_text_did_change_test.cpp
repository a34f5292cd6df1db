// The text-did-change event: it follows the field's own editing, so a handler sees the text as it
// now is, and it stays away when a handler took the text or nothing changed.
#include <gtest/gtest.h>

#include "platform/ui/user_driver.h"
#include "platform/ui/window.h"

namespace {

using namespace platform::ui;

class TextDidChange : public ::testing::Test {
 protected:
  TextDidChange() : window("Test", Rect{0, 0, 100, 100}) {
    field = window.content().embed(std::make_unique<Control>(ControlKind::EditText, ControlID{1, 1}, Rect{}));
    seen = field->installHandler({{kEventClassTextField, kEventTextDidChange}}, [this](Event& e) {
      texts.push_back(e.control->text());
      return platform::eventNotHandledErr;
    });
  }
  Window window;
  Control* field;
  UserDriver user;
  std::vector<std::string> texts;
  EventHandlerRef seen;
};

TEST_F(TextDidChange, FollowsEachKeystrokeWithTheTextAsItNowIs) {
  user.type(*field, "ab\b");
  EXPECT_EQ(texts, (std::vector<std::string>{"a", "ab", "a"}));
  user.paste(*field, "xyz");
  EXPECT_EQ(texts.back(), "axyz");
}

TEST_F(TextDidChange, IsNotSentWhenAHandlerTookTheTextOrNothingChanged) {
  auto dropDigits = field->installHandler({{kEventClassTextInput, kEventTextInputUnicodeForKeyEvent}}, [](Event& e) {
    return (e.text >= "0" && e.text <= "9") ? platform::noErr : platform::eventNotHandledErr;
  });
  user.type(*field, "1\b");  // the digit is dropped; a delete in an empty field changes nothing
  EXPECT_TRUE(texts.empty());
  field->setText("set by the program");
  EXPECT_TRUE(texts.empty());
}

}  // namespace
