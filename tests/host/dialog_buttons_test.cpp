// The dialog's Save, Cancel and Export Job Ticket buttons, clicked through the toolkit as the
// window clicks them, with the file chooser and alerts answered by a script.
#include "host/dialog_buttons.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "host/dialog_session.h"
#include "platform/ui/scripted_interaction.h"
#include "platform/ui/user_driver.h"
#include "support/test_support.h"

namespace {

namespace ui = platform::ui;

class DialogButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog_ = korvo_host::OpenDialogOnSession(line_, korvo_test::BundlePath(), session_, err_);
    ASSERT_NE(dialog_, nullptr) << err_.str();
  }
  void TearDown() override {
    if (dialog_) {
      dialog_->close();
      dialog_->terminate();
    }
  }

  ui::Window& window() { return dialog_->window(); }

  korvo_test::TempDir dir_;
  korvo_host::CommandLine line_;
  platform::PrintSession session_;
  std::ostringstream out_, err_;
  std::unique_ptr<korvo_host::PrintDialog> dialog_;
  ui::ScriptedInteraction script_;
  ui::UserDriver user_;
};

TEST_F(DialogButtonsTest, SaveWritesTheSessionOnceTheExtensionHasSeenThePress) {
  const std::string path = dir_.file("session.plist");
  korvo_host::DialogButtons buttons(*dialog_, session_, path, out_, err_);
  EXPECT_EQ(window().defaultButton()->title(), "Save");
  ASSERT_EQ(user_.click(*window().defaultButton()), platform::noErr);
  // Saving waits for the posted event, after every handler of the press has run.
  EXPECT_FALSE(buttons.finished());
  EXPECT_FALSE(std::filesystem::exists(path));
  window().deliverPostedEvents();
  EXPECT_TRUE(buttons.finished());
  EXPECT_EQ(buttons.exitStatus(), 0);
  auto saved = platform::PrintSession::load(path);
  ASSERT_TRUE(saved) << saved.error();
  EXPECT_EQ(*saved->ticket(platform::kPDE_PMPrintSettingsRef), *session_.ticket(platform::kPDE_PMPrintSettingsRef));
}

TEST_F(DialogButtonsTest, SaveIntoAFolderThatIsNotThereSaysSoAndKeepsTheDialogOpen) {
  korvo_host::DialogButtons buttons(*dialog_, session_, dir_.file("missing/session.plist"), out_, err_);
  script_.onAlert(1);
  user_.click(*window().defaultButton());
  window().deliverPostedEvents();
  EXPECT_FALSE(buttons.finished());
  EXPECT_NE(err_.str().find("ERROR: "), std::string::npos);
  ASSERT_EQ(script_.alerts().size(), 1u);
  EXPECT_EQ(script_.alerts()[0].title, "The settings could not be saved.");
}

// Cancel ending without saving is clicked in the real window (host/window/dialog_window_test).
TEST_F(DialogButtonsTest, ExportWritesTheJobTicketToTheChosenFile) {
  korvo_host::DialogButtons buttons(*dialog_, session_, std::nullopt, out_, err_);
  const std::string path = dir_.file("ticket.xml");
  ui::Control* exportButton = window().find(korvo_host::kExportButtonID);
  ASSERT_NE(exportButton, nullptr);

  // The summary comes first (Escape in it writes nothing: host/window/dialog_window_test).
  std::string summary;
  script_.onFile(path);
  script_.onModal([&](ui::Window& shown, ui::UserDriver& user) {
    summary = shown.find({platform::FourCharCode("Kshl"), 6003})->text();
    user.pressReturn(shown);
  });
  script_.onAlert(1);
  ASSERT_EQ(user_.click(*exportButton), platform::noErr);
  EXPECT_EQ(script_.fileRequests().back().defaultName, "");  // the name is the user's to give
  EXPECT_TRUE(summary.starts_with("Job Notes\n") && summary.find("\nJob Setup\n") != std::string::npos) << summary;
  std::string check;
  EXPECT_EQ(korvo_test::RunCommand("xmllint --noout " + path, &check, true), 0) << check;
  ASSERT_EQ(script_.alerts().size(), 1u);
  EXPECT_EQ(script_.alerts()[0].title, "The job ticket was exported.");
  EXPECT_FALSE(buttons.finished());

  // A chooser that is cancelled exports nothing and says nothing.
  script_.onFile(std::nullopt);
  user_.click(*exportButton);
  EXPECT_EQ(script_.alerts().size(), 1u);
}

}  // namespace
