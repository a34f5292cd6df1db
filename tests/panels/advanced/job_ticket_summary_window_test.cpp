// The job-ticket summary window: Copy All copies the text shown, Cancel answers -1, the confirm
// button answers 0, and its title follows the mode.
#include <gtest/gtest.h>

#include "model/job_notes_keys.h"
#include "panels/advanced/job_ticket_summary_window.h"
#include "platform/bundle/bundle.h"
#include "platform/ui/scripted_interaction.h"
#include "support/test_support.h"

namespace {

namespace ui = platform::ui;

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
