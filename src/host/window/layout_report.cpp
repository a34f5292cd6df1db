#include "host/window/layout_report.h"

#include <algorithm>
#include <sstream>

#include "platform/files/file_io.h"
#include "platform/four_char_code.h"

namespace korvo_host {
namespace {

namespace ui = platform::ui;

void ReportControl(const ui::gtk::WindowRenderer& renderer, const ui::Control& control, std::ostringstream& out) {
  if (std::optional<ui::Rect> place = renderer.placeOf(control)) {
    std::string sign = platform::FourCharCodeText(control.id().signature);
    std::replace(sign.begin(), sign.end(), ' ', '_');
    out << "control " << sign << ' ' << control.id().id << ' ' << ui::ControlKindName(control.kind()) << ' '
        << place->x << ' ' << place->y << ' ' << place->width << ' ' << place->height << '\n';
  }
  for (const std::unique_ptr<ui::Control>& child : control.children()) ReportControl(renderer, *child, out);
}

}  // namespace

bool WriteLayoutReport(const ui::gtk::WindowRenderer& renderer, const std::string& path) {
  std::ostringstream out;
  ReportControl(renderer, renderer.window().content(), out);
  for (const auto& item : renderer.openMenuItems())
    out << "item " << item.item << ' ' << item.subItem << ' ' << item.place.x << ' ' << item.place.y << ' '
        << item.place.width << ' ' << item.place.height << ' ' << item.text << '\n';
  return platform::WriteFileAtomically(path, out.str());
}

}  // namespace korvo_host
