#pragma once
// Where everything of a window is on screen, as a text file rewritten while the window is up:
// one line per control shown and one per item of an open menu. Scripts and tests that click
// the window with a synthetic pointer read it to know where to click.
#include <string>

#include "platform/ui/gtk/window_renderer.h"

namespace korvo_host {

// Lines "control SIGN ID KIND X Y W H" and "item N SUB X Y W H TEXT", in the coordinates of the
// window's X surface (signatures with spaces shown with '_'). False when the file cannot be written.
bool WriteLayoutReport(const platform::ui::gtk::WindowRenderer& renderer, const std::string& path);

}  // namespace korvo_host
