// The Advanced panel clicked through as a user would: its pop-ups and check boxes, what they store
// in the ticket and read back, and the forced paper size it shares with Paper/Output. Its
// Import... and Export... buttons: a job ticket written from one dialog and read into another
// brings the settings across; a cancelled choice changes nothing, and a file that cannot be
// written or read is named in one alert and changes nothing. The job-ticket summary window: Copy
// All copies the text shown, Cancel answers -1, the confirm button 0, its title follows the mode.
#include <gtest/gtest.h>

#include "model/job_level_stock.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_keys.h"
#include "panels/advanced/advanced_ticket.h"
#include "panels/advanced/job_ticket_summary_window.h"
#include "platform/bundle/bundle.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/ticket/printer_info.h"
#include "platform/ui/scripted_interaction.h"
#include "platform/ui/text_style.h"

namespace {

namespace ui = platform::ui;
using korvo_test::PluginDialog;

class AdvancedPanel : public korvo_test::DialogTest {
 protected:
  AdvancedPanel() : DialogTest(korvo_test::SamplePPDPath()) {}
  std::int64_t Integer(const char* key) { return settings().getInteger(key).value_or(-99); }
  const platform::PlistDict& JobStock() {
    static const platform::PlistDict none;
    const platform::PlistDict* stock = settings().getDictionary(kJobLevelStockKey);
    return stock ? *stock : none;
  }
  // Brings the Advanced panel to the front, as a person does with the panel pop-up.
  static void ShowAdvanced(PluginDialog& dialog) { ASSERT_EQ(dialog.choose("Panel", "Advanced"), platform::noErr); }
  static std::string Shown(PluginDialog& dialog, const char* name) {
    ui::Control& popup = dialog.named(name);
    const ui::MenuItem* item = popup.menu().item(popup.value());
    return item ? item->text : "";
  }
};

TEST(AdvancedTicket, AForcedSizeMakesTheJobStockWhenTheTicketHasNone) {
  AdvancedContext context;
  context.forceNewSize = 4;
  platform::Ticket settings;
  WriteAdvancedTicket(context, settings);
  const platform::PlistDict* stock = settings.getDictionary(kJobLevelStockKey);
  ASSERT_NE(stock, nullptr);
  EXPECT_EQ(*stock, (platform::PlistDict{{"Size", 4}}));
}

// Paper/Output's booklet puts its new size in the same "Size"; whichever panel is in front
// writes last, and neither loses it.
TEST_F(AdvancedPanel, TheBookletSizeSurvivesASyncWithEitherPanelInFront) {
  for (const char* front : {"Paper/Output", "Advanced"}) {
    settings().set(kJobLevelStockKey, platform::PlistDict{{"Size", 5}}, "com.korvo.print");
    settings().set(kBookletLayoutKey, true, "com.korvo.print");
    settings().set(kBookletForceNewSizeKey, true, "com.korvo.print");
    PluginDialog dialog(session);
    ASSERT_EQ(dialog.choose("Panel", front), platform::noErr);
    ASSERT_EQ(dialog.sync(false), platform::noErr);
    EXPECT_EQ(korvo_test::IntegerIn(JobStock(), "Size"), 5) << front;
    EXPECT_EQ(settings().getBoolean(kBookletForceNewSizeKey), true) << front;
  }
}

TEST_F(AdvancedPanel, TheAboutBoxNamesThePrinterWithoutTheMakersWord) {
  session.ensureTicket(platform::kPDE_PMPrinterInfoRef)
      .set(platform::kPMMakeAndModelNameKey, "Korvo Prexan 5000", "com.apple.print");
  std::string printer, version;
  std::vector<ui::TextStyle> styles;
  script.onModal([&](ui::Window& window, ui::UserDriver& user) {
    printer = window.content().find({platform::FourCharCode("KPDE"), 501})->text();
    version = window.content().find({platform::FourCharCode("KPDE"), 502})->text();
    for (std::int32_t id : {501, 502, 503})  // white, to be read on the dark picture
      styles.push_back(ui::TextStyleOf(*window.content().find({platform::FourCharCode("KPDE"), id})));
    user.pressReturn(window);
  });
  PluginDialog dialog(session);
  ShowAdvanced(dialog);
  ASSERT_EQ(dialog.user().click(dialog.named("About")), platform::noErr);
  EXPECT_EQ(printer, "Prexan 5000");
  EXPECT_EQ(version, "Driver Version 1.0 (1.0.0)");
  EXPECT_EQ(styles, (std::vector<ui::TextStyle>{{20, ui::kWhiteRGB}, {14, ui::kWhiteRGB}, {12, ui::kWhiteRGB}}));
  EXPECT_TRUE(script.scriptUsedUp());
}

// A cancelled choice, or a file that cannot be written or read, changes nothing and names the
// file in one alert; a ticket exported from one dialog and imported into a fresh one brings the
// choices across, and the panel re-reads them at once.
TEST_F(AdvancedPanel, JobTicketsAreExportedAndImportedByTheButtons) {
  korvo_test::TempDir dir;
  const auto sessionBytes = [&] {
    EXPECT_TRUE(session.save(dir.file("session.plist")));
    return korvo_test::ReadFile(dir.file("session.plist"));
  };
  const std::string ticket = dir.file("job ticket"), missing = dir.file("no such folder/job.xml"),
                    notATicket = dir.file("notes.txt");
  korvo_test::WriteFile(notATicket, "these are not the settings you are looking for\n");
  {
    PluginDialog dialog(session);
    ShowAdvanced(dialog);
    ASSERT_EQ(dialog.sync(false), platform::noErr);
    const std::string before = sessionBytes();
    for (const auto& [button, file] : {std::pair{"ImportJobTicket", std::optional<std::string>()},
                                       {"ExportJobTicket", missing}, {"ImportJobTicket", notATicket}}) {
      script.onFile(file);
      ASSERT_EQ(dialog.user().click(dialog.named(button)), platform::noErr);
    }
    ASSERT_EQ(script.alerts().size(), 2u);
    EXPECT_NE(script.alerts()[0].message.find(missing), std::string::npos);
    EXPECT_NE(script.alerts()[1].message.find(notATicket), std::string::npos);
    EXPECT_EQ(sessionBytes(), before);

    korvo_test::ActOn(dialog, {{"Rotate", "On"}, {"OPIPrescan", "Gather"}, {"OPISubstitution", "False"}});
    script.onFile(ticket);
    ASSERT_EQ(dialog.user().click(dialog.named("ExportJobTicket")), platform::noErr);
  }
  EXPECT_EQ(script.alerts().size(), 2u);
  // Written under the name given, as it stands: none was proposed, no extension is added.
  EXPECT_EQ(script.fileRequests().back().defaultName, "");
  EXPECT_EQ(script.fileRequests().back().title, "Export Job Ticket");
  EXPECT_NE(korvo_test::ReadFile(ticket).find("<jtkt"), std::string::npos);

  platform::PrintSession fresh = korvo_test::SessionOn(korvo_test::SamplePPDPath());
  PluginDialog dialog(fresh);
  ShowAdvanced(dialog);
  script.onFile(ticket);
  ASSERT_EQ(dialog.user().click(dialog.named("ImportJobTicket")), platform::noErr);
  EXPECT_EQ(script.fileRequests().back().title, "Import Job Ticket");
  EXPECT_EQ(script.alerts().size(), 2u);
  EXPECT_EQ(Shown(dialog, "Rotate"), "On");  // re-read at once (the other choices: the round-trip tests')
}

TEST(JobTicketSummaryWindow, CopyAllCopiesTheShownTextAndTheAnswerFollowsTheButton) {
  ASSERT_TRUE(platform::Bundle::open(korvo_test::BundlePath()));
  const platform::PlistDict settings{{kJobNotesJobNameKey, platform::PlistValue("Quarterly report")}};
  ui::ScriptedInteraction script;
  ui::SetInteraction(&script);
  std::string shown;
  script.onModal([&](ui::Window& window, ui::UserDriver& user) {
    shown = window.find({platform::FourCharCode("Kshl"), 6003})->text();
    user.click(*window.find({platform::FourCharCode("Kshl"), 6002}));
    user.pressEscape(window);
  });
  script.onModal([](ui::Window& window, ui::UserDriver& user) { user.pressReturn(window); });
  EXPECT_EQ(DisplayJTKTImportExportSummary(&settings, kJTKTExportMode, nullptr), -1);
  EXPECT_EQ(DisplayJTKTImportExportSummary(&settings, kJTKTImportMode, "spring.xml"), platform::noErr);
  EXPECT_EQ(DisplayJTKTImportExportSummary(nullptr, kJTKTImportMode, nullptr), platform::paramErr);
  ui::SetInteraction(nullptr);
  ASSERT_NE(shown.find("Quarterly report"), std::string::npos) << shown;
  EXPECT_EQ(script.log(), (std::vector<std::string>{"modal: Export Korvo Job Ticket", "copy: " + shown,
                                                    "modal: Import Korvo Job Ticket spring.xml"}));
}

}  // namespace
