#include "platform/ui/gtk/gtk_interaction.h"

#include <cstdio>
#include <memory>
#include <optional>

#include "platform/bundle/help_book.h"
#include "platform/glib_handles.h"
#include "platform/ui/gtk/screen_place.h"
#include "platform/ui/gtk/window_renderer.h"
#include "platform/ui/window.h"

namespace platform::ui::gtk {
namespace {

// Runs the main loop until done says so.
template <typename Done>
void RunNestedLoop(Done done) {
  while (!done()) g_main_context_iteration(nullptr, TRUE);
}

struct AlertState {
  int chosen = 0;
  int cancel = 0;  // the answer of Escape and of the close box
  std::string title;
  GtkWidget* window = nullptr;
  std::vector<std::pair<std::string, GtkWidget*>> buttons;  // in answer order
};

std::vector<const AlertState*>& AlertsOpen() {
  static std::vector<const AlertState*> alerts;
  return alerts;
}

void OnAlertButton(GtkButton* button, gpointer data) {
  static_cast<AlertState*>(data)->chosen = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), "korvo-button"));
}

gboolean OnAlertClosed(GtkWindow*, gpointer data) {
  auto* state = static_cast<AlertState*>(data);
  if (state->chosen == 0) state->chosen = state->cancel;
  return TRUE;
}

// Escape dismisses the alert, and Return that no button took (the focused one takes it) gives
// the default answer.
gboolean OnAlertKey(GtkEventControllerKey*, guint key, guint, GdkModifierType, gpointer data) {
  auto* state = static_cast<AlertState*>(data);
  if (key == GDK_KEY_Escape) state->chosen = state->cancel;
  else if (key == GDK_KEY_Return || key == GDK_KEY_KP_Enter || key == GDK_KEY_ISO_Enter) state->chosen = 1;
  else return FALSE;
  return TRUE;
}

struct FileState {
  bool answered = false;
  std::optional<std::string> path;
  GtkFileChooser* chooser = nullptr;
};

std::vector<const FileState*>& ChoosersOpen() {
  static std::vector<const FileState*> choosers;
  return choosers;
}

void OnFileResponse(GtkNativeDialog* dialog, int response, gpointer data) {
  auto* state = static_cast<FileState*>(data);
  if (response == GTK_RESPONSE_ACCEPT) {
    if (GObjectPtr<GFile> file(gtk_file_chooser_get_file(GTK_FILE_CHOOSER(dialog))); file)
      if (GCharPtr path(g_file_get_path(file.get())); path) state->path = path.get();
  }
  state->answered = true;
}

// An alert's buttons have the size of the dialogs' own (their interface descriptions give push
// buttons 90 x 22).
constexpr int kAlertButtonWidth = 90;
constexpr int kAlertButtonHeight = 22;

// The name the chooser shows for the files offered: "PNG, JPG (*.png, *.jpg)".
std::string FilterName(const std::vector<std::string>& types) {
  std::string kinds, patterns;
  for (const std::string& type : types) {
    const GCharPtr upper(g_ascii_strup(type.c_str(), -1));
    kinds += (kinds.empty() ? "" : ", ") + std::string(upper.get());
    patterns += (patterns.empty() ? "*." : ", *.") + type;
  }
  return kinds + " (" + patterns + ")";
}

constexpr guint kClipboardPatienceMs = 5000;

struct ClipboardRead {
  bool done = false;
  std::optional<std::string> text;
};

void OnClipboardText(GObject* clipboard, GAsyncResult* result, gpointer data) {
  auto* read = static_cast<ClipboardRead*>(data);
  GError* failure = nullptr;
  // No text on the clipboard (or another kind of content) is an answer too: none.
  const GCharPtr text(gdk_clipboard_read_text_finish(GDK_CLIPBOARD(clipboard), result, &failure));
  const GErrorPtr ignored(failure);
  if (text) read->text = text.get();
  read->done = true;
}

