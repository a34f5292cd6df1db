// The Booklet/Watermark panel clicked through as a user would, beside Paper/Output: the booklet
// outlines and the two-sided choice a booklet holds, the watermark pop-up with the
// saved watermarks and its options, and what the ticket keeps of them. The booklet dialog, as
// Paper/Output's "Booklet Creation..." and as this panel's options: OK hands its choices to the
// booklet rules, Cancel leaves the staples, and a job with staples of its own cannot become a
// booklet.
#include <gtest/gtest.h>

#include <algorithm>

#include "kit/preference_locations.h"
#include "model/booklet_watermark_keys.h"
#include "model/paper_output_keys.h"
#include "model/special_pages_ticket.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/ui/drawn_images.h"
#include "platform/ui/scripted_interaction.h"
#include "watermark/default_watermarks.h"
#include "watermark/watermark_file.h"

namespace {

namespace ui = platform::ui;
using korvo_test::PluginDialog;
using korvo_test::Titled;

class BookletWatermarkPanel : public korvo_test::DialogTest {
 protected:
  std::optional<std::int64_t> Integer(const char* key) { return settings().getInteger(key); }

  static void ShowBookletPanel(PluginDialog& dialog) {
    ASSERT_EQ(dialog.choose("Panel", "Booklet/Watermark"), platform::noErr);
  }
};

// What the booklet does to two-sided printing, whichever panel turns it on or off, is korvo-pde
// set's to check through the session file.
TEST_F(BookletWatermarkPanel, BookletOutlinesWaitForTheLayoutAndTwoSidedIsTheBookletsMeanwhile) {
  PluginDialog dialog(session);
  ShowBookletPanel(dialog);
  EXPECT_FALSE(dialog.named("BookletOutlines").enabled());
  ASSERT_EQ(dialog.choose("BookletLayout", "Enabled"), platform::noErr);
  ASSERT_EQ(dialog.choose("BookletOutlines", "Draw Page Borders"), platform::noErr);
  EXPECT_EQ(dialog.window().content().find({platform::FourCharCode("KPDE"), 6004})->picture(),
            "BookletCreation_Booklet-Outlines.png");
  dialog.sync(false);
  EXPECT_EQ(Integer(kBookletDrawOutlinesKey), 2);
  ASSERT_EQ(dialog.choose("Panel", "Paper/Output"), platform::noErr);
  platform::ui::Control& twoSided = dialog.named("TwoSided");
  EXPECT_FALSE(twoSided.enabled());
  EXPECT_EQ(twoSided.selectedItem()->text, "Two-Sided (Short Edge)");
}

TEST_F(BookletWatermarkPanel, TheWatermarkMenuListsTheSavedWatermarksAndItsOptions) {
  PluginDialog dialog(session);
  ShowBookletPanel(dialog);
  platform::ui::Control& popup = dialog.named("Watermark");
  EXPECT_EQ(korvo_test::MenuTexts(popup.menu()), (std::vector<std::string>{"No Watermark", "-", "Options", "New...",
                                                                            "Edit...", "Delete", "Draft", "Confidential", "Copy"}));
  ASSERT_EQ(dialog.choose("Watermark", "Confidential"), platform::noErr);
  ASSERT_EQ(dialog.choose("Watermark", "Options", "Over Page Content"), platform::noErr);
  ASSERT_EQ(dialog.choose("Watermark", "Options", "Print on First Page Only"), platform::noErr);
  EXPECT_EQ(popup.selectedItem()->text, "Confidential");
  const platform::ui::Menu& options = *popup.menu().item(3)->submenu;
  EXPECT_TRUE(options.item(options.findText("Over Page Content"))->checked);
  EXPECT_FALSE(options.item(options.findText("Blended with Page Content"))->checked);
  dialog.sync(false);
  EXPECT_EQ(*settings().getString(kWatermarkNameTicketKey), "Confidential");
  EXPECT_EQ(Integer(kWatermarkOptionTicketKey), 3);
  EXPECT_EQ(Integer(kWatermarkFirstPageOnlyTicketKey), 1);

  // The preview shows the page drawn with it, fitted, centred and framed; no watermark empties it.
  platform::ui::Control& preview = *dialog.window().content().find({platform::FourCharCode("KPDE"), 6008});
  const std::vector<platform::ui::DrawnImage> drawn = platform::ui::ImagesDrawnIn(preview);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(korvo_test::ReadFile(drawn[0].path).substr(0, 4), "\x89PNG");
  EXPECT_EQ(drawn[0].rect.height, preview.bounds().height);
  EXPECT_LT(drawn[0].rect.width, preview.bounds().width);
  EXPECT_EQ(platform::ui::SheetsDrawnIn(preview), (std::vector<platform::ui::DrawnSheet>{{drawn[0].rect, false}}));
  ASSERT_EQ(dialog.choose("Watermark", "No Watermark"), platform::noErr);
  EXPECT_TRUE(platform::ui::ImagesDrawnIn(preview).empty());
  EXPECT_TRUE(platform::ui::SheetsDrawnIn(preview).empty());
}

TEST_F(BookletWatermarkPanel, ANameIsFoundIgnoringCaseAndAnUnknownOneIsDropped) {
  for (const auto& [stored, shown] : {std::pair{"draft", "Draft"}, {"Deleted Long Ago", "No Watermark"}}) {
    Set(kWatermarkNameTicketKey, stored);
    PluginDialog dialog(session);
    EXPECT_EQ(dialog.named("Watermark").selectedItem()->text, shown);
    dialog.sync(false);
    const std::string* written = settings().getString(kWatermarkNameTicketKey);
    EXPECT_EQ(written ? *written : "No Watermark", shown);
  }
}

// A subset font name belongs to the watermark it was made for: with no watermark, or one whose
// font travels whole, an old name would send the print path after a font that is not there.
TEST_F(BookletWatermarkPanel, AnOldSubsetFontNameGoesWithItsWatermark) {
  WatermarkData logo;  // a picture watermark: its font is no font at all
  logo.filename = "logo.png";
  logo.filePath = korvo_test::DataPath("../../resources/JobType_Fax.png");
  logo.scale = 100;
  ASSERT_EQ(CreateDefaultWatermarks(nullptr), WatermarkResult::kDone);
  ASSERT_EQ(addWatermarkData(kWatermarkFileName, logo), WatermarkResult::kDone);
  Set(kWatermarkNameTicketKey, "Draft");
  Set(kWatermarkSubsetFontTicketKey, "KV-Old-KV");
  PluginDialog dialog(session);
  ShowBookletPanel(dialog);
  ASSERT_EQ(dialog.choose("Watermark", "logo.png"), platform::noErr);
  dialog.sync(false);
  EXPECT_EQ(*settings().getString(kWatermarkNameTicketKey), "logo.png");
  EXPECT_FALSE(settings().contains(kWatermarkSubsetFontTicketKey));
  ASSERT_EQ(dialog.choose("Watermark", "Copy"), platform::noErr);  // drawn by the preview: a subset of its own
  dialog.sync(false);
  EXPECT_EQ(*settings().getString(kWatermarkSubsetFontTicketKey), "KV-ArialMT-KV");
  ASSERT_EQ(dialog.choose("Watermark", "No Watermark"), platform::noErr);
  dialog.sync(false);
  EXPECT_FALSE(settings().contains(kWatermarkNameTicketKey));
  EXPECT_FALSE(settings().contains(kWatermarkSubsetFontTicketKey));
}

// (That Keep in its alert leaves the file and the choice as they were, the dialog window's test
// finds.)
TEST_F(BookletWatermarkPanel, DeleteTakesTheWatermarkOutOfTheFileAndTheMenu) {
  Set(kWatermarkNameTicketKey, "Draft");
  PluginDialog dialog(session);
  ShowBookletPanel(dialog);
  script.onAlert(2);  // Delete
  ASSERT_EQ(dialog.choose("Watermark", "Delete"), platform::noErr);
  EXPECT_TRUE(script.scriptUsedUp());
  std::vector<std::string> names;
  ASSERT_EQ(loadWatermarkList(kWatermarkFileName, &names), WatermarkResult::kDone);
  EXPECT_EQ(names, (std::vector<std::string>{"Confidential", "Copy"}));
  EXPECT_EQ(dialog.named("Watermark").menu().findText("Draft"), 0);
  EXPECT_EQ(dialog.named("Watermark").selectedItem()->text, "No Watermark");
  EXPECT_FALSE(dialog.named("Watermark").menu().item(6)->enabled);  // nothing left to delete
  dialog.sync(false);
  EXPECT_FALSE(settings().contains(kWatermarkNameTicketKey));
}

class BookletDialog : public korvo_test::DialogTest {
 protected:
  PluginDialog dialog{session};

