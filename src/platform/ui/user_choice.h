#pragma once
// Choices made by name and label, as a person reading the screen would make them: "the pop-up
// called TwoSided, the item reading One-Sided". Front ends that take settings as text (a command
// line, a script) act through these, so that every choice goes through the same events as a
// click would.
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"
#include "platform/ui/label_answers.h"
#include "platform/ui/user_driver.h"
#include "platform/ui/window.h"

namespace platform::ui {

// No control has that name, or it has no item, state, tab, row or button with that label.
inline constexpr OSStatus kNoSuchLabelErr = -30598;

// Splits "A>B>C" into its labels; "\>" is a ">" within a label ("Message=a \> b").
std::vector<std::string> SplitLabelPath(std::string_view path);

// Acts on the control named `name` within root (found in hidden panes too, which are brought to
// the front first, see UserDriver::bringToFront), by its kind:
// - push button: "click" or its title clicks it; so does a first label "Name=value", which is then
//   the first step of the dialog the button opens;
// - check box: "on" or "off" clicks it when it is not so already; a radio button: "on", "click"
//   or its title chooses it;
// - radio group: the radio button with that title is chosen;
// - pop-up: the item with that text; menu button: the item labels[0] and, when that item has a
//   submenu, its item labels[1];
// - edit field (numeric fields too: their handlers refuse what is not a number), multi-line text
//   view: the text replaces the old one, typed keystroke by keystroke;
// - combo box: its list item with that text, else the text typed;
// - list view: the row with a cell reading so; in a list that takes several rows, "A,B" chooses
//   the rows reading A and B when no row reads "A,B" itself;
// - tab control: the tab with that title; slider: the number (within its minimum and maximum);
//   little arrows: "up" or "down".
// The labels left over are handed to answers (when given) as the steps of the dialogs and alerts
// the choice opens. kNoSuchLabelErr when the control or a label is not there; kUserCannotReachErr
// when a person could not act on it.
OSStatus ChooseByLabels(Control& root, UserDriver& user, std::string_view name, const std::vector<std::string>& labels,
                        LabelAnswers* answers);
// The same choice, by one label, on a control already found (a step "Name=value" in a dialog).
OSStatus ChooseLabel(Control& control, UserDriver& user, std::string_view label);
// The same with a pop-up's or menu button's item and the item of its submenu.
OSStatus ChooseSubmenuLabel(Control& control, UserDriver& user, std::string_view label, std::string_view subLabel);
// True when label is an item of the control's menu that opens a submenu.
bool LabelOpensSubmenu(Control& control, std::string_view label);

}  // namespace platform::ui