int RunAlert(GtkWindow* parent, const AlertRequest& request);

// A help page on its way to the browser: its address, and the window whose Help asked for it.
struct HelpLaunch {
  std::string uri;
  GObjectPtr<GtkWindow> parent;
};

// Says why the help page did not open, on stderr and, as GTK's own programs do, in an alert over
// the window that asked (whoever pressed Help is looking there, not at a terminal).
void OnHelpLaunched(GObject* source, GAsyncResult* result, gpointer data) {
  const std::unique_ptr<HelpLaunch> launch(static_cast<HelpLaunch*>(data));
  GError* failure = nullptr;
#if GTK_CHECK_VERSION(4, 10, 0)
  const bool opened = gtk_uri_launcher_launch_finish(GTK_URI_LAUNCHER(source), result, &failure);
#else
  const bool opened = gtk_show_uri_full_finish(source ? GTK_WINDOW(source) : nullptr, result, &failure);
#endif
  const GErrorPtr reason(failure);
  if (opened) return;
  const std::string why = reason ? reason->message : "no program opens it";
  std::fprintf(stderr, "ERROR: could not open the help page %s: %s\n", launch->uri.c_str(), why.c_str());
  AlertRequest alert;
  alert.level = AlertLevel::Caution;
  alert.title = "The help page could not be opened.";
  alert.message = why + "\n\n" + launch->uri;
  RunAlert(launch->parent.get(), alert);
}

// Hands the address to the desktop's URI launcher, for the window parent.
void LaunchHelpPage(GtkWindow* parent, const std::string& uri) {
  // Handed to the launcher's callback, which takes it back.
  HelpLaunch* launch = std::make_unique<HelpLaunch>(
      HelpLaunch{uri, GObjectPtr<GtkWindow>(parent != nullptr ? GTK_WINDOW(g_object_ref(parent)) : nullptr)}).release();
#if GTK_CHECK_VERSION(4, 10, 0)
  const GObjectPtr<GtkUriLauncher> launcher(gtk_uri_launcher_new(uri.c_str()));
  gtk_uri_launcher_launch(launcher.get(), parent, nullptr, OnHelpLaunched, launch);
#else
  gtk_show_uri_full(parent, uri.c_str(), GDK_CURRENT_TIME, nullptr, OnHelpLaunched, launch);
#endif
}

// The window a person is looking at: the innermost dialog open, else the dialog's own window.
GtkWindow* FrontWindow(GtkWindow* fallback) {
  const std::vector<WindowRenderer*>& open = WindowRenderer::All();
  return open.empty() ? fallback : open.back()->gtkWindow();
}

}  // namespace

std::vector<AlertShown> OpenAlerts() {
  std::vector<AlertShown> shown;
  for (const AlertState* state : AlertsOpen()) {
    std::optional<Rect> place = ScreenPlaceOf(state->window);
    if (!place) continue;
    AlertShown alert{state->title, *place, {}};
    for (std::size_t i = 0; i < state->buttons.size(); ++i)
      if (std::optional<Rect> button = ScreenPlaceOf(state->buttons[i].second))
        alert.buttons.push_back({static_cast<int>(i) + 1, state->buttons[i].first, *button});
    shown.push_back(std::move(alert));
  }
  return shown;
}

std::vector<std::string> OpenChooserFilters() {
  std::vector<std::string> shown;
  // The filter the chooser itself holds as the one shown, not the one it was given: a chooser
  // that dropped it shows none.
  for (const FileState* state : ChoosersOpen()) {
    GtkFileFilter* filter = gtk_file_chooser_get_filter(state->chooser);
    const char* name = filter != nullptr ? gtk_file_filter_get_name(filter) : nullptr;
    shown.emplace_back(name != nullptr ? name : "");
  }
  return shown;
}

GtkInteraction::GtkInteraction(GtkWindow* parent, std::vector<std::string> pictureFolders)
    : parent_(parent), pictureFolders_(std::move(pictureFolders)) {}

