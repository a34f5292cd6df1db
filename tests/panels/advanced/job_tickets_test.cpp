// The Advanced panel's Import... and Export... buttons: a job ticket written from one dialog and
// read into another brings the settings across; a cancelled choice changes nothing, and a file
// that cannot be written or read is named in one alert and changes nothing. The summary window:
// Copy All copies the text shown, Cancel answers -1, the confirm button 0, its title follows the
// mode.
#include <gtest/gtest.h>

#include "model/advanced_keys.h"
#include "model/job_notes_keys.h"
#include "panels/advanced/job_ticket_summary_window.h"
#include "platform/bundle/bundle.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/ui/scripted_interaction.h"

namespace {

namespace ui = platform::ui;
using korvo_test::PluginDialog;

class JobTicketsFromThePanel : public korvo_test::DialogTest {
 protected:
  JobTicketsFromThePanel() : DialogTest(korvo_test::SamplePPDPath()) {}
  korvo_test::TempDir dir;

  static void ShowAdvanced(PluginDialog& dialog) { ASSERT_EQ(dialog.choose("Panel", "Advanced"), platform::noErr); }
  // The session as its file holds it.
  std::string SessionBytes(const platform::PrintSession& s) {
    const std::string path = dir.file("session.plist");
    EXPECT_TRUE(s.save(path));
    return korvo_test::ReadFile(path);
  }
};

TEST_F(JobTicketsFromThePanel, AnExportedTicketImportedIntoAFreshDialogBringsTheSettings) {
  const std::string ticket = dir.file("job.xml");
  {
    PluginDialog dialog(session);
    ShowAdvanced(dialog);
    ASSERT_EQ(dialog.choose("Rotate", "On"), platform::noErr);
    ASSERT_EQ(dialog.choose("OPIPrescan", "Gather"), platform::noErr);
    ASSERT_EQ(dialog.choose("OPISubstitution", "False"), platform::noErr);
    script.onFile(ticket);
    ASSERT_EQ(dialog.user().click(dialog.named("ExportJobTicket")), platform::noErr);
  }
  EXPECT_TRUE(script.alerts().empty());
  EXPECT_NE(korvo_test::ReadFile(ticket).find("<jtkt"), std::string::npos);

  platform::PrintSession fresh = korvo_test::SessionOn(korvo_test::SamplePPDPath());
  PluginDialog dialog(fresh);
  ShowAdvanced(dialog);
  script.onFile(ticket);
  ASSERT_EQ(dialog.user().click(dialog.named("ImportJobTicket")), platform::noErr);
  EXPECT_TRUE(script.alerts().empty());
  ui::Control& rotate = dialog.named("Rotate");
  EXPECT_EQ(rotate.menu().item(rotate.value())->text, "On");  // the panel has re-read the ticket
  ASSERT_EQ(dialog.sync(false), platform::noErr);
  for (const char* key : {kAdvancedRotateImage180Key, kOPIPrescanKey, kOPISubsitutionKey})
    EXPECT_EQ(dialog.settings().getInteger(key), session.ticket(platform::kPDE_PMPrintSettingsRef)->getInteger(key))
        << key;
}

TEST_F(JobTicketsFromThePanel, ACancelledChoiceOrAFileThatCannotBeWrittenOrReadChangesNothing) {
  PluginDialog dialog(session);
  ShowAdvanced(dialog);
  ASSERT_EQ(dialog.sync(false), platform::noErr);
  const std::string before = SessionBytes(session);

  script.onFile(std::nullopt);
  ASSERT_EQ(dialog.user().click(dialog.named("ImportJobTicket")), platform::noErr);
  EXPECT_TRUE(script.alerts().empty());

  const std::string missing = dir.file("no such folder/job.xml");
  script.onFile(missing);
  ASSERT_EQ(dialog.user().click(dialog.named("ExportJobTicket")), platform::noErr);
  ASSERT_EQ(script.alerts().size(), 1u);
  EXPECT_NE(script.alerts()[0].message.find(missing), std::string::npos);

  const std::string notATicket = dir.file("notes.txt");
  korvo_test::WriteFile(notATicket, "these are not the settings you are looking for\n");
  script.onFile(notATicket);
  ASSERT_EQ(dialog.user().click(dialog.named("ImportJobTicket")), platform::noErr);
  ASSERT_EQ(script.alerts().size(), 2u);
  EXPECT_NE(script.alerts()[1].message.find(notATicket), std::string::npos);
  EXPECT_EQ(SessionBytes(session), before);
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
