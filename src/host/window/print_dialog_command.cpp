#include "host/window/print_dialog_command.h"

#include <gtk/gtkunixprint.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "host/dialog_session.h"
#include "host/host_paths.h"
#include "host/print_dialog_job.h"
#include "host/session_file.h"
#include "host/window/gtk_print_dialog_parts.h"
#include "host/window/gtk_settings_job.h"
#include "host/window/layout_report.h"
#include "host/window/panel_tabs.h"
#include "platform/glib_handles.h"
#include "platform/tasks/run_loop.h"
#include "platform/ui/gtk/gtk_interaction.h"
#include "platform/ui/gtk/screen_place.h"

namespace korvo_host {
namespace {

namespace ui = platform::ui;

// The file Print to File writes, as a path; empty when GTK gave no local file.
std::string OutputPath(GtkPrintSettings* settings) {
  const char* uri = gtk_print_settings_get(settings, GTK_PRINT_SETTINGS_OUTPUT_URI);
  if (uri == nullptr) return {};
  const platform::GCharPtr path(g_filename_from_uri(uri, nullptr, nullptr));
  return path ? std::string(path.get()) : std::string();
}

// The part of a message after its "ERROR: ", on one line.
std::string Reason(const std::string& said) {
  std::string line = said.substr(0, said.find('\n'));
  if (line.rfind("ERROR: ", 0) == 0) line.erase(0, 7);
  return line;
}

class PrintDialogWindow {
 public:
  PrintDialogWindow(const CommandLine& line, platform::PrintSession& session, std::unique_ptr<PrintDialog> extension,
                    std::ostream& out, std::ostream& err)
      : line_(line),
        bundlePath_(line.bundlePath.value_or(DefaultBundlePath())),
        session_(session),
        extension_(std::move(extension)),
        out_(out),
        err_(err) {
    pictureFolders_ = {extension_->bundle().resourcesPath()};
    // GTK selects the queue PRINTER names when it lists it (its settings' printer only works for
    // the first queue listed): the session's, when it is a queue's.
    if (!session.printer().deviceURI.empty()) setenv("PRINTER", session.printer().name.c_str(), 1);
    // A dialog of its own, with no program window behind it: the parent is never shown, so the
    // window manager places the dialog as a main window, and GTK knows it is not a stray one.
    parent_ = GTK_WINDOW(gtk_window_new());
    dialog_ = GTK_PRINT_UNIX_DIALOG(gtk_print_unix_dialog_new("Print", parent_));
    g_object_ref_sink(dialog_);
    gtk_print_unix_dialog_set_embed_page_setup(dialog_, TRUE);
    // The PDF is finished: it is neither previewed nor scaled, and has no selection.
    gtk_print_unix_dialog_set_manual_capabilities(
        dialog_, static_cast<GtkPrintCapabilities>(GTK_PRINT_CAPABILITY_PAGE_SET | GTK_PRINT_CAPABILITY_COPIES |
                                                   GTK_PRINT_CAPABILITY_COLLATE | GTK_PRINT_CAPABILITY_REVERSE));
    gtk_print_unix_dialog_set_support_selection(dialog_, FALSE);
    // GTK's page set-up starts on the session's paper (which GTK otherwise takes from the printer).
    const platform::Ticket* format = session.ticket(platform::kPDE_PMPageFormatRef);
    if (auto paper = platform::ReadPaperFormat(session.printer().ppdPath,
                                               format != nullptr ? platform::PaperInfoTicketPaperName(*format) : ""))
      gtk_print_unix_dialog_set_page_setup(dialog_, PageSetupOf(*paper).get());
    notebook_ = FindNotebook(GTK_WIDGET(dialog_));
    if (notebook_ != nullptr) {
      const std::vector<GtkWidget*> pages = NotebookPages(notebook_);
      if (pages.size() > 2) optionPages_.assign(pages.begin() + 2, pages.end());
      tabs_ = std::make_unique<PanelTabs>(notebook_, GTK_WINDOW(dialog_), *extension_, pictureFolders_);
      for (GtkWidget* page : optionPages_)
        g_signal_connect(page, "notify::visible", G_CALLBACK(OnOptionPageShown), this);
      showOptionPages();
    }
    g_signal_connect(dialog_, "notify::selected-printer", G_CALLBACK(OnPrinterChanged), this);
    g_signal_connect(dialog_, "response", G_CALLBACK(OnResponse), this);
  }