int GtkInteraction::runModal(Window& window) {
  auto renderer = std::make_unique<WindowRenderer>(window, pictureFolders_, parent_);
  gtk_window_present(renderer->gtkWindow());
  RunNestedLoop([&] { return window.modalResult().has_value(); });
  renderer.reset();
  WindowRenderer::ScheduleRefreshAll();
  return *window.modalResult();
}

int GtkInteraction::alert(const AlertRequest& request) { return RunAlert(parent_, request); }

namespace {

int RunAlert(GtkWindow* parent, const AlertRequest& request) {
  GtkWidget* window = gtk_window_new();
  gtk_widget_add_css_class(window, "korvo");
  gtk_window_set_title(GTK_WINDOW(window), request.title.c_str());
  gtk_window_set_modal(GTK_WINDOW(window), TRUE);
  if (parent != nullptr) gtk_window_set_transient_for(GTK_WINDOW(window), parent);
  gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
  GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 12);
  gtk_widget_set_margin_start(box, 16);
  gtk_widget_set_margin_end(box, 16);
  gtk_widget_set_margin_top(box, 16);
  gtk_widget_set_margin_bottom(box, 16);
  GtkWidget* title = gtk_label_new(request.title.c_str());
  gtk_widget_add_css_class(title, "title-4");
  gtk_box_append(GTK_BOX(box), title);
  if (!request.message.empty()) {
    GtkWidget* message = gtk_label_new(request.message.c_str());
    gtk_label_set_wrap(GTK_LABEL(message), TRUE);
    gtk_label_set_max_width_chars(GTK_LABEL(message), 60);
    gtk_box_append(GTK_BOX(box), message);
  }
  AlertState state;
  state.title = request.title;
  state.cancel = AlertCancelAnswer(request);
  state.window = window;
  std::vector<std::string> buttons = request.buttons.empty() ? std::vector<std::string>{"OK"} : request.buttons;
  GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 8);
  gtk_widget_set_halign(row, GTK_ALIGN_END);
  // Shown right to left, the default button rightmost, as alerts are laid out.
  for (std::size_t i = buttons.size(); i-- > 0;) {
    GtkWidget* button = gtk_button_new_with_label(buttons[i].c_str());
    gtk_widget_set_size_request(button, kAlertButtonWidth, kAlertButtonHeight);
    g_object_set_data(G_OBJECT(button), "korvo-button", GINT_TO_POINTER(static_cast<int>(i) + 1));
    g_signal_connect(button, "clicked", G_CALLBACK(OnAlertButton), &state);
    gtk_box_append(GTK_BOX(row), button);
    state.buttons.insert(state.buttons.begin(), {buttons[i], button});
    if (i == 0) {
      // The default answer has the focus, so Return gives it, and is drawn as the default.
      gtk_window_set_default_widget(GTK_WINDOW(window), button);
      gtk_widget_add_css_class(button, "suggested-action");
    }
  }
  gtk_box_append(GTK_BOX(box), row);
  gtk_window_set_child(GTK_WINDOW(window), box);
  gtk_window_set_focus(GTK_WINDOW(window), state.buttons.front().second);
  g_signal_connect(window, "close-request", G_CALLBACK(OnAlertClosed), &state);
  GtkEventController* keys = gtk_event_controller_key_new();
  g_signal_connect(keys, "key-pressed", G_CALLBACK(OnAlertKey), &state);
  gtk_widget_add_controller(window, keys);
  gtk_window_present(GTK_WINDOW(window));
  AlertsOpen().push_back(&state);
  RunNestedLoop([&] { return state.chosen != 0; });
  std::erase(AlertsOpen(), &state);
  g_signal_handlers_disconnect_by_data(window, &state);
  g_signal_handlers_disconnect_by_data(keys, &state);
  gtk_window_destroy(GTK_WINDOW(window));
  return state.chosen;
}

}  // namespace

