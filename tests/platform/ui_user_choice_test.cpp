// Choices by name and label: the control named so, the item reading so, the dialog answered by
// the labels that are left.
#include <gtest/gtest.h>

#include "platform/ui/user_choice.h"

namespace {

namespace ui = platform::ui;

TEST(UserChoice, SplitsPathsAtTheMarker) {
  EXPECT_EQ(ui::SplitLabelPath("A>B>C"), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(ui::SplitLabelPath("Two-Sided (Long Edge)"), (std::vector<std::string>{"Two-Sided (Long Edge)"}));
}

TEST(UserChoice, ChoosesItemsAndSubitemsByTheirTextAndAnswersTheDialogThatOpens) {
  ui::Window window("W", {0, 0, 200, 200});
  ui::Control* popup = window.content().embed(std::make_unique<ui::Control>(ui::ControlKind::PopupButton, ui::ControlID{1, 1}, ui::Rect{}));
  popup->setName("Colour");
  popup->menu().append(ui::MenuItem("Red"));
  popup->menu().append(ui::MenuItem("Blue"));
  popup->setMinimum(1);
  popup->setMaximum(2);
  ui::Control* button = window.content().embed(std::make_unique<ui::Control>(ui::ControlKind::MenuButton, ui::ControlID{1, 2}, ui::Rect{}));
  button->setName("Actions");
  auto submenu = std::make_shared<ui::Menu>();
  submenu->append(ui::MenuItem("Open...", platform::FourCharCode("open")));
  ui::MenuItem parent("File");
  parent.submenu = submenu;
  button->menu().append(parent);

  // The dialog the command opens: a check box and OK.
  ui::Window dialog("D", {0, 0, 100, 100});
  ui::Control* box = dialog.content().embed(std::make_unique<ui::Control>(ui::ControlKind::CheckBox, ui::ControlID{2, 1}, ui::Rect{}));
  box->setTitle("Twice");
  box->setMaximum(1);
  ui::Control* ok = dialog.content().embed(std::make_unique<ui::Control>(ui::ControlKind::PushButton, ui::ControlID{2, 2}, ui::Rect{}));
  ok->setCommand(platform::FourCharCode("ok  "));
  dialog.setDefaultButton(ok);
  ui::EventHandlerRef quit = dialog.installHandler({{ui::kEventClassCommand, ui::kEventCommandProcess}}, [&](ui::Event&) {
    ui::QuitAppModalLoopForWindow(dialog, 1);
    return platform::noErr;
  });
  int dialogResult = 0;
  ui::EventHandlerRef opener = window.installHandler({{ui::kEventClassCommand, ui::kEventCommandProcess}}, [&](ui::Event&) {
    dialogResult = ui::RunAppModalLoopForWindow(dialog);
    return platform::noErr;
  });

  ui::LabelAnswers answers;
  ui::UserDriver user;
  EXPECT_EQ(ui::ChooseByLabels(window.content(), user, "Colour", {"Blue"}, &answers), platform::noErr);
  EXPECT_EQ(popup->value(), 2);
  EXPECT_EQ(ui::ChooseByLabels(window.content(), user, "Colour", {"Green"}, &answers), ui::kNoSuchLabelErr);
  EXPECT_EQ(ui::ChooseByLabels(window.content(), user, "Size", {"Blue"}, &answers), ui::kNoSuchLabelErr);
  EXPECT_EQ(ui::ChooseByLabels(window.content(), user, "Actions", {"File", "Open...", "Twice"}, &answers), platform::noErr);
  EXPECT_EQ(dialogResult, 1);
  EXPECT_EQ(box->value(), 1);
  EXPECT_TRUE(answers.allAnswered());
  EXPECT_TRUE(answers.unmatched().empty());
  EXPECT_EQ(ui::ChooseByLabels(window.content(), user, "Actions", {"File", "Open...", "Thrice"}, &answers), platform::noErr);
  EXPECT_EQ(answers.unmatched(), (std::vector<std::string>{"Thrice"}));
}

}  // namespace
