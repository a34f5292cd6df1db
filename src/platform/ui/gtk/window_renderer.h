#pragma once
// Shows a window of the control tree on screen with GTK 4, and keeps the two in step: the tree's
// titles, values, texts, states and structure are copied to the widgets on every refresh, and a
// person's click, choice or keystroke in the window is handed to the tree as the same user action
// the tests perform (UserDriver), so the code behind the controls cannot tell the two apart.
#include <gtk/gtk.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/gtk/title_fit.h"
#include "platform/ui/user_driver.h"
#include "platform/ui/window.h"

namespace platform::ui::gtk {

struct WidgetNode;

class WindowRenderer {
 public:
  // pictureFolders: where the file names of pictures are looked up, in order.
  WindowRenderer(Window& window, std::vector<std::string> pictureFolders, GtkWindow* transientFor = nullptr);
  // Renders only the controls inside root (a control of window) into container, a GtkFixed the
  // caller made and placed in toplevel, a window of its own; places are measured in toplevel,
  // which keeps its own default button, keys and close box.
  WindowRenderer(Window& window, Control& root, GtkWidget* container, GtkWindow* toplevel,
                 std::vector<std::string> pictureFolders);
  ~WindowRenderer();
  WindowRenderer(const WindowRenderer&) = delete;
  WindowRenderer& operator=(const WindowRenderer&) = delete;

  Window& window() const { return window_; }
  // Drawn into a container of someone else's window (see the second constructor).
  bool embedded() const { return embedded_; }
  GtkWindow* gtkWindow() const { return gtkWindow_; }

  // Copies the tree to the widgets: creates widgets for new controls, drops those of controls
  // that are gone, and brings every title, value, text and state up to date.
  void refresh();

  // Where the window lies on the screen; none until it is shown.
  std::optional<Rect> windowPlace() const;
  // Where a control's widget lies on the screen; none when the control has no widget or is not
  // on screen.
  std::optional<Rect> placeOf(const Control& control) const;
  // The title a control's widget shows and whether Pango found room for all of it; none for a
  // control without a title or not on screen.
  std::optional<TitleFit> titleOf(const Control& control) const;
  // The rows a list view shows, in order, each with the place of its cells (inside the row's
  // padding, where its texts start) as above and their texts; rows scrolled out of sight are left
  // out.
  struct ListRow {
    std::uint32_t item = 0;
    std::vector<std::string> cells;
    Rect place;
  };
  std::vector<ListRow> listRowsOf(const Control& control) const;
  // The column titles a list view shows above its rows, or the tabs of a tab control, in order,
  // with their places as above.
  struct ListColumn {
    std::string title;
    Rect place;
  };
  std::vector<ListColumn> listColumnsOf(const Control& control) const;
  // The control whose widget has the window's keyboard focus; null when none has.
  const Control* focusedControl() const;
  // The text a single-line field shows, a password field's characters as its dots; none for
  // another control or one not on screen.
  std::optional<std::string> shownTextOf(const Control& control) const;
  // The items of the menu now open in the window, with their places as above; empty when none is.
  struct OpenMenuItem {
    int item = 0, subItem = 0;
    std::string text;
    Rect place;
  };
  std::vector<OpenMenuItem> openMenuItems() const;

  // Called by the widgets: performs a user action on a control still in the tree, then schedules a
  // refresh of every window. Actions arriving while a refresh copies values are ignored: they are
  // the widgets echoing what the refresh set.
  template <typename Action>
  void act(const Control* control, Action action) {
    if (updating_ || control == nullptr || !contains(*control)) return;
    action(driver_, *const_cast<Control*>(control));
    ScheduleRefreshAll();
  }
  bool updating() const { return updating_; }
  // Return or Escape that no widget of the window took: its default or cancel button.
  void pressKey(bool escape);
  UserDriver& driver() { return driver_; }
  const std::vector<std::string>& pictureFolders() const { return pictureFolders_; }
  std::optional<std::string> picturePath(const std::string& name) const;

  // The renderers alive, and a refresh of all of them on the next turn of the main loop.
  static const std::vector<WindowRenderer*>& All();
  static void ScheduleRefreshAll();
  static void RefreshAll();

  // Set by the widgets of a menu that is open, cleared when it closes.
  void setOpenMenu(GtkWidget* popover, const Control* control) {
    openPopover_ = popover;
    openMenuControl_ = control;
  }

 private:
  bool contains(const Control& control) const;
  void syncControl(Control& control, Control* parent, GtkWidget* parentFixed);
  void groupRadioButtons(const Control& group);
  void showDefaultButton();
  void applyFocus();
  GtkWidget* keyboardWidgetOf(const Control* control) const;

  Window& window_;
  Control& root_;
  std::vector<std::string> pictureFolders_;
  bool embedded_ = false;  // in a container of a window it does not own
  GtkWindow* gtkWindow_ = nullptr;
  GtkWidget* rootFixed_ = nullptr;
  UserDriver driver_;
  bool updating_ = false;
  std::unordered_map<const Control*, std::unique_ptr<WidgetNode>> nodes_;
  GtkWidget* openPopover_ = nullptr;
  const Control* openMenuControl_ = nullptr;
  GtkEventController* keys_ = nullptr;  // owned by the window
  const Control* shownDefault_ = nullptr;  // the button drawn as the default
  std::uint64_t focusApplied_ = 0;  // the window's focus requests carried out on screen
};

}  // namespace platform::ui::gtk