std::optional<std::string> GtkInteraction::chooseFile(const FileRequest& request) {
  // Titled by what it chooses, as the caller says; else by what it does.
  const std::string title = !request.title.empty() ? request.title : request.save ? "Save File" : "Open File";
  GObjectPtr<GtkFileChooserNative> owned(gtk_file_chooser_native_new(
      title.c_str(), parent_, request.save ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN,
      request.save ? "_Save" : "_Open", "_Cancel"));
  GtkFileChooserNative* chooser = owned.get();
  gtk_native_dialog_set_modal(GTK_NATIVE_DIALOG(chooser), TRUE);
  if (request.save && !request.defaultName.empty())
    gtk_file_chooser_set_current_name(GTK_FILE_CHOOSER(chooser), request.defaultName.c_str());
  if (!request.types.empty()) {
    GObjectPtr<GtkFileFilter> filter(gtk_file_filter_new());
    for (const std::string& type : request.types) gtk_file_filter_add_suffix(filter.get(), type.c_str());
    gtk_file_filter_set_name(filter.get(), FilterName(request.types).c_str());
    gtk_file_chooser_add_filter(GTK_FILE_CHOOSER(chooser), filter.get());
  }
  FileState state{false, std::nullopt, GTK_FILE_CHOOSER(chooser)};
  g_signal_connect(chooser, "response", G_CALLBACK(OnFileResponse), &state);
  gtk_native_dialog_show(GTK_NATIVE_DIALOG(chooser));
  ChoosersOpen().push_back(&state);
  RunNestedLoop([&] { return state.answered; });
  std::erase(ChoosersOpen(), &state);
  g_signal_handlers_disconnect_by_data(chooser, &state);
  return state.path;
}

void GtkInteraction::beep() {
  if (GdkDisplay* display = gdk_display_get_default()) gdk_display_beep(display);
}

OSStatus GtkInteraction::openHelp(const std::string& book, const std::string& page, const std::string& anchor) {
  // The help book is a folder of HTML pages; the page opens in the user's browser, through the
  // desktop's handler for its address. Whether the browser came up is known only later, so a
  // failure then is said in an alert (and on stderr).
  const std::optional<HelpBook> registered = RegisteredHelpBook(book);
  const std::optional<std::string> file = registered ? FindHelpPage(*registered, page) : std::nullopt;
  if (!file) return fnfErr;
  GError* failure = nullptr;
  GCharPtr address(g_filename_to_uri(file->c_str(), nullptr, &failure));
  const GErrorPtr reason(failure);
  if (!address) return ioErr;
  std::string uri = address.get();
  if (!anchor.empty()) uri += "#" + anchor;
  LaunchHelpPage(FrontWindow(parent_), uri);
  return noErr;
}

void GtkInteraction::setClipboardText(const std::string& text) {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr) return Interaction::setClipboardText(text);
  gdk_clipboard_set_text(gdk_display_get_clipboard(display), text.c_str());
}

std::optional<std::string> GtkInteraction::clipboardText() {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr) return Interaction::clipboardText();
  // Another program may own the clipboard: its answer comes through the main loop, and one that
  // never answers is given up on rather than waited for.
  ClipboardRead read;
  const GObjectPtr<GCancellable> cancel(g_cancellable_new());
  const guint timeout = g_timeout_add(
      kClipboardPatienceMs,
      [](gpointer data) -> gboolean {
        g_cancellable_cancel(G_CANCELLABLE(data));
        return G_SOURCE_REMOVE;
      },
      cancel.get());
  gdk_clipboard_read_text_async(gdk_display_get_clipboard(display), cancel.get(), OnClipboardText, &read);
  RunNestedLoop([&] { return read.done; });
  if (!g_cancellable_is_cancelled(cancel.get())) g_source_remove(timeout);
  return read.text;
}

}  // namespace platform::ui::gtk
