#include "panels/image_options/image_options_test_support.h"

#include <gtest/gtest.h>

#include "platform/ui/user_choice.h"

namespace korvo_test {

namespace ui = platform::ui;

ImageOptionsContext& ImageOptionsPanelContext() { return PanelContext<ImageOptionsContext>(3); }

void ActOn(ui::Window& window, ui::UserDriver& user, const NamedSteps& steps) {
  for (const auto& [name, value] : steps) {
    ui::Control* control = window.content().findNamed(name);
    ASSERT_NE(control, nullptr) << name << " in " << window.title();
    EXPECT_EQ(user.bringToFront(*control), platform::noErr) << name;
    EXPECT_EQ(ui::ChooseLabel(*control, user, value), platform::noErr) << name << "=" << value;
  }
}

void ActOn(PluginDialog& dialog, const NamedSteps& steps) { ActOn(dialog.window(), dialog.user(), steps); }

ui::ScriptedInteraction::ModalStep Act(NamedSteps steps, Then then) {
  return [steps, then](ui::Window& window, ui::UserDriver& user) {
    ActOn(window, user, steps);
    if (then == Then::kOK) user.pressReturn(window);
    if (then == Then::kCancel) user.pressEscape(window);
  };
}

}  // namespace korvo_test
