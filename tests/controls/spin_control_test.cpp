// The numeric field with arrows, driven as a user would: typing, pasting, clicking the arrows
// and dragging the mirroring slider. The arrows, the text and the slider always end up agreeing,
// and nothing outside the arrows' range is ever stored.
#include "controls/spin_control.h"

#include <gtest/gtest.h>

#include "controls/controls_test_support.h"
#include "platform/ui/scripted_interaction.h"
#include "platform/ui/user_driver.h"
#include "platform/ui/window.h"

namespace {

using namespace platform::ui;
using platform::FourCharCode;

constexpr platform::OSType kSignature = FourCharCode("Kimg");

class SpinControl : public ::testing::Test {
 protected:
  SpinControl() : window("Image Shift", Rect{0, 0, 300, 200}) {
    Control& pane = window.content();
    field = pane.embed(std::make_unique<Control>(ControlKind::EditText, ControlID{kSignature, 1}, Rect{}));
    arrows = pane.embed(std::make_unique<Control>(ControlKind::LittleArrows, ControlID{kSignature, 2}, Rect{}));
    slider = pane.embed(std::make_unique<Control>(ControlKind::Slider, ControlID{kSignature, 3}, Rect{}));
    other = pane.embed(std::make_unique<Control>(ControlKind::EditText, ControlID{kSignature, 4}, Rect{}));
    slider->setMaximum(200000);  // wider than the arrows, as a careless dialog might make it
    arrows->setMaximum(100000);
    SetSpinControlField(*arrows, *field);
    SetSpinControlMirror(*arrows, *slider);
    SetSpinControlDecimals(*arrows, 2);
    InstallSpinSliderAction(slider);
    EXPECT_EQ(CreateSpinControl(arrows), platform::noErr);
  }
  // Everything the user can see of the value.
  void ExpectShowing(std::int32_t value, const std::string& text) {
    EXPECT_EQ(arrows->value(), value);
    EXPECT_EQ(slider->value(), value);
    EXPECT_EQ(field->text(), text);
  }
  void Retype(const std::string& text) {
    user.select(*field, {0, 100});
    user.type(*field, text);
  }

