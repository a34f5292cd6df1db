#include "panels/image_options/image_options_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/ui/user_choice.h"
#include "shell/shell_context.h"

namespace korvo_test {

namespace ui = platform::ui;

namespace {
constexpr std::int32_t kImageOptionsTabIndex = 3;
}  // namespace

ImageOptionsContext& ImageOptionsPanelContext() {
  for (PanelSlot& slot : CurrentShellContext()->panels)
    if (slot.tabIndex == kImageOptionsTabIndex) return *static_cast<ImageOptionsContext*>(slot.context);
  std::abort();  // the shell always loads Image Options third
}

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
