// Pad printing as a print room uses it: the largest counts taken, one more refused with its own
// alert, the pads total noted, and the panel taking the dialog's enabled state on OK and nothing
// on Cancel. (What the ticket keeps of pads is korvo-pde set's to check.)
#include <gtest/gtest.h>

#include "panels/paper_output/pad_printing_dialog.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/ui/scripted_interaction.h"

namespace {

namespace ui = platform::ui;
using korvo_test::In;
using korvo_test::PluginDialog;
using korvo_test::Retype;

// Pads on (or off), the two counts and a back cover, then Return.
ui::ScriptedInteraction::ModalStep Fill(bool on, std::string pads, std::string pages, int backCover = 3) {
  return [=](ui::Window& w, ui::UserDriver& user) {
    user.chooseItem(In(w, "Pads"), on ? kPadsEnabledItem : kPadsDisabledItem);
    if (on) {
      Retype(user, In(w, "NumberOfPads"), pads);
      Retype(user, In(w, "PagesPerPad"), pages);
      user.chooseItem(In(w, "BackCover"), backCover);
    }
    user.pressReturn(w);
  };
}

ui::ScriptedInteraction::ModalStep Escape() {
  return [](ui::Window& w, ui::UserDriver& user) { user.pressEscape(w); };
}

class PadPrintingDialog : public korvo_test::DialogTest {
 protected:
  PluginDialog dialog{session};
  PadSettings& pads() { return dialog.panel().pads; }
  void ChoosePads() { ASSERT_EQ(dialog.choose("Finishing", "Pads..."), platform::noErr); }
};

TEST_F(PadPrintingDialog, TheLargestCountsPassWithTheTotalNoted) {
  script.onModal(Fill(true, "500", "65500"));
  ChoosePads();
  ASSERT_TRUE(script.scriptUsedUp());
  EXPECT_TRUE(pads().on);
  EXPECT_EQ(pads().numberOfPads, 500);
  EXPECT_EQ(pads().pagesPerPad, 65500);
  ASSERT_EQ(script.alerts().size(), 1u);
  EXPECT_EQ(script.alerts()[0].level, ui::AlertLevel::Note);
  EXPECT_NE(script.alerts()[0].message.find("32750000"), std::string::npos) << script.alerts()[0].message;
}

TEST_F(PadPrintingDialog, OneCountTooManyOrNoneGetsItsAlertAndTheDialogStaysOpen) {
  const struct {
    const char *pads, *pages, *header;
  } cases[] = {{"501", "10", "InvalidPadNumber"},
               {"10", "65501", "InvaldPagesPerPad"},
               {"", "10", "NumberOfPadErrorString"},
               {"0", "10", "NumberOfPadErrorString"},
               {"10", "", "PagesPerPadErrorString"}};
  for (const auto& c : cases) {
    script.onModal(Fill(true, c.pads, c.pages));
    script.onModal(Escape());
    ChoosePads();
    ASSERT_FALSE(script.alerts().empty());
    EXPECT_EQ(script.alerts().back().title, dialog.panel().bundle->localizedString(c.header)) << c.pads << c.pages;
    EXPECT_FALSE(pads().on) << c.pads << " " << c.pages;
  }
}

TEST_F(PadPrintingDialog, DisabledAndOKKeepsPadsOffAndCancelKeepsThemOn) {
  script.onModal(Fill(false, "", ""));
  ChoosePads();
  EXPECT_FALSE(pads().on);
  EXPECT_TRUE(script.alerts().empty());

  script.onModal(Fill(true, "10", "50", 2));
  ChoosePads();
  ASSERT_TRUE(pads().on);
  const PadSettings before = pads();
  script.onModal([](ui::Window& w, ui::UserDriver& user) {
    EXPECT_EQ(In(w, "Pads").value(), kPadsEnabledItem);
    EXPECT_EQ(In(w, "NumberOfPads").text(), "10");
    EXPECT_FALSE(In(w, "PadPaper").enabled());  // only a blank back cover has a paper
    user.chooseItem(In(w, "Pads"), kPadsDisabledItem);
    user.pressEscape(w);
  });
  ChoosePads();
  EXPECT_TRUE(pads().on);
  EXPECT_EQ(pads().numberOfPads, before.numberOfPads);
  EXPECT_EQ(pads().backCover, "No Back Cover");
}

}  // namespace
