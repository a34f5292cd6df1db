// The background-form dialogs as a user reaches them: the set-up from the Booklet/Watermark
// panel's pop-up, the saved form from Paper/Output's Setup for a Background Form job. What OK
// stores and offsets kept exact. (Cancel, and the names OK keeps in the history file, are
// korvo-pde set's to check.)
#include <gtest/gtest.h>

#include "model/background_forms_keys.h"
#include "model/background_forms_options.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/ui/scripted_interaction.h"

namespace {

namespace ui = platform::ui;
namespace keys = background_forms_keys;
using korvo_test::In;
using korvo_test::IntegerIn;
using korvo_test::PluginDialog;
using korvo_test::Retype;

class BackgroundFormDialogs : public korvo_test::DialogTest {
 protected:
  const platform::PlistDict* Forms(PluginDialog& dialog) {
    dialog.sync(false);
    return dialog.settings().getDictionary(kBackgroundFormsOptionsKey);
  }
};

// From page 1 cannot be confirmed: the first repeated page is 2 at the least.
TEST_F(BackgroundFormDialogs, SetupNeedsANameAndAFromPageOfTwoAndItsOKMergesWithTheForm) {
  PluginDialog dialog(session);
  ASSERT_EQ(dialog.choose("Panel", "Booklet/Watermark"), platform::noErr);
  auto fill = [](ui::Window& window, ui::UserDriver& user) {
    ui::Control* ok = window.content().find({platform::FourCharCode("KPDE"), 1});
    EXPECT_FALSE(ok->enabled());  // no name yet
    EXPECT_EQ(user.type(In(window, "FormName"), "Letterhead"), platform::noErr);
    EXPECT_TRUE(ok->enabled());
    EXPECT_FALSE(In(window, "FromFormPage").isReallyEnabled());
    EXPECT_EQ(user.chooseItem(In(window, "ApplyFormPages"), 3), platform::noErr);
    Retype(user, In(window, "FromFormPage"), "5");
    Retype(user, In(window, "FormXShift"), "1.00");
    EXPECT_EQ(user.click(*In(window, "Units").children()[1]), platform::noErr);  // millimetres
    EXPECT_EQ(In(window, "FormXShift").text(), "25.4");
  };
  script.onModal([&](ui::Window& window, ui::UserDriver& user) {
    fill(window, user);
    Retype(user, In(window, "FromFormPage"), "1");
    user.pressReturn(window);
    EXPECT_FALSE(window.modalResult());  // the first repeated page is 2 at the least
    user.pressEscape(window);
  });
  ASSERT_EQ(dialog.choose("BackgroundForm", "Setup..."), platform::noErr);
  EXPECT_GT(script.beeps(), 0);

  script.onModal([&](ui::Window& window, ui::UserDriver& user) {
    fill(window, user);
    user.pressReturn(window);
  });
  ASSERT_EQ(dialog.choose("BackgroundForm", "Setup..."), platform::noErr);
  EXPECT_TRUE(script.scriptUsedUp());
  EXPECT_EQ(dialog.named("BackgroundForm").selectedItem()->text, "Letterhead");
  const platform::PlistDict* forms = Forms(dialog);
  ASSERT_NE(forms, nullptr);
  EXPECT_EQ(IntegerIn(*forms, keys::kUseExistingFormKey), 2);
  EXPECT_EQ(IntegerIn(*forms, keys::kCyclePagesKey), 5);
  EXPECT_EQ(IntegerIn(*forms, keys::kApplyPagesFromKey), 3);
  EXPECT_EQ(IntegerIn(*forms, keys::kInchesKey), 0);
  EXPECT_EQ(IntegerIn(*forms, keys::kXOffsetKey), 254);
  ASSERT_EQ(dialog.choose("BackgroundForm", "None"), platform::noErr);
  EXPECT_EQ(platform::PlistDictFind(*Forms(dialog), keys::kMergeWithStringKey), nullptr);
}

// Offsets an importer stored in thousandths of a millimetre are shown in the unit and kept as they
// are by an OK that leaves them alone, so a later export does not multiply them again: in the
// panel's set-up and in Paper/Output's, reached through a Background Form job's Setup.
TEST_F(BackgroundFormDialogs, UntouchedOffsetsKeepTheirFullPrecision) {
  const auto nameAndOK = [](std::string x, std::string y) {
    return [=](ui::Window& window, ui::UserDriver& user) {
      EXPECT_EQ(In(window, "FormXShift").text(), x);
      EXPECT_EQ(In(window, "FormYShift").text(), y);
      EXPECT_EQ(user.type(In(window, "FormName"), "Letterhead"), platform::noErr);
      user.pressReturn(window);
    };
  };
  Set(kBackgroundFormsOptionsKey, platform::PlistDict{{keys::kInchesKey, 1}, {keys::kXOffsetKey, 2540},
                                                      {keys::kYOffsetKey, -1270}, {keys::kFullPrecisionKey, true}});
  {
    PluginDialog dialog(session);
    ASSERT_EQ(dialog.choose("Panel", "Booklet/Watermark"), platform::noErr);
    script.onModal(nameAndOK("0.10", "-0.05"));
    ASSERT_EQ(dialog.choose("BackgroundForm", "Setup..."), platform::noErr);
    const platform::PlistDict* forms = Forms(dialog);
    ASSERT_NE(forms, nullptr);
    EXPECT_EQ(IntegerIn(*forms, keys::kXOffsetKey), 2540);
    EXPECT_EQ(IntegerIn(*forms, keys::kYOffsetKey), -1270);
    EXPECT_EQ(*platform::PlistDictFind(*forms, keys::kFullPrecisionKey)->asBoolean(), true);
  }
  Set(kBackgroundFormsOptionsKey,
      platform::PlistDict{{keys::kInchesKey, 0}, {keys::kXOffsetKey, 2500}, {keys::kFullPrecisionKey, true}});
  Set("com.korvo.print.JobType", platform::PlistDict{{"JobType", 9}});
  PluginDialog dialog(session);
  script.onModal([](ui::Window& window, ui::UserDriver& user) { user.click(In(window, "FormSetup")); });
  script.onModal(nameAndOK("2.5", "0.0"));  // 2500 thousandths, shown in millimetres
  script.onModal(korvo_test::Act({}));
  ASSERT_EQ(dialog.user().click(dialog.named("JobTypeSetup")), platform::noErr);
  EXPECT_TRUE(script.scriptUsedUp());
  std::int32_t x = 0;
  dialog.panel().backgroundForms.xOffset(&x);
  EXPECT_EQ(x, 2500);  // untouched: still exact
}

// The saved form's set-up belongs to a named form: with the name emptied, it waits as OK does.
// (That the set-up edits a copy the outer Cancel drops is korvo-pde set's to check.)
TEST_F(BackgroundFormDialogs, SavedFormsSetupWaitsForTheName) {
  PluginDialog dialog(session);
  script.onModal([](ui::Window& window, ui::UserDriver& user) {  // choosing the job type presses Setup
    EXPECT_EQ(window.title(), "Saved Background Form");
    EXPECT_EQ(user.type(In(window, "SavedFormName"), "Quote"), platform::noErr);
    EXPECT_TRUE(In(window, "FormSetup").enabled());
    Retype(user, In(window, "SavedFormName"), "");
    EXPECT_FALSE(window.content().find({platform::FourCharCode("KPDE"), 1})->enabled());
    EXPECT_FALSE(In(window, "FormSetup").enabled());
    user.pressEscape(window);
  });
  ASSERT_EQ(dialog.choose("JobType", "Background Form"), platform::noErr);
  EXPECT_TRUE(script.scriptUsedUp());
}

}  // namespace
