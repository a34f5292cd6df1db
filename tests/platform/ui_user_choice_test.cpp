// Choices by name and label on every kind of control a person sets, the panes brought to the
// front on the way, and the dialogs and alerts answered by the steps that are left.
#include <gtest/gtest.h>

#include "platform/files/file_io.h"
#include "platform/ui/interface_file.h"
#include "platform/ui/user_choice.h"

namespace {

namespace ui = platform::ui;
using platform::FourCharCode;
using platform::noErr;

std::unique_ptr<ui::Window> Load(const char* name) {
  auto bytes = platform::ReadFileBytes(std::string(KORVO_TEST_DATA_DIR) + "/platform/choices.interface.xml");
  auto window = ui::CreateWindowFromInterfaceText(*bytes, "choices", name, nullptr);
  return window ? window.take() : nullptr;
}

ui::EventHandlerRef OnCommand(ui::EventTarget& target, std::function<bool(platform::OSType)> handle) {
  return target.installHandler({{ui::kEventClassCommand, ui::kEventCommandProcess}}, [handle](ui::Event& e) {
    return handle(e.command) ? noErr : platform::eventNotHandledErr;
  });
}

// The test window, with the handlers a program would install: the tab control and the panel
// pop-up show their panes, the Copies field takes digits only, "Open..." runs the dialog, whose
// OK takes a width up to 100 and whose buttons open a nested dialog and an alert.
class Choices : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(main && dialog && nested);
    handlers.push_back(main->find({FourCharCode("Test"), 15})->installHandler(
        {{ui::kEventClassControl, ui::kEventControlHit}}, [](ui::Event& e) {
          for (std::size_t i = 0; i < e.control->children().size(); ++i)
            e.control->children()[i]->setVisible(static_cast<int>(i) + 1 == e.control->value());
          return noErr;
        }));
    ui::Control& panel = *main->content().findNamed("Panel");
    panel.setPanesShown({{FourCharCode("Test"), 161}, {FourCharCode("Test"), 162}});
    handlers.push_back(panel.installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, [this](ui::Event& e) {
      main->find({FourCharCode("Test"), 161})->setVisible(e.control->value() == 1);
      main->find({FourCharCode("Test"), 162})->setVisible(e.control->value() == 2);
      return noErr;
    }));
    handlers.push_back(main->content().findNamed("Copies")->installHandler(
        {{ui::kEventClassTextInput, ui::kEventTextInputUnicodeForKeyEvent}}, [](ui::Event& e) {
          if (e.text.size() == 1 && e.text[0] >= '0' && e.text[0] <= '9') return platform::eventNotHandledErr;
          ui::Beep();
          return noErr;
        }));
    ui::DataBrowser& stocks = main->content().findNamed("Stocks")->dataBrowser();
    stocks.setItems({1, 2, 3});
    stocks.setDataCallback([](ui::DataBrowserItemID item, ui::DataBrowserPropertyID property) {
      static const char* names[] = {"Plain", "Glossy", "Card"};
      return property == 1 ? std::string(names[item - 1]) : std::string("A4");
    });
    handlers.push_back(OnCommand(*main, [this](platform::OSType command) {
      if (command == FourCharCode("open")) dialogResult = ui::RunAppModalLoopForWindow(*dialog);
      if (command == FourCharCode("aply")) ++applied;
      return true;
    }));
    handlers.push_back(OnCommand(*dialog, [this](platform::OSType command) {
      if (command == FourCharCode("ok  ") && dialog->content().findNamed("Width")->text().size() <= 2)
        ui::QuitAppModalLoopForWindow(*dialog, 1);
      if (command == FourCharCode("not!")) ui::QuitAppModalLoopForWindow(*dialog, 2);
      if (command == FourCharCode("more")) nestedResult = ui::RunAppModalLoopForWindow(*nested);
      if (command == FourCharCode("warn"))
        alertAnswer = ui::RunStandardAlert({alertLevel, "Careful", "Really?", {"Go on", "Stop"}});
      return true;
    }));
    handlers.push_back(OnCommand(*nested, [this](platform::OSType command) {
      ui::QuitAppModalLoopForWindow(*nested, command == FourCharCode("ok  ") ? 1 : 2);
      return true;
    }));
  }

  platform::OSStatus choose(std::string_view name, std::string_view path) {
    return ui::ChooseByLabels(main->content(), user, name, ui::SplitLabelPath(path), &answers);
  }
  ui::Control& named(std::string_view name) { return *main->content().findNamed(name); }
  // How the dialog ended, its width field and its radio group.
  std::string options() {
    return std::to_string(dialogResult) + " " + in(*dialog, 1).text() + " " + std::to_string(in(*dialog, 2).value());
  }
  ui::Control& in(ui::Window& window, std::int32_t id) { return *window.find({window.content().children()[0]->id().signature, id}); }

  std::unique_ptr<ui::Window> main = Load("Main"), dialog = Load("Dialog"), nested = Load("Nested");
  std::vector<ui::EventHandlerRef> handlers;
  ui::LabelAnswers answers;
  ui::UserDriver user;
  int dialogResult = 0, nestedResult = 0, alertAnswer = 0, applied = 0;
  ui::AlertLevel alertLevel = ui::AlertLevel::Caution;
};

