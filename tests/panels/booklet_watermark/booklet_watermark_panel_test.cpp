// The Booklet/Watermark panel clicked through as a user would, beside Paper/Output: booklet
// layout and two-sided printing whichever panel turns it on or off, the watermark pop-up with the
// saved watermarks and its options, and what the ticket keeps of them.
#include <gtest/gtest.h>

#include "kit/preference_locations.h"
#include "model/booklet_watermark_keys.h"
#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "model/special_pages_ticket.h"
#include "panels/paper_output/finishing/finishing_rules.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/ui/drawn_images.h"
#include "platform/ui/scripted_interaction.h"
#include "watermark/default_watermarks.h"
#include "watermark/watermark_file.h"

namespace {

using korvo_test::PluginDialog;

class BookletWatermarkPanel : public korvo_test::DialogTest {
 protected:
  std::optional<std::int64_t> Integer(const char* key) { return settings().getInteger(key); }

  static void ShowBookletPanel(PluginDialog& dialog) {
    ASSERT_EQ(dialog.choose("Panel", "Booklet/Watermark"), platform::noErr);
  }
  static void BookletInPaperOutput(PluginDialog& dialog, bool on) {
    BookletSettings booklet = dialog.panel().booklet;
    booklet.on = on;
    ApplyBookletSettings(dialog.panel(), booklet);
  }
  void ExpectDuplex(std::int64_t value) {
    EXPECT_EQ(Integer(kFinishingDuplexKey), value);
    EXPECT_EQ(Integer(kPMDuplexingKey), value);
  }
};

TEST_F(BookletWatermarkPanel, BookletOnInPaperOutputOffHereGivesOneSidedBackOnce) {
  PluginDialog dialog(session);
  ASSERT_EQ(dialog.choose("TwoSided", "One-Sided"), platform::noErr);
  dialog.panel().finishing.staple1 = 5;
  BookletInPaperOutput(dialog, true);
  ShowBookletPanel(dialog);  // Paper/Output writes, this panel reads
  ExpectDuplex(3);
  EXPECT_EQ(Integer(kFinishingStaple1ValueKey), 1);  // one booklet rule: no staples with it
  EXPECT_EQ(dialog.named("BookletLayout").selectedItem()->text, "Enabled");
  ASSERT_EQ(dialog.choose("BookletLayout", "Disabled"), platform::noErr);
  ExpectDuplex(1);  // at once, so Paper/Output reads it too
  dialog.sync(false);
  dialog.sync(true);
  dialog.sync(false);
  ExpectDuplex(1);
  EXPECT_EQ(settings().getBoolean(kBookletLayoutKey), false);
  EXPECT_FALSE(settings().contains(kBookletDuplexBeforeKey));
  const platform::Ticket shownHere = settings();
  ASSERT_EQ(dialog.choose("Panel", "Paper/Output"), platform::noErr);
  EXPECT_EQ(dialog.named("TwoSided").selectedItem()->text, "One-Sided");
  dialog.sync(false);
  EXPECT_EQ(settings(), shownHere);  // the same ticket whichever panel is shown
}

TEST_F(BookletWatermarkPanel, BookletOnHereOffInPaperOutputGivesTheUsersChoiceBack) {
  PluginDialog dialog(session);
  ASSERT_EQ(dialog.choose("TwoSided", "Two-Sided (Long Edge)"), platform::noErr);
  ShowBookletPanel(dialog);
  EXPECT_FALSE(dialog.named("BookletOutlines").enabled());
  ASSERT_EQ(dialog.choose("BookletLayout", "Enabled"), platform::noErr);
  ASSERT_EQ(dialog.choose("BookletOutlines", "Draw Page Borders"), platform::noErr);
  EXPECT_EQ(dialog.window().content().find({platform::FourCharCode("KPDE"), 6004})->picture(),
            "BookletCreation_Booklet-Outlines.png");
  dialog.sync(false);
  dialog.sync(true);
  dialog.sync(false);  // a later Sync remembers neither the 3 it wrote nor what it read back
  ExpectDuplex(3);
  EXPECT_EQ(Integer(kBookletDrawOutlinesKey), 2);
  EXPECT_EQ(Integer(kBookletDuplexBeforeKey), 2);
  ASSERT_EQ(dialog.choose("Panel", "Paper/Output"), platform::noErr);
  {
    platform::ui::Control& twoSided = dialog.named("TwoSided");
    EXPECT_FALSE(twoSided.enabled());
    EXPECT_EQ(twoSided.selectedItem()->text, "Two-Sided (Short Edge)");
  }
  BookletInPaperOutput(dialog, false);
  dialog.sync(false);
  ExpectDuplex(2);
  dialog.sync(true);
  ASSERT_EQ(dialog.choose("TwoSided", "One-Sided"), platform::noErr);
  dialog.sync(false);
  ExpectDuplex(1);  // the user's later choice is not overridden
}

// An empty exception list does not hide the inserts: each list counts on its own.
TEST_F(BookletWatermarkPanel, SpecialPagesLeaveBookletAlone) {
  Set(kExceptionListKey, platform::PlistArray{});
  Set(kInsertListKey, platform::PlistArray{platform::PlistDict{{"Page", 3}}});
  Set(kBookletLayoutKey, false);
  PluginDialog dialog(session);
  ShowBookletPanel(dialog);
  EXPECT_FALSE(dialog.named("BookletLayout").enabled());
  EXPECT_EQ(dialog.choose("BookletLayout", "Enabled"), platform::ui::kUserCannotReachErr);
}

TEST_F(BookletWatermarkPanel, TheWatermarkMenuListsTheSavedWatermarksAndItsOptions) {
  PluginDialog dialog(session);
  ShowBookletPanel(dialog);
  platform::ui::Control& popup = dialog.named("Watermark");
  EXPECT_EQ(korvo_test::MenuTexts(popup.menu()), (std::vector<std::string>{"No Watermark", "-", "Options", "New...", "Edit...", "Delete", "Draft",
                                             "Confidential", "Copy"}));
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

  // The preview shows the page drawn with it, fitted and centred; no watermark empties it.
  platform::ui::Control& preview = *dialog.window().content().find({platform::FourCharCode("KPDE"), 6008});
  const std::vector<platform::ui::DrawnImage> drawn = platform::ui::ImagesDrawnIn(preview);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(korvo_test::ReadFile(drawn[0].path).substr(0, 4), "\x89PNG");
  EXPECT_EQ(drawn[0].rect.height, preview.bounds().height);
  EXPECT_LT(drawn[0].rect.width, preview.bounds().width);
  ASSERT_EQ(dialog.choose("Watermark", "No Watermark"), platform::noErr);
  EXPECT_TRUE(platform::ui::ImagesDrawnIn(preview).empty());
}

TEST_F(BookletWatermarkPanel, ANameIsFoundIgnoringCaseAndAnUnknownOneIsDropped) {
  Set(kWatermarkNameTicketKey, "draft");
  {
    PluginDialog dialog(session);
    EXPECT_EQ(dialog.named("Watermark").selectedItem()->text, "Draft");
    dialog.sync(false);
    EXPECT_EQ(*settings().getString(kWatermarkNameTicketKey), "Draft");
  }
  Set(kWatermarkNameTicketKey, "Deleted Long Ago");
  PluginDialog dialog(session);
  EXPECT_EQ(dialog.named("Watermark").selectedItem()->text, "No Watermark");
  dialog.sync(false);
  EXPECT_FALSE(settings().contains(kWatermarkNameTicketKey));
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

// What their OK stores is korvo-pde set's to check.
TEST_F(BookletWatermarkPanel, BookletOptionsAreOfferedWithABookletAndCancelChangesNothing) {
  PluginDialog dialog(session);
  ShowBookletPanel(dialog);
  EXPECT_FALSE(dialog.named("BookletOptions").enabled());  // only while booklet is on
  ASSERT_EQ(dialog.choose("BookletLayout", "Enabled"), platform::noErr);
  dialog.sync(false);
  const platform::Ticket before = settings();
  script.onModal([](platform::ui::Window& window, platform::ui::UserDriver& user) {
    EXPECT_EQ(window.title(), "Booklet Options");
    korvo_test::Retype(user, korvo_test::In(window, "Gutter"), "36");
    user.pressEscape(window);
  });
  EXPECT_EQ(dialog.user().click(dialog.named("BookletOptions")), platform::noErr);
  EXPECT_TRUE(script.scriptUsedUp());
  dialog.sync(false);
  EXPECT_EQ(settings(), before);
}

TEST_F(BookletWatermarkPanel, DeleteAsksFirstAndTakesTheWatermarkOutOfTheFileAndTheMenu) {
  Set(kWatermarkNameTicketKey, "Draft");
  PluginDialog dialog(session);
  ShowBookletPanel(dialog);
  const std::string path = std::string(std::getenv("XDG_DATA_HOME")) + "/Korvo/" + kWatermarkFileName;
  const std::string file = korvo_test::ReadFile(path);
  ASSERT_NE(file.find("<string>Draft</string>"), std::string::npos);
  script.onAlert(1);  // Keep
  ASSERT_EQ(dialog.choose("Watermark", "Delete"), platform::noErr);
  EXPECT_EQ(korvo_test::ReadFile(path), file);
  EXPECT_EQ(dialog.named("Watermark").selectedItem()->text, "Draft");
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

}  // namespace
