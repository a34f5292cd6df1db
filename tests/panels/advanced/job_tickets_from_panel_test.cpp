// The Advanced panel's Import... and Export... buttons: a job ticket written from one dialog and
// read into another brings the settings across; a cancelled choice changes nothing, and a file
// that cannot be written or read is named in one alert and changes nothing.
#include <gtest/gtest.h>

#include "model/advanced_keys.h"
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

}  // namespace