  ~PrintDialogWindow() {
    g_signal_handlers_disconnect_by_data(dialog_, this);
    if (GdkFrameClock* clock = gtk_widget_get_frame_clock(GTK_WIDGET(dialog_)); clock != nullptr && afterPaint_ != 0)
      g_signal_handler_disconnect(clock, afterPaint_);
    for (GtkWidget* page : optionPages_) g_signal_handlers_disconnect_by_data(page, this);
    closeExtension();
    tabs_.reset();
    gtk_window_destroy(GTK_WINDOW(dialog_));
    g_object_unref(dialog_);
    gtk_window_destroy(parent_);
  }
  PrintDialogWindow(const PrintDialogWindow&) = delete;
  PrintDialogWindow& operator=(const PrintDialogWindow&) = delete;

  int run() {
    if (tabs_ == nullptr) {
      err_ << "ERROR: GTK's print dialog has no tabs to add the panels to\n";
      return kExitUserError;
    }
    ui::gtk::GtkInteraction interaction(GTK_WINDOW(dialog_), pictureFolders_);
    ui::SetInteraction(&interaction);
    const guint pump = g_timeout_add(100, PumpOnce, this);
    if (line_.layoutPath) g_signal_connect(dialog_, "map", G_CALLBACK(OnMapped), this);
    gtk_window_present(GTK_WINDOW(dialog_));
    while (response_ == 0) g_main_context_iteration(nullptr, TRUE);
    g_source_remove(pump);
    // A panel's field may hold the focus (Return in it prints): GTK must not keep it for a
    // hidden dialog whose panels go before it does.
    gtk_window_set_focus(GTK_WINDOW(dialog_), nullptr);
    gtk_widget_set_visible(GTK_WIDGET(dialog_), FALSE);
    const int status = response_ == GTK_RESPONSE_OK ? print() : kExitOK;
    ui::SetInteraction(nullptr);
    return status;
  }

 private:
  static void OnPrinterChanged(GObject*, GParamSpec*, gpointer data) {
    static_cast<PrintDialogWindow*>(data)->printerChanged();
  }

  static void OnResponse(GtkDialog*, int response, gpointer data) {
    // Closing the window answers as Cancel does.
    static_cast<PrintDialogWindow*>(data)->response_ =
        response == GTK_RESPONSE_OK ? GTK_RESPONSE_OK : GTK_RESPONSE_CANCEL;
  }

  // Every setting of a Korvo printer is shown once: GTK's tabs from its PPD repeat the panels.
  // Another printer keeps them, and six tabs more than GTK's own would make the window wider than
  // a small screen: its tabs scroll.
  void showOptionPages() {
    ShowPrinterOptionPages(optionPages_, !extension_);
    gtk_notebook_set_scrollable(notebook_, !extension_);
  }

  // GTK shows a PPD's tabs as the printer's details arrive.
  static void OnOptionPageShown(GObject*, GParamSpec*, gpointer data) {
    auto* self = static_cast<PrintDialogWindow*>(data);
    if (self->extension_) self->showOptionPages();
  }

  // The layout is reported as soon as the dialog is first drawn with the panels' tabs, not at the
  // next turn of the pump: a script waiting for the dialog goes on the moment it is on screen.
  static void OnMapped(GtkWidget* widget, gpointer data) {
    auto* self = static_cast<PrintDialogWindow*>(data);
    if (GdkFrameClock* clock = gtk_widget_get_frame_clock(widget); clock != nullptr && self->afterPaint_ == 0)
      self->afterPaint_ = g_signal_connect(clock, "after-paint", G_CALLBACK(OnPainted), data);
  }

