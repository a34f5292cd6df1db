#pragma once
// Acts as a user on the control tree: each action causes the events a person's click, choice or
// keystroke would cause, and refuses what a person could not do (a hidden or disabled control, a
// disabled menu item). Tests drive panels with it; a renderer for a real window calls the same
// functions, so panels cannot tell the two apart.
#include <cstdint>
#include <set>
#include <string_view>

#include "platform/status.h"
#include "platform/ui/control.h"
#include "platform/ui/window.h"

namespace platform::ui {

// The control or item is hidden, disabled or not there: no user could act on it.
inline constexpr OSStatus kUserCannotReachErr = -30599;

class UserDriver {
 public:
  // Push buttons, checkboxes (toggled), radio buttons (chosen in their group), any control:
  // the hit event, then the control's command when nobody handled the hit.
  OSStatus click(Control& control);
  // A pop-up item (the value changes), a menu-button item or a submenu item (subItem > 0), or a
  // combo box's list item (the text changes; the list-item event follows).
  OSStatus chooseItem(Control& control, int item, int subItem = 0);
  // Types text one character at a time, as keystrokes ("\b" deletes), into an edit field or combo
  // box, focusing it first. Text that no handler took goes in by the field's standard editing;
  // when that changed the text, the text-did-change event follows.
  OSStatus type(Control& field, std::string_view text);
  // Pastes text as one piece.
  OSStatus paste(Control& field, std::string_view text);
  OSStatus select(Control& field, TextSelection selection);
  OSStatus focus(Control& control);
  // Little arrows: the hit event with the up or down part; what it means is the handlers' affair.
  OSStatus pressArrow(Control& arrows, bool up);
  // Sliders: the value, then the value-changed and hit events.
  OSStatus drag(Control& slider, std::int32_t value);
  // Data browsers: the user's selection (its callback runs when it changed).
  OSStatus selectRows(Control& browser, std::set<DataBrowserItemID> rows);
  // Tab controls: shows the tab-th pane (from 1), then the hit event tells the handlers.
  OSStatus chooseTab(Control& tabs, int tab);
  // Brings a control in a hidden pane to the front as a person would: for each hidden pane around
  // it, outermost first, chooses its tab or the item of the pop-up that shows it (see
  // Control::panesShown). kUserCannotReachErr when the control is still hidden after that.
  OSStatus bringToFront(Control& control);
  // The window's default or cancel button, as Return or Escape would (Escape presses the default
  // button of a window without a cancel button).
  OSStatus pressReturn(Window& window);
  OSStatus pressEscape(Window& window);

 private:
  OSStatus sendText(Control& field, std::string_view text);
};

}  // namespace platform::ui