  std::string picture;  // what the dialog's picture showed after the click

  // Clicks the radio button titled so, types the gutter, then presses Return or Escape.
  void Answer(const std::string& radio, const std::string& gutter, bool ok, bool* radioEnabled = nullptr) {
    script.onModal([=, this](ui::Window& window, ui::UserDriver& user) {
      ui::Control* button = Titled(window.content(), radio);
      ASSERT_NE(button, nullptr) << radio;
      if (radioEnabled) *radioEnabled = button->enabled();
      if (button->enabled()) {
        EXPECT_EQ(user.click(*button), platform::noErr);
      }
      picture = window.find({platform::FourCharCode("KPDE"), 1608})->picture();
      if (!gutter.empty()) korvo_test::Retype(user, korvo_test::In(window, "Gutter"), gutter);
      ok ? user.pressReturn(window) : user.pressEscape(window);
    });
    EXPECT_EQ(dialog.choose("Finishing", "Booklet Creation..."), platform::noErr);
    EXPECT_TRUE(script.scriptUsedUp());
  }
};

// Cancel, with a fold and a gutter chosen, is korvo-pde set's to check, byte for byte. The staple
// and pad items follow the booklet the panel holds, not what the dialog showed before Cancel.
TEST_F(BookletDialog, BookletFoldMakesABookletAndTakesTheStapleAndPadItems) {
  auto stapleItems = [this] {
    std::vector<bool> enabled;
    const ui::Menu& menu = dialog.named("Finishing").menu();
    for (const char* item : {"1 Staple...", "2 Staples...", "Pads..."})
      if (int at = menu.findText(item)) enabled.push_back(menu.item(at)->enabled);
    return enabled;
  };
  const std::vector<bool> before = stapleItems();
  ASSERT_EQ(before.size(), 3u);
  EXPECT_EQ(before, std::vector<bool>(before.size(), true));
  Answer("Booklet Fold", "", false);
  EXPECT_EQ(stapleItems(), before);
  ASSERT_EQ(dialog.choose("TwoSided", "One-Sided"), platform::noErr);
  Answer("Booklet Fold", "30", true);
  EXPECT_EQ(stapleItems(), std::vector<bool>(before.size(), false));  // a booklet takes no staples nor pads
  EXPECT_EQ(picture, "BookletCreation_Booklet-Fold.png");
  EXPECT_TRUE(dialog.panel().booklet.on);  // what it stores is korvo-pde set's to check
  const ui::Menu& menu = dialog.named("Finishing").menu();
  EXPECT_TRUE(menu.item(menu.findText("Booklet Creation..."))->checked);
}

// Inserts behind an empty exception list rule a booklet out, in the panel and in the dialog: each
// special-page list counts on its own. So do staples of the job's own.
TEST_F(BookletDialog, SpecialPagesOrTheJobsOwnStaplesRuleABookletOut) {
  dialog.panel().finishing.staple1 = 5;
  dialog.panel().finishing.code = kFinishingOneStaple;
  bool enabled = true;
  Answer("Booklet Fold", "", true, &enabled);
  EXPECT_FALSE(enabled);
  EXPECT_FALSE(dialog.panel().booklet.on);
  EXPECT_EQ(dialog.panel().finishing.staple1, 5);

  Set(kExceptionListKey, platform::PlistArray{});
  Set(kInsertListKey, platform::PlistArray{platform::PlistDict{{"Page", 3}}});
  ASSERT_EQ(dialog.sync(true), platform::noErr);  // the staples go: the ticket has none
  ASSERT_EQ(dialog.panel().finishing.staple1, 0);
  Answer("Booklet Fold", "", true, &enabled);
  EXPECT_FALSE(enabled);
  EXPECT_FALSE(dialog.panel().booklet.on);
  ASSERT_EQ(dialog.choose("Panel", "Booklet/Watermark"), platform::noErr);
  EXPECT_FALSE(dialog.named("BookletLayout").enabled());
  EXPECT_EQ(dialog.choose("BookletLayout", "Enabled"), ui::kUserCannotReachErr);
}

// The panel's options form, on a printer that folds booklets: offered only with a booklet, the
// finishing choices with the layout's; square fold and trim stay hidden, Help opens the booklet
// page, and Cancel changes nothing. (What its OK stores is korvo-pde set's to check.)
TEST_F(BookletDialog, TheOptionsFormHidesSquareFoldAndTrimHasHelpAndCancelChangesNothing) {
  ASSERT_EQ(dialog.choose("Panel", "Booklet/Watermark"), platform::noErr);
  EXPECT_FALSE(dialog.named("BookletOptions").enabled());
  ASSERT_EQ(dialog.choose("BookletLayout", "Enabled"), platform::noErr);
  dialog.sync(false);
  const platform::Ticket before = settings();
  script.onModal([](ui::Window& window, ui::UserDriver& user) {
    EXPECT_EQ(window.title(), "Booklet Options");
    EXPECT_NE(Titled(window.content(), "Booklet Fold"), nullptr);
    for (std::int32_t id : {1621, 1622, 1623, 1624})
      EXPECT_FALSE(window.find({platform::FourCharCode("KPDE"), id})->isReallyVisible()) << id;
    EXPECT_EQ(user.click(*window.content().findNamed("BookletHelp")), platform::noErr);
    korvo_test::Retype(user, korvo_test::In(window, "Gutter"), "36");
    user.pressEscape(window);
  });
  EXPECT_EQ(dialog.user().click(dialog.named("BookletOptions")), platform::noErr);
  EXPECT_TRUE(script.scriptUsedUp());
  EXPECT_TRUE(std::ranges::any_of(script.log(), [](const std::string& line) {
    return line.find("Paper_Output/Finishing/db_booklet_creation_d.htm") != std::string::npos;
  }));
  dialog.sync(false);
  EXPECT_EQ(settings(), before);
}

}  // namespace