TEST_F(Choices, EveryKindOfControlTakesWhatAPersonCanSetThereAndNothingElse) {
  int ups = 0;
  ui::EventHandlerRef arrows = named("Step").installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, [&](ui::Event& e) {
    ups += e.part == ui::kControlUpButtonPart ? 1 : 0;
    return noErr;
  });
  const struct {
    const char* name;
    const char* path;
    platform::OSStatus status;
  } rows[] = {
      {"Apply", "click", noErr}, {"Apply", "Apply", noErr}, {"Apply", "Push", ui::kNoSuchLabelErr},
      {"Twice", "on", noErr}, {"Twice", "on", noErr},  // already on: no second click
      {"Twice", "yes", ui::kNoSuchLabelErr}, {"Size", "Large", noErr}, {"Size", "Huge", ui::kNoSuchLabelErr},
      {"Nothing", "on", ui::kNoSuchLabelErr}, {"Caption", "Other", ui::kNoSuchLabelErr},  // static text is read, not set
      {"Colour", "Blue", noErr}, {"Colour", "Green", ui::kNoSuchLabelErr},
      {"Actions", "File", ui::kNoSuchLabelErr},  // the submenu item is missing
      {"Actions", "Later", ui::kUserCannotReachErr}, {"Title", "Final", noErr}, {"Notes", "new notes", noErr},
      {"Summary", "x", ui::kUserCannotReachErr},  // a locked text view
      {"Font", "Sans", noErr}, {"Font", "Mono", noErr}, {"Copies", "12", noErr},
      {"Stocks", "Glossy", noErr}, {"Stocks", "Plain,Card", ui::kNoSuchLabelErr},  // one row at a time
      {"Stocks", "Vellum", ui::kNoSuchLabelErr}, {"Darkness", "80", noErr}, {"Darkness", "101", ui::kNoSuchLabelErr},
      {"Darkness", "dark", ui::kNoSuchLabelErr}, {"Step", "up", noErr}, {"Step", "sideways", ui::kNoSuchLabelErr}};
  for (const auto& row : rows) EXPECT_EQ(choose(row.name, row.path), row.status) << row.name << "=" << row.path;
  EXPECT_EQ(applied, 2);
  EXPECT_EQ(named("Twice").value(), 1);
  EXPECT_EQ(named("Size").value(), 2);
  EXPECT_EQ(named("Colour").value(), 2);
  EXPECT_EQ(named("Title").text() + "|" + named("Notes").text() + "|" + named("Font").text() + "|" + named("Copies").text(),
            "Final|new notes|Mono|12");
  EXPECT_EQ(named("Stocks").dataBrowser().selection(), (std::set<ui::DataBrowserItemID>{2}));
  EXPECT_EQ(named("Darkness").value(), 80);
  EXPECT_EQ(ups, 1);
  EXPECT_FALSE(answers.refusal());
  // A list that takes several rows; a digit field refusing a letter with a beep, which is the refusal.
  named("Stocks").dataBrowser().setMultipleSelection(true);
  EXPECT_EQ(choose("Stocks", "Plain,Card"), noErr);
  EXPECT_EQ(named("Stocks").dataBrowser().selection(), (std::set<ui::DataBrowserItemID>{1, 3}));
  EXPECT_EQ(choose("Copies", "3x"), noErr);
  EXPECT_EQ(answers.refusal(), "a keystroke was refused");
}

