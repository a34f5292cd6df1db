// The numeric field with arrows, driven as a user would: typing, pasting, clicking the arrows and
// dragging the mirroring slider. The arrows, the text and the slider end up agreeing, and nothing
// outside the arrows' range is ever stored. Under it, numbers typed as the locale writes them,
// read back into scaled integers.
#include "controls/spin_control.h"

#include <gtest/gtest.h>

#include "controls/decimal_text.h"
#include "support/test_support.h"
#include "platform/ui/scripted_interaction.h"
#include "platform/ui/user_driver.h"
#include "platform/ui/window.h"

namespace {

using namespace platform::ui;

constexpr platform::OSType kSignature = platform::FourCharCode("Kimg");

// The user's locale for the life of a test; the test locales are compiled into the build tree and
// found through LOCPATH.
struct ScopedLocale {
  explicit ScopedLocale(const char* name) : lcAll("LC_ALL", name) {}
  korvo_test::ScopedEnv locPath{"LOCPATH", KORVO_LOCALE_DIR};
  korvo_test::ScopedEnv lcAll;
};

class SpinControl : public ::testing::Test {
 protected:
  SpinControl() : window("Image Shift", Rect{0, 0, 300, 200}) {
    field = Add(ControlKind::EditText, 1);
    arrows = Add(ControlKind::LittleArrows, 2);
    slider = Add(ControlKind::Slider, 3);
    other = Add(ControlKind::EditText, 4);
    slider->setMaximum(200000);  // wider than the arrows, as a careless dialog might make it
    arrows->setMaximum(100000);  // 1,000.00
    SetSpinControlField(*arrows, *field);
    SetSpinControlMirror(*arrows, *slider);
    SetSpinControlDecimals(*arrows, 2);
    InstallSpinSliderAction(slider);
    EXPECT_EQ(CreateSpinControl(arrows), platform::noErr);
  }
  Control* Add(ControlKind kind, std::int32_t id) {
    return window.content().embed(std::make_unique<Control>(kind, ControlID{kSignature, id}, Rect{}));
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

  ScopedLocale english{"en_US.UTF-8"};
  ScriptedInteraction person;
  Window window;
  Control *field, *arrows, *slider, *other;
  UserDriver user;
};

// Shown and read in the user's locale (cutting the decimals is the parser's, below); text that is
// no number changes nothing.
TEST_F(SpinControl, TypedNumbersAreReadInTheUsersLocaleAndTextThatIsNoNumberChangesNothing) {
  EXPECT_EQ(SetSpinControlValue(arrows, 850), platform::noErr);
  ExpectShowing(850, "8.50");
  Retype("5-");
  EXPECT_EQ(arrows->value(), 500);  // "5" was taken; "5-" was not
  EXPECT_FALSE(SpinControlIsInputValid(arrows));
  Retype("1.2.3");
  ExpectShowing(120, "1.2.3");
  EXPECT_FALSE(SpinControlIsInputValid(arrows));
  user.select(*field, {0, 100});
  user.paste(*field, "99999999999");  // past 32 bits once scaled
  EXPECT_EQ(arrows->value(), 120);
  user.focus(*other);  // leaving the field shows what the arrows hold
  ExpectShowing(120, "1.20");
  EXPECT_TRUE(SpinControlIsInputValid(arrows));
  Retype("\b");
  EXPECT_EQ(arrows->value(), 0);  // an empty field is 0
  ScopedLocale german("de_DE.UTF-8");
  SetSpinControlValue(arrows, 850);
  EXPECT_EQ(field->text(), "8,50");
  Retype("1,05");
  ExpectShowing(105, "1,05");
  EXPECT_EQ(person.beeps(), 0);
}

TEST_F(SpinControl, LettersReturnAndArrowsAtTheBoundsBeep) {
  Retype("12a\r");
  user.paste(*field, "7%");
  ExpectShowing(1200, "12");
  EXPECT_EQ(person.beeps(), 3);
  SetSpinControlValue(arrows, 99999);
  user.pressArrow(*arrows, true);
  ExpectShowing(100000, "1,000.00");
  EXPECT_EQ(person.beeps(), 3);
  user.pressArrow(*arrows, true);
  ExpectShowing(100000, "1,000.00");
  EXPECT_EQ(person.beeps(), 4);
}

// The arrows hold the bound and the input is not valid, but the text stays the user's, without a
// beep, until the field is left.
TEST_F(SpinControl, ANumberOutOfRangeIsHeldAtTheBoundAndShownSoOnlyWhenTheFieldIsLeft) {
  arrows->setMinimum(1000);
  Retype("10000");
  ExpectShowing(100000, "10000");
  EXPECT_FALSE(SpinControlIsInputValid(arrows));
  user.select(*field, {0, 100});
  user.paste(*field, "-250");
  ExpectShowing(1000, "-250");
  Retype("2");  // on the way to 25
  user.type(*field, "5");
  ExpectShowing(2500, "25");
  EXPECT_TRUE(SpinControlIsInputValid(arrows));
  Retype("3");
  user.focus(*other);
  ExpectShowing(1000, "10.00");
  EXPECT_EQ(person.beeps(), 0);
}

TEST_F(SpinControl, TheSliderMovesTheFieldAndIsHeldToTheArrowsRange) {
  int drawn = 0;
  auto counter = other->installHandler({{kEventClassControl, kEventControlDraw}}, [&](Event&) { return ++drawn, platform::noErr; });
  SetSpinControlRedrawControl(*arrows, *other);
  user.drag(*slider, 425);
  ExpectShowing(425, "4.25");
  user.drag(*slider, 150000);
  ExpectShowing(100000, "1,000.00");
  EXPECT_EQ(person.beeps(), 1);
  EXPECT_EQ(SetSpinControlValue(arrows, -5), platform::paramErr);
  ExpectShowing(0, "0.00");
  EXPECT_EQ(drawn, 3);
}

TEST(SpinControlSetUp, ReportsWhatIsMissingAndStillSteps) {
  Window window("W", Rect{});
  Control* arrows = window.content().embed(std::make_unique<Control>(ControlKind::LittleArrows, ControlID{kSignature, 2}, Rect{}));
  EXPECT_EQ(CreateSpinControl(nullptr), platform::paramErr);
  EXPECT_EQ(CreateSpinControl(arrows), kControlPropertyNotFoundErr);
  arrows->setProperty(kSpinCreator, kSpinFieldTag, std::int32_t{9});
  EXPECT_EQ(CreateSpinControl(arrows), kUnknownControlErr);
  arrows->setMaximum(10);
  UserDriver().pressArrow(*arrows, true);
  EXPECT_EQ(arrows->value(), 1);
}

const NumberSymbols kEnglish{".", ","};
const NumberSymbols kGerman{",", "."};

// What lies past the decimals is cut off, never rounded up, and a binary fraction never takes a
// typed digit away.
TEST(DecimalText, CutsTowardZeroAfterTheDecimalsInTheLocalesFormAndRefusesWhatIsNoNumber) {
  EXPECT_EQ(ParseDecimalText("1.15", 2, kEnglish), 115);  // a float would make 114.99 of it
  EXPECT_EQ(ParseDecimalText("-1.055", 2, kEnglish), -105);
  EXPECT_EQ(ParseDecimalText("1.5", 0, kEnglish), 1);
  EXPECT_EQ(ParseDecimalText(" .5", 1, kEnglish), 5);
  EXPECT_EQ(ParseDecimalText("1,234.56", 2, kEnglish), 123456);
  EXPECT_EQ(ParseDecimalText("1,00,000", 0, kEnglish), 100000);  // grouped in twos, as India does
  EXPECT_EQ(ParseDecimalText("1.234,5", 1, kGerman), 12345);
  // What is no number, or lies past 32 bits, is nothing.
  for (const char* text : {"5-", "1.2.3", "--5", "-", ".", "", "1e3", "+5", "1 2", ",5", "1,23", "8,50"})
    EXPECT_EQ(ParseDecimalText(text, 2, kEnglish), std::nullopt) << text;
  EXPECT_EQ(ParseDecimalText("1.2.3", 0, kGerman), std::nullopt);
  EXPECT_EQ(ParseDecimalText("-21474836.48", 2, kEnglish), -2147483647 - 1);
  EXPECT_EQ(ParseDecimalText("21474836.479", 2, kEnglish), 2147483647);
  EXPECT_EQ(ParseDecimalText("21474836.48", 2, kEnglish), std::nullopt);
  EXPECT_EQ(ParseDecimalText("0000000000000000000001", 0, kEnglish), 1);
}

}  // namespace
