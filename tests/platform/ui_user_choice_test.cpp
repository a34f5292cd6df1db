// Choices by name and label on every kind of control a person sets, and the panes brought to the
// front on the way. Dialog steps, their refusals and alerts are korvo-pde set's (tests/host).
#include <gtest/gtest.h>

#include "platform/files/file_io.h"
#include "platform/ui/interface_file.h"
#include "platform/ui/user_choice.h"

namespace {

namespace ui = platform::ui;
using platform::FourCharCode;
using platform::noErr;

std::unique_ptr<ui::Window> LoadMain() {
  auto bytes = platform::ReadFileBytes(std::string(KORVO_TEST_DATA_DIR) + "/platform/choices.interface.xml");
  auto window = ui::CreateWindowFromInterfaceText(*bytes, "choices", "Main", nullptr);
  return window ? window.take() : nullptr;
}

// The test window, with the handlers a program would install: the tab control and the panel
// pop-up show their panes, the Copies field takes digits only.
class Choices : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(main);
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
    handlers.push_back(main->installHandler({{ui::kEventClassCommand, ui::kEventCommandProcess}}, [this](ui::Event& e) {
      applied += e.command == FourCharCode("aply") ? 1 : 0;
      return noErr;
    }));
  }

  platform::OSStatus choose(std::string_view name, std::string_view path) {
    return ui::ChooseByLabels(main->content(), user, name, ui::SplitLabelPath(path), &answers);
  }
  ui::Control& named(std::string_view name) { return *main->content().findNamed(name); }

  std::unique_ptr<ui::Window> main = LoadMain();
  std::vector<ui::EventHandlerRef> handlers;
  ui::LabelAnswers answers;
  ui::UserDriver user;
  int applied = 0;
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

}  // namespace