TEST_F(Choices, TabsAndHiddenPanesComeToTheFrontFirst) {
  EXPECT_EQ(choose("Sections", "Extras"), noErr);
  EXPECT_EQ(named("Sections").value(), 2);
  EXPECT_EQ(choose("Sections", "General"), noErr);
  EXPECT_FALSE(named("Bleed").isReallyVisible());
  EXPECT_EQ(choose("Bleed", "on"), noErr);  // in the hidden tab: the tab is chosen first
  EXPECT_EQ(named("Sections").value(), 2);
  EXPECT_EQ(named("Bleed").value(), 1);
  EXPECT_EQ(choose("Remark", "seen"), noErr);  // in a pane the Panel pop-up shows
  EXPECT_EQ(named("Panel").value(), 2);
  EXPECT_EQ(named("Remark").text(), "seen");
  EXPECT_EQ(choose("Panel", "First"), noErr);
  EXPECT_FALSE(named("Remark").isReallyVisible());
  named("Panel").setPanesShown({});  // nothing shows its pane any more
  EXPECT_EQ(choose("Remark", "again"), ui::kUserCannotReachErr);
}

TEST_F(Choices, DialogStepsActByNameAndTitleAndReturnOnlyWhenTheyEnd) {
  EXPECT_EQ(choose("Actions", "File>Open...>Width=42>Right"), noErr);
  EXPECT_EQ(options(), "1 42 2");  // the steps ended, Return pressed OK
  // Cancel cancels: no Return after it, and an OK reaching the closed dialog changes nothing.
  EXPECT_EQ(choose("Actions", "File>Open...>Left>Cancel"), noErr);
  EXPECT_EQ(dialogResult, 2);
  ui::QuitAppModalLoopForWindow(*dialog, 1);
  EXPECT_EQ(dialog->modalResult(), 2);
  // Nested dialogs take the steps in order; the outer one gets Return when they end.
  EXPECT_EQ(choose("Actions", "File>Open...>More...>Deep>Cancel"), noErr);
  EXPECT_EQ(nestedResult, 2);
  EXPECT_EQ(in(*nested, 1).value(), 1);
  EXPECT_EQ(dialogResult, 1);
  EXPECT_TRUE(answers.unusedSteps().empty());
  // A push button given its dialog's first step in place of "click" is clicked, the steps follow.
  EXPECT_EQ(choose("OpenDialog", "Width=7>Left"), noErr);
  EXPECT_EQ(options(), "1 7 1");
  EXPECT_TRUE(answers.unusedSteps().empty());
  EXPECT_FALSE(answers.refusal());
}

TEST_F(Choices, RefusalsCancelTheDialogAndSayWhy) {
  EXPECT_EQ(choose("Actions", "File>Open...>Width=123"), noErr);  // OK refused: the width is too long
  EXPECT_EQ(dialogResult, 2);
  EXPECT_EQ(answers.refusal(), "the dialog \"Options\" did not take OK");
  ui::LabelAnswers fresh;
  EXPECT_EQ(ui::ChooseByLabels(main->content(), user, "Actions", {"File", "Open...", "Nowhere", "Right"}, &fresh), noErr);
  EXPECT_EQ(fresh.refusal(), "the dialog has no \"Nowhere\"");
  EXPECT_EQ(dialogResult, 2);
  EXPECT_EQ(in(*dialog, 2).value(), 1);  // the steps after the refusal were not taken
}

TEST_F(Choices, AlertsTakeTheirButtonByTitleAndOnlyNotesGoOn) {
  const struct {
    ui::AlertLevel level;
    const char* steps;
    int answer, result;
    std::vector<std::string> notes;
    std::optional<std::string> refusal;
  } rows[] = {{ui::AlertLevel::Caution, "File>Open...>Warn>Stop", 2, 1, {}, std::nullopt},
              {ui::AlertLevel::Note, "File>Open...>Warn", 1, 1, {"Careful: Really?"}, std::nullopt},
              // the cancelling button, never taken for a yes
              {ui::AlertLevel::Stop, "File>Open...>Warn", 2, 2, {}, "Careful: Really?"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.steps);
    alertLevel = row.level;
    ui::LabelAnswers fresh;
    EXPECT_EQ(ui::ChooseByLabels(main->content(), user, "Actions", ui::SplitLabelPath(row.steps), &fresh), noErr);
    EXPECT_EQ(alertAnswer, row.answer);
    EXPECT_EQ(dialogResult, row.result);
    EXPECT_EQ(fresh.notes(), row.notes);
    EXPECT_EQ(fresh.refusal(), row.refusal);
  }
}

}  // namespace
