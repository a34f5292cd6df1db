#include "host/dialog_buttons.h"

#include <filesystem>

#include "host/command_line.h"
#include "platform/plist/plist_description.h"
#include "platform/ui/interaction.h"
#include "platform/ui/standard_commands.h"

namespace korvo_host {
namespace {

namespace ui = platform::ui;

constexpr int kExportMode = 1;  // the summary window's export form
constexpr platform::OSType kExportCommand = platform::FourCharCode("PDex");
// Save runs once the extension has seen the OK press: it is posted, and handled when delivered.
constexpr std::uint32_t kSavePosted = platform::FourCharCode("PDsv");

std::string PrinterLabel(const platform::PrintSession& session) {
  const platform::PrinterInfo& printer = session.printer();
  if (!printer.name.empty()) return printer.name;
  return std::filesystem::path(printer.ppdPath).stem().string();
}

void ShowAlert(ui::AlertLevel level, std::string title, std::string message) {
  ui::AlertRequest request;
  request.level = level;
  request.title = std::move(title);
  request.message = std::move(message);
  request.buttons = {"OK"};
  ui::RunStandardAlert(request);
}

}  // namespace

DialogButtons::DialogButtons(PrintDialog& dialog, platform::PrintSession& session,
                             std::optional<std::string> sessionPath, std::ostream& out, std::ostream& err)
    : dialog_(dialog), session_(session), sessionPath_(std::move(sessionPath)), out_(out), err_(err) {
  ui::Window& window = dialog.window();
  window.setTitle("Print: " + PrinterLabel(session));
  if (ui::Control* ok = window.defaultButton()) ok->setTitle("Save");
  ui::Control& content = window.content();
  ui::Control* exportButton = content.embed(
      std::make_unique<ui::Control>(ui::ControlKind::PushButton, kExportButtonID, ui::Rect{10, 520, 170, 24}));
  exportButton->setTitle("Export Job Ticket...");
  exportButton->setCommand(kExportCommand);
  ui::Control* name = content.embed(
      std::make_unique<ui::Control>(ui::ControlKind::StaticText, kPrinterNameID, ui::Rect{190, 524, 160, 20}));
  name->setText(PrinterLabel(session));
  handler_ = window.installHandler(
      {{ui::kEventClassCommand, ui::kEventCommandProcess}, {ui::kEventClassKPDE, kSavePosted}},
      [this](ui::Event& event) { return handle(event); });
}

platform::OSStatus DialogButtons::handle(ui::Event& event) {
  if (event.eventClass == ui::kEventClassKPDE) {
    save();
    return platform::noErr;
  }
  switch (event.command) {
    case ui::kOKCommand:
      dialog_.window().postEvent(ui::Event(ui::kEventClassKPDE, kSavePosted));
      // The extension may want to see the press too.
      return platform::eventNotHandledErr;
    case ui::kCancelCommand:
      finished_ = true;
      exitStatus_ = kExitOK;
      return platform::eventNotHandledErr;
    case kExportCommand:
      exportJobTicket();
      return platform::noErr;
    default:
      return platform::eventNotHandledErr;
  }
}

void DialogButtons::save() {
  dialog_.sync(false);
  if (!sessionPath_) {
    if (const platform::Ticket* settings = session_.ticket(platform::kPDE_PMPrintSettingsRef))
      for (const auto& [key, item] : settings->items())
        out_ << key << " = " << platform::PlistDescription(item.value) << "\n";
    finished_ = true;
    exitStatus_ = kExitOK;
    return;
  }
  std::string error;
  if (!session_.save(*sessionPath_, &error)) {
    // The dialog stays open: the user may fix the folder and save again.
    err_ << "ERROR: " << error << "\n";
    ShowAlert(ui::AlertLevel::Stop, "The settings could not be saved.", error);
    return;
  }
  finished_ = true;
  exitStatus_ = kExitOK;
}

void DialogButtons::exportJobTicket() {
  ui::FileRequest request;
  request.save = true;
  request.title = "Export Job Ticket";
  request.types = {"xml"};  // the files listed; as on the Advanced panel, no name is proposed and the one given is kept
  std::optional<std::string> path = ui::ChooseFile(request);
  if (!path) return;
  // The file holds the settings as they stand in the panels, not as they were last saved.
  dialog_.sync(false);
  if (!confirmExport()) return;
  platform::Result<platform::OSStatus> exported = dialog_.exportJobTicket(*path);
  if (!exported) {
    err_ << "ERROR: " << exported.error() << "\n";
    ShowAlert(ui::AlertLevel::Stop, "The job ticket could not be exported.", exported.error());
  } else if (*exported != platform::noErr) {
    ShowAlert(ui::AlertLevel::Stop, "The job ticket could not be exported.", *path);
  } else {
    ShowAlert(ui::AlertLevel::Note, "The job ticket was exported.", *path);
  }
}

// The summary of what the file will hold; the file is written only when the user goes on.
bool DialogButtons::confirmExport() {
  platform::PlistDict settings;
  if (const platform::Ticket* ticket = session_.ticket(platform::kPDE_PMPrintSettingsRef))
    for (const auto& [key, item] : ticket->items()) settings.emplace(key, item.value);
  platform::Result<platform::OSStatus> shown = dialog_.showJobTicketSummary(settings, kExportMode, "");
  if (!shown) {
    err_ << "ERROR: " << shown.error() << "\n";
    return false;
  }
  return *shown == platform::noErr;
}

}  // namespace korvo_host
