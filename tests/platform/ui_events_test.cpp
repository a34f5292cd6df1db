// The handler chain and the user driver: what a click, a choice or a keystroke causes.
#include <gtest/gtest.h>

#include "platform/ui/interaction.h"
#include "platform/ui/scripted_interaction.h"
#include "platform/ui/user_driver.h"
#include "platform/ui/window.h"

namespace {

using namespace platform::ui;
using platform::FourCharCode;
using platform::OSStatus;

class UiEvents : public ::testing::Test {
 protected:
  UiEvents() : window("Test", Rect{0, 0, 100, 100}) {
    pane = window.content().embed(std::make_unique<Control>(ControlKind::UserPane, ControlID{1, 1}, Rect{}));
    button = pane->embed(std::make_unique<Control>(ControlKind::PushButton, ControlID{1, 2}, Rect{}));
    button->setCommand(FourCharCode("OKAY"));
    field = pane->embed(std::make_unique<Control>(ControlKind::EditText, ControlID{1, 3}, Rect{}));
  }
  EventHandlerRef Record(EventTarget& target, const std::string& name, std::vector<EventTypeSpec> types,
                         OSStatus answer = platform::eventNotHandledErr) {
    return target.installHandler(std::move(types), [this, name, answer](Event& e) {
      calls.push_back(name + ":" + platform::FourCharCodeText(e.eventClass) + "/" + std::to_string(e.kind) +
                      (e.command ? ":" + platform::FourCharCodeText(e.command) : std::string()));
      return answer;
    });
  }
  Window window;
  Control* pane;
  Control* button;
  Control* field;
  UserDriver user;
  std::vector<std::string> calls;
};

TEST_F(UiEvents, HitsBubbleUpToTheButtonsCommandUnlessHandledAndLaterHandlersRunFirst) {
  auto early = Record(*button, "early", {{kEventClassControl, kEventControlHit}}, platform::noErr);
  auto late = Record(*button, "late", {{kEventClassControl, kEventControlHit}});
  auto inPane = Record(*pane, "pane", {{kEventClassControl, kEventControlHit}});
  auto command = Record(window, "window", {{kEventClassCommand, kEventCommandProcess}});
  user.click(*button);
  EXPECT_EQ(calls, (std::vector<std::string>{"late:cntl/1", "early:cntl/1"}));
  calls.clear();
  early.remove();
  {
    EventHandlerRef scoped = Record(*button, "scoped", {{kEventClassControl, kEventControlHit}});
  }
  ASSERT_EQ(user.click(*button), platform::noErr);
  EXPECT_EQ(calls, (std::vector<std::string>{"late:cntl/1", "pane:cntl/1", "window:cmds/1:OKAY"}));
}

// Typing goes through the handlers key by key; text-did-change follows the field's own editing
// only, with the text as it now is.
TEST_F(UiEvents, TypingGoesThroughHandlersKeyByKeyEditsTheSelectionAndSaysWhatChanged) {
  std::vector<std::string> texts;
  auto seen = field->installHandler({{kEventClassTextField, kEventTextDidChange}}, [&](Event& e) {
    texts.push_back(e.control->text());
    return platform::eventNotHandledErr;
  });
  // A handler that drops digits, as an input limiter would.
  auto limiter = field->installHandler({{kEventClassTextInput, kEventTextInputUnicodeForKeyEvent}}, [](Event& e) {
    return (e.text >= "0" && e.text <= "9") ? platform::noErr : platform::eventNotHandledErr;
  });
  ASSERT_EQ(user.type(*field, "\ba1b\xF0\x9F\x98\x80" "c"), platform::noErr);  // an emoji is two UTF-16 units
  EXPECT_EQ(window.focus(), field);
  user.select(*field, {2, 2});  // the emoji
  user.type(*field, "\b");
  user.select(*field, {3, 0});
  user.type(*field, "\b\bZ");
  user.paste(*field, "42");  // one piece of text: the limiter drops it whole
  user.paste(*field, "xy");
  field->setText("set by the program");
  // The first delete found nothing; the digit was dropped.
  EXPECT_EQ(texts, (std::vector<std::string>{"a", "ab", "ab\xF0\x9F\x98\x80", "ab\xF0\x9F\x98\x80" "c", "abc", "ab",
                                             "a", "aZ", "aZxy"}));
}

// Scripted answers to dialogs are what every dialog test uses; here what is left unanswered.
TEST_F(UiEvents, AModalLoopNoScriptAnswersEndsAndAlertsAndBeepsAreLogged) {
  ScriptedInteraction script;
  window.setTitle("Pads");
  EXPECT_EQ(RunAppModalLoopForWindow(window), kModalNobodyAnswered);
  script.onAlert(2);
  EXPECT_EQ(RunStandardAlert({AlertLevel::Stop, "Invalid Pages Title", "Invalid Page Ranges", {"OK", "Cancel"}}), 2);
  Beep();
  EXPECT_EQ(script.log(), (std::vector<std::string>{"modal: Pads", "modal left unanswered: Pads",
                                                    "alert: Invalid Pages Title | Invalid Page Ranges", "beep"}));
}

}  // namespace
