#include "host/window/layout_report.h"

#include <algorithm>
#include <sstream>

#include "platform/files/file_io.h"
#include "platform/four_char_code.h"
#include "platform/ui/gtk/gtk_interaction.h"
#include "platform/ui/gtk/window_renderer.h"

namespace korvo_host {
namespace {

namespace ui = platform::ui;

std::ostream& operator<<(std::ostream& out, const ui::Rect& place) {
  return out << place.x << ' ' << place.y << ' ' << place.width << ' ' << place.height;
}

std::string SignatureText(const ui::Control& control) {
  std::string sign = platform::FourCharCodeText(control.id().signature);
  std::replace(sign.begin(), sign.end(), ' ', '_');
  return sign;
}

void ReportControl(const ui::gtk::WindowRenderer& renderer, const ui::Control& control, const std::string& node,
                   std::ostringstream& out) {
  const std::string sign = SignatureText(control);
  if (std::optional<ui::Rect> place = renderer.placeOf(control)) {
    const auto title = renderer.titleOf(control);
    out << "control " << sign << ' ' << control.id().id << ' ' << ui::ControlKindName(control.kind()) << ' '
        << *place << ' ' << node << ' ' << (!title ? "-" : title->fits ? "fits" : "clipped") << ' '
        << (title ? OneLine(title->text) : std::string()) << '\n';
    int column = 0;
    const char* heading = control.kind() == ui::ControlKind::TabControl ? "page " : "column ";
    for (const auto& named : renderer.listColumnsOf(control))
      out << heading << sign << ' ' << control.id().id << ' ' << ++column << ' ' << named.place << ' '
          << OneLine(named.title) << '\n';
    if (std::optional<std::string> shown = renderer.shownTextOf(control))
      out << "field " << sign << ' ' << control.id().id << ' ' << OneLine(*shown) << '\n';
    for (const auto& row : renderer.listRowsOf(control)) {
      out << "row " << sign << ' ' << control.id().id << ' ' << row.item << ' ' << row.place << ' ';
      for (std::size_t i = 0; i < row.cells.size(); ++i) out << (i > 0 ? "\t" : "") << OneLine(row.cells[i]);
      out << '\n';
    }
  }
  int place = 0;
  for (const std::unique_ptr<ui::Control>& child : control.children())
    ReportControl(renderer, *child, node + "." + std::to_string(++place), out);
}

}  // namespace

std::string OneLine(std::string text) {
  std::replace_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
  return text;
}

bool WriteLayoutReport(const std::string& path, const std::string& dialogLines) {
  std::ostringstream out;
  out << dialogLines;
  int number = dialogLines.empty() ? 0 : 1;
  for (const ui::gtk::WindowRenderer* renderer : ui::gtk::WindowRenderer::All()) {
    const bool embedded = renderer->embedded() && !dialogLines.empty();
    const std::string window = embedded ? "0" : std::to_string(number++);
    if (std::optional<ui::Rect> place = renderer->windowPlace(); place && !embedded)
      out << "window " << window << ' ' << *place << ' ' << OneLine(renderer->window().title()) << '\n';
    ReportControl(*renderer, renderer->window().content(), window, out);
    if (const ui::Control* focus = renderer->focusedControl())
      out << "focus " << window << ' ' << SignatureText(*focus) << ' ' << focus->id().id << '\n';
    for (const auto& item : renderer->openMenuItems())
      out << "item " << item.item << ' ' << item.subItem << ' ' << item.place << ' ' << OneLine(item.text) << '\n';
  }
  for (const ui::gtk::AlertShown& alert : ui::gtk::OpenAlerts()) {
    const int window = number++;
    out << "window " << window << ' ' << alert.place << ' ' << OneLine(alert.title) << '\n';
    for (const auto& button : alert.buttons)
      out << "button " << window << ' ' << button.answer << ' ' << button.place << ' ' << OneLine(button.title) << '\n';
  }
  for (const std::string& filter : ui::gtk::OpenChooserFilters())
    out << "chooser " << number++ << ' ' << OneLine(filter) << '\n';
  return platform::WriteFileAtomically(path, out.str());
}

}  // namespace korvo_host