  controls_test::ScopedLocale english{"en_US.UTF-8"};
  ScriptedInteraction person;
  Window window;
  Control* field;
  Control* arrows;
  Control* slider;
  Control* other;
  UserDriver user;
};

TEST_F(SpinControl, ShowsTheValueInTheUsersLocale) {
  EXPECT_EQ(SetSpinControlValue(arrows, 850), platform::noErr);
  ExpectShowing(850, "8.50");
  controls_test::ScopedLocale german("de_DE.UTF-8");
  SetSpinControlValue(arrows, 850);
  EXPECT_EQ(field->text(), "8,50");
  Retype("1,05");
  EXPECT_EQ(arrows->value(), 105);
  EXPECT_EQ(person.beeps(), 0);
}

TEST_F(SpinControl, TypedDecimalsAreRoundedNotTruncated) {
  Retype("1.05");
  ExpectShowing(105, "1.05");
  EXPECT_TRUE(SpinControlIsInputValid(arrows));
  Retype("8.5");
  EXPECT_EQ(arrows->value(), 850);
  user.focus(*other);  // leaving the field writes the value in its own form
  EXPECT_EQ(field->text(), "8.50");
}

TEST_F(SpinControl, TextThatIsNoNumberLeavesTheValueAndIsNotValid) {
  Retype("5-");
  EXPECT_EQ(arrows->value(), 500);  // "5" was taken; "5-" was not
  EXPECT_FALSE(SpinControlIsInputValid(arrows));
  Retype("1.2.3");
  ExpectShowing(120, "1.2.3");
  EXPECT_FALSE(SpinControlIsInputValid(arrows));
  Retype("3");
  EXPECT_TRUE(SpinControlIsInputValid(arrows));
  user.paste(*field, "1.2.3");  // at the caret: "31.2.3"
  EXPECT_EQ(arrows->value(), 300);
  user.focus(*other);
  ExpectShowing(300, "3.00");
  EXPECT_TRUE(SpinControlIsInputValid(arrows));
}

TEST_F(SpinControl, LettersAndReturnBeepAndStayOut) {
  Retype("12a");
  EXPECT_EQ(field->text(), "12");
  user.type(*field, "\r");
  EXPECT_EQ(field->text(), "12");
  EXPECT_EQ(person.beeps(), 2);
  user.paste(*field, "7%");
  EXPECT_EQ(field->text(), "12");
  EXPECT_EQ(person.beeps(), 3);
  user.type(*field, "\b");
  ExpectShowing(100, "1");
}

TEST_F(SpinControl, ArrowsStepAndStopAtTheBoundsWithABeep) {
  SetSpinControlIncrement(*arrows, 5);
  SetSpinControlValue(arrows, 99992);
  user.pressArrow(*arrows, true);
  ExpectShowing(99997, "999.97");
  user.pressArrow(*arrows, true);  // fewer than a step remain
  ExpectShowing(100000, "1,000.00");
  EXPECT_EQ(person.beeps(), 0);
  user.pressArrow(*arrows, true);
  ExpectShowing(100000, "1,000.00");
  EXPECT_EQ(person.beeps(), 1);
  SetSpinControlValue(arrows, 3);
  user.pressArrow(*arrows, false);
  user.pressArrow(*arrows, false);
  ExpectShowing(0, "0.00");
  EXPECT_EQ(person.beeps(), 2);
}

TEST_F(SpinControl, ANumberPastTheMaximumIsClampedAtOnceWithABeep) {
  Retype("1000");
  ExpectShowing(100000, "1000");
  EXPECT_EQ(person.beeps(), 0);
  user.type(*field, "0");  // 10000 cannot come back within 1,000.00 by typing more
  ExpectShowing(100000, "1,000.00");
  EXPECT_EQ(person.beeps(), 1);
  EXPECT_FALSE(SpinControlIsInputValid(arrows));
  user.focus(*other);
  ExpectShowing(100000, "1,000.00");
  EXPECT_TRUE(SpinControlIsInputValid(arrows));
}

TEST_F(SpinControl, APastedNumberIsClampedToo) {
  user.focus(*field);
  field->setText("");
  user.paste(*field, "-250");
  ExpectShowing(0, "0.00");
  EXPECT_EQ(person.beeps(), 1);
  EXPECT_FALSE(SpinControlIsInputValid(arrows));
}

TEST_F(SpinControl, ANumberBelowTheMinimumWaitsForMoreDigits) {
  arrows->setMinimum(1000);
  arrows->setMaximum(5000);
  Retype("2");  // on the way to 25
  ExpectShowing(1000, "2");
  EXPECT_FALSE(SpinControlIsInputValid(arrows));
  user.type(*field, "5");
  ExpectShowing(2500, "25");
  EXPECT_TRUE(SpinControlIsInputValid(arrows));
  Retype("3");
  user.focus(*other);
  ExpectShowing(1000, "10.00");
  EXPECT_EQ(person.beeps(), 0);
}

TEST_F(SpinControl, TheSliderMovesTheFieldAndIsHeldToTheArrowsRange) {
  user.drag(*slider, 425);
  ExpectShowing(425, "4.25");
  user.drag(*slider, 150000);
  ExpectShowing(100000, "1,000.00");
  EXPECT_EQ(person.beeps(), 1);
  EXPECT_EQ(SetSpinControlValue(arrows, -5), platform::paramErr);
  ExpectShowing(0, "0.00");
}

TEST_F(SpinControl, AnglesAndPercentagesShowTheirSign) {
  SetSpinControlDecimals(*arrows, 0);
  SetSpinControlUnitSign(*arrows, SpinUnitSign::kAngle);
  SetSpinControlValue(arrows, 45);
  EXPECT_EQ(field->text(), "45\xCB\x9A");
  user.select(*field, {1, 1});
  user.type(*field, "0");  // the sign stays after the edited number
  EXPECT_EQ(arrows->value(), 40);
  EXPECT_TRUE(SpinControlIsInputValid(arrows));
  SetSpinControlUnitSign(*arrows, SpinUnitSign::kPercent);
  SetSpinControlValue(arrows, 25);
  EXPECT_EQ(field->text(), "25%");
}

TEST_F(SpinControl, AnEmptyFieldIsZeroAndOverflowIsNoNumber) {
  SetSpinControlValue(arrows, 700);
  Retype("\b");
  EXPECT_EQ(arrows->value(), 0);
  EXPECT_TRUE(SpinControlIsInputValid(arrows));
  Retype("5");
  user.select(*field, {0, 1});
  user.paste(*field, "99999999999");  // past 32 bits once scaled: no number at all
  EXPECT_EQ(arrows->value(), 500);
  EXPECT_FALSE(SpinControlIsInputValid(arrows));
}

TEST_F(SpinControl, TheRedrawnControlIsDrawnOnEveryChange) {
  int drawn = 0;
  auto counter = other->installHandler({{kEventClassControl, kEventControlDraw}}, [&](Event&) {
    ++drawn;
    return platform::noErr;
  });
  SetSpinControlRedrawControl(*arrows, *other);
  SetSpinControlValue(arrows, 1);
  Retype("2");
  user.pressArrow(*arrows, true);
  EXPECT_EQ(drawn, 3);
}

TEST(SpinControlSetUp, ReportsWhatIsMissing) {
  Window window("W", Rect{});
  Control* arrows = window.content().embed(std::make_unique<Control>(ControlKind::LittleArrows, ControlID{kSignature, 2}, Rect{}));
  EXPECT_EQ(CreateSpinControl(nullptr), platform::paramErr);
  EXPECT_EQ(CreateSpinControl(arrows), kControlPropertyNotFoundErr);
  arrows->setProperty(kSpinCreator, kSpinFieldTag, std::int32_t{9});
  EXPECT_EQ(CreateSpinControl(arrows), kUnknownControlErr);
  arrows->setMaximum(10);
  UserDriver user;
  user.pressArrow(*arrows, true);  // the arrows step even without a field
  EXPECT_EQ(arrows->value(), 1);
  EXPECT_EQ(SpinControlGetRelatedArrows(arrows), nullptr);
  EXPECT_FALSE(SpinControlIsInputValid(nullptr));
}

}  // namespace