  static void OnPainted(GdkFrameClock* clock, gpointer data) {
    auto* self = static_cast<PrintDialogWindow*>(data);
    const std::string lines = self->layoutLines();
    WriteLayoutReport(*self->line_.layoutPath, lines);
    if (lines.find("\ntab " + std::to_string(self->tabs_->labels().size()) + ' ') == std::string::npos) return;
    g_signal_handler_disconnect(clock, self->afterPaint_);
    self->afterPaint_ = 0;
  }

  // As the dialog's own window does: work sent to the main loop, events the extension posted,
  // the widgets, and the layout report.
  static gboolean PumpOnce(gpointer data) {
    auto* self = static_cast<PrintDialogWindow*>(data);
    int delivered = platform::RunLoop::main().runPending();
    for (ui::gtk::WindowRenderer* renderer : ui::gtk::WindowRenderer::All())
      delivered += renderer->window().deliverPostedEvents();
    if (delivered > 0) ui::gtk::WindowRenderer::RefreshAll();
    self->tabs_->followCurrentTab();
    if (self->line_.layoutPath) WriteLayoutReport(*self->line_.layoutPath, self->layoutLines());
    return G_SOURCE_CONTINUE;
  }

  std::string layoutLines() const {
    std::ostringstream out;
    const auto place = ui::gtk::ScreenPlaceOf(GTK_WIDGET(dialog_));
    if (!place) return {};
    const char* title = gtk_window_get_title(GTK_WINDOW(dialog_));
    out << "window 0 " << place->x << ' ' << place->y << ' ' << place->width << ' ' << place->height << ' '
        << OneLine(title != nullptr ? title : "") << '\n';
    int tab = 0;
    for (GtkWidget* label : tabs_->labels()) {
      ++tab;
      if (!gtk_widget_get_mapped(label)) continue;
      if (const auto at = ui::gtk::ScreenPlaceOf(label))
        out << "tab " << tab << ' ' << at->x << ' ' << at->y << ' ' << at->width << ' ' << at->height << ' '
            << OneLine(gtk_label_get_text(GTK_LABEL(label))) << '\n';
    }
    return out.str() + DialogButtonLines(GTK_DIALOG(dialog_)) + PrinterListLines(GTK_WIDGET(dialog_)) +
           GtkFieldLines(GTK_WIDGET(dialog_));
  }

  // The queue's name, or empty for Print to File (and any printer of GTK's own).
  static std::string QueueOf(GtkPrinter* printer) {
    return gtk_printer_is_virtual(printer) ? std::string() : std::string(gtk_printer_get_name(printer));
  }

  // The extension is reopened on the printer chosen, keeping the ticket as the panels left it.
  void printerChanged() {
    GtkPrinter* printer = gtk_print_unix_dialog_get_selected_printer(dialog_);
    if (printer == nullptr) return;
    const std::string queue = QueueOf(printer);
    if (shownQueue_ && *shownQueue_ == queue) return;
    shownQueue_ = queue;
    if (extension_) extension_->sync(false);
    closeExtension();
    const platform::PrintSession before = session_;
    std::string refusal;
    if (queue.empty()) {
      session_.printer() = platform::PrinterInfo{};  // the bundled sample printer
    } else if (auto loaded = LoadQueuePrinter(queue, &session_, QueuePrinterFolder()); !loaded) {
      refusal = loaded.error();
    } else if (!IsKorvoPrinterDescription(loaded->ppdPath)) {
      refusal = queue + " is not a Korvo printer: the job goes with the settings of the General and Page Setup tabs.";
    }
    if (refusal.empty()) {
      std::ostringstream said;
      extension_ = OpenDialogOnSession(line_, bundlePath_, session_, said);
      if (!extension_) refusal = Reason(said.str());
    }
    if (!extension_) {
      // The session stays on the last Korvo printer, its ticket untouched.
      session_ = before;
      tabs_->showForeign(refusal);
    } else {
      tabs_->show(*extension_);
    }
    showOptionPages();
  }

