#pragma once
// The print dialog as the panel tests need it: the plug-in made through its real factory, its
// seven operations on a session, its controls found by their names and acted on by their labels.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "panels/paper_output/paper_output_state.h"
#include "platform/plugin/pde_interface.h"
#include "platform/ticket/print_session.h"
#include "platform/ui/scripted_interaction.h"
#include "platform/ui/user_driver.h"
#include "platform/ui/window.h"
#include "support/test_support.h"

namespace korvo_test {

// The test printer with every finisher; the bundled sample printer has only staplers.
std::string FinishersPPDPath();

class PluginDialog {
 public:
  // Prologue and Initialize on the session; Open too unless open is false.
  explicit PluginDialog(platform::PrintSession& session, bool open = true);
  ~PluginDialog();  // Close and Terminate, as the dialog ends
  PluginDialog(const PluginDialog&) = delete;
  PluginDialog& operator=(const PluginDialog&) = delete;

  platform::OSStatus open();
  platform::OSStatus close();
  platform::OSStatus sync(bool reinitialize);
  platform::ui::Window& window() { return window_; }
  // The control with that name (fails the test when there is none).
  platform::ui::Control& named(const std::string& name);
  // Chooses the item with that text (and the submenu item with subText) as a user would.
  platform::OSStatus choose(const std::string& controlName, const std::string& text, const std::string& subText = "");
  // The Paper/Output panel's context, to look at what the user's actions did.
  PaperOutputContext& panel();
  platform::ui::UserDriver& user() { return user_; }
  platform::Ticket& settings() { return *session_.ticket(platform::kPDE_PMPrintSettingsRef); }

 private:
  platform::PrintSession& session_;
  platform::ui::Window window_{"Print", platform::ui::Rect{0, 0, 560, 560}};
  platform::ui::Control* pane_ = nullptr;
  void* instance_ = nullptr;
  platform::PlugInIntf* interface_ = nullptr;
  platform::PMPDEContext context_ = nullptr;
  platform::ui::UserDriver user_;
};

// The control of a dialog's window with that name (fails the test when there is none).
platform::ui::Control& In(platform::ui::Window& window, const char* name);
// The control titled so within root (a radio button, check box or push button), or null.
platform::ui::Control* Titled(platform::ui::Control& root, const std::string& title);
// Replaces a field's whole text, as a person selecting it all and typing would.
void Retype(platform::ui::UserDriver& user, platform::ui::Control& field, const std::string& text);

// The integer under key in a dictionary the panel wrote; none when it is absent or no integer.
std::optional<std::int64_t> IntegerIn(const platform::PlistDict& dict, const char* key);

// The texts of a menu's items, "-" for a separator.
std::vector<std::string> MenuTexts(const platform::ui::Menu& menu);
// The cells of one column of a list, row by row.
std::vector<std::string> ColumnTexts(platform::ui::Control& list, platform::ui::DataBrowserPropertyID column);

// The context of the panel at that tab (1 Paper/Output, 2 Special Pages, 3 Image Options) in the
// plug-in the test has made.
void* PanelContextAt(std::int32_t tabIndex);
template <typename Context>
Context& PanelContext(std::int32_t tabIndex) {
  return *static_cast<Context*>(PanelContextAt(tabIndex));
}

// A session on the given printer, with the paper named and sized as the page format says.
platform::PrintSession SessionOn(const std::string& ppdPath, const std::string& paperName = "na-letter",
                                 double paperHeight = 792);

// Each (name, value) acts on the control of that name (brought to the front first), as korvo-pde
// set would: on a dialog's window, or on the print dialog's panels.
using NamedSteps = std::vector<std::pair<std::string, std::string>>;
void ActOn(platform::ui::Window& window, platform::ui::UserDriver& user, const NamedSteps& steps);
void ActOn(PluginDialog& dialog, const NamedSteps& steps);
// A modal step: the named steps, then OK (Return), Cancel (Escape) or nothing more.
enum class Then { kOK, kCancel, kStay };
platform::ui::ScriptedInteraction::ModalStep Act(NamedSteps steps, Then then = Then::kOK);

// A test of the print dialog: the user's folders of its own, a session on a printer (the one with
// every finisher unless the fixture names another) and a script for the dialogs that open.
class DialogTest : public ::testing::Test {
 protected:
  explicit DialogTest(const std::string& ppdPath = FinishersPPDPath()) : session(SessionOn(ppdPath)) {}
  platform::Ticket& settings() { return *session.ticket(platform::kPDE_PMPrintSettingsRef); }
  // Stores a value in the print settings, as an earlier dialog would have.
  void Set(const char* key, platform::PlistValue value) { settings().set(key, std::move(value), "com.korvo.print"); }

  ScopedXdgHome home;
  platform::PrintSession session;
  platform::ui::ScriptedInteraction script;
};

}  // namespace korvo_test
