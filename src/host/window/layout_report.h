#pragma once
// Where everything of the windows on screen is, as a text file rewritten while they are up: the
// dialog's window, each modal dialog and alert open over it, their controls, the column titles
// and rows of their list views and the items of an open menu. Scripts and tests that click the
// windows with a synthetic pointer read it to know where to click.
#include <string>

namespace korvo_host {

// Lines, all places "X Y W H" in screen coordinates:
//   window N X Y W H TITLE                 N: 0 the dialog's window, then each dialog and alert
//                                          over it in the order they opened
//   control SIGN ID KIND X Y W H NODE FIT TITLE
//                                          NODE: "N.i.j...", the window and the control's place
//                                          among its siblings at each level (siblings share all but
//                                          the last number); FIT: "fits", or "clipped" when the
//                                          title is wider (or taller) than the control, or "-"
//                                          for a control without a title
//   column SIGN ID K X Y W H TITLE         the title of a list view's column K
//   tab SIGN ID K X Y W H TITLE            tab K of a tab control
//   row SIGN ID ITEM X Y W H CELLS         a list view's row, where its cells lie and their texts
//                                          separated by tabs
//   field SIGN ID TEXT                     the text a single-line field shows (a password
//                                          field's characters as dots)
//   focus N SIGN ID                        the control with window N's keyboard focus
//   item N SUB X Y W H TEXT                an item of the open menu (SUB 0 for a top-level item)
//   button N ANSWER X Y W H TITLE          a button of alert N (the first button answers 1)
//   chooser N FILTER                       a file chooser open as window N (numbered after the
//                                          alerts), with the name of the filter it shows
// Signatures with spaces are shown with '_'; line breaks and tabs inside texts as spaces. False
// when the file cannot be written.
//
// dialogLines: the lines of a window of someone else's (GTK's print dialog) that renderers draw
// into, window 0, with its own "window 0" line; the controls those renderers draw are reported
// as window 0's, and the windows of the other renderers count from 1.
bool WriteLayoutReport(const std::string& path, const std::string& dialogLines = {});

// A text on one line of the report: line breaks and tabs become spaces.
std::string OneLine(std::string text);

}  // namespace korvo_host