  void closeExtension() {
    if (tabs_) tabs_->clear();
    if (!extension_) return;
    extension_->close();
    extension_->terminate();
    extension_.reset();
  }

  int print() {
    GtkPrinter* printer = gtk_print_unix_dialog_get_selected_printer(dialog_);
    const platform::GObjectPtr<GtkPrintSettings> settings(gtk_print_unix_dialog_get_settings(dialog_));
    const std::string& document = line_.arguments.front();
    if (printer == nullptr) {
      err_ << "ERROR: no printer chosen; nothing was printed\n";
      return kExitUserError;
    }
    if (!extension_) {
      // Not Korvo's: none of our settings, and nothing of the session changes.
      const platform::Result<std::string> sent = PrintWithGtkSettings(QueueOf(printer), document, settings.get());
      if (!sent) err_ << "ERROR: " << sent.error() << "\n";
      else out_ << *sent << "\n";
      return sent ? kExitOK : kExitUserError;
    }
    // GTK's Page Setup tab chose the paper; a size the printer lacks is refused before anything is kept.
    if (!ChoosePaperSize(session_, PaperChoiceOf(gtk_print_unix_dialog_get_page_setup(dialog_)), "Paper size", err_))
      return kExitUserError;
    extension_->sync(false);
    if (!SaveSessionFile(line_, session_, err_)) return kExitUserError;
    const std::string queue = QueueOf(printer);
    std::string printed, warnings;
    const std::string output = OutputPath(settings.get());
    if (queue.empty() && output.empty()) {
      err_ << "ERROR: " << gtk_printer_get_name(printer) << " names no file to print to; nothing was printed\n";
      return kExitUserError;
    }
    const platform::Result<platform::OSStatus> done =
        queue.empty() ? PrintToFile(*extension_, document, output)
                      : PrintToQueue(*extension_, queue, document, DialogChoicesOf(settings.get()), &printed,
                                     &warnings);
    err_ << warnings;
    if (!done) err_ << "ERROR: " << done.error() << "\n";
    if (!done || *done != platform::noErr) return kExitUserError;
    out_ << (queue.empty() ? output : printed) << "\n";
    return kExitOK;
  }

  const CommandLine& line_;
  const std::string bundlePath_;
  platform::PrintSession& session_;
  std::unique_ptr<PrintDialog> extension_;  // none on a printer that is not Korvo's
  std::ostream& out_;
  std::ostream& err_;
  std::vector<std::string> pictureFolders_;
  GtkWindow* parent_ = nullptr;
  GtkPrintUnixDialog* dialog_ = nullptr;
  GtkNotebook* notebook_ = nullptr;
  std::vector<GtkWidget*> optionPages_;
  std::unique_ptr<PanelTabs> tabs_;
  std::optional<std::string> shownQueue_;  // the printer the panels were last opened on
  int response_ = 0;
  gulong afterPaint_ = 0;  // the first report's handler, until it has listed every tab
};

}  // namespace

int RunPrintDialogCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
  // Refused before any window is shown: the dialog would have nothing to print.
  std::error_code failed;
  if (!std::filesystem::is_regular_file(line.arguments.front(), failed) ||
      ::access(line.arguments.front().c_str(), R_OK) != 0) {
    err << "ERROR: " << line.arguments.front() << ": not a document that can be read\n";
    return kExitUserError;
  }
  if (!gtk_init_check()) {
    err << "ERROR: no display to show the dialog on (is DISPLAY or WAYLAND_DISPLAY set?)\n";
    return kExitUserError;
  }
  const std::optional<SessionFileLock> lock = LockSessionFile(line, err);
  if (!lock) return kExitUserError;
  std::optional<platform::PrintSession> session = OpenSessionFile(line, err);
  if (!session) return kExitUserError;
  std::unique_ptr<PrintDialog> extension =
      OpenDialogOnSession(line, line.bundlePath.value_or(DefaultBundlePath()), *session, err);
  if (!extension) return kExitUserError;
  PrintDialogWindow window(line, *session, std::move(extension), out, err);
  return window.run();
}

}  // namespace korvo_host
