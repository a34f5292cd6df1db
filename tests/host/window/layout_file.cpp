#include "host/window/layout_file.h"

#include <fstream>
#include <sstream>

namespace korvo_test {
namespace {

bool Overlap(const Place& a, const Place& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

std::string Parent(const std::string& node) { return node.substr(0, node.rfind('.')); }
std::string Window(const std::string& node) { return node.substr(0, node.find('.')); }

std::string Rest(std::istringstream& fields) {
  std::string text;
  std::getline(fields >> std::ws, text);
  return text;
}

}  // namespace

Layout ReadLayout(const std::string& path) {
  Layout layout;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string what, a, b, c;
    Place place;
    if (!(fields >> what >> a)) continue;
    if (what == "window") {
      if (fields >> place.x >> place.y >> place.width >> place.height) {
        layout.windowTitles[a] = Rest(fields);
        layout.places["window " + a] = place;
        layout.windowPlaces[a] = place;
      }
    } else if (what == "page" && fields >> b >> c) {
      if (fields >> place.x >> place.y >> place.width >> place.height) layout.places["page " + a + "/" + b + " " + c] = place;
    } else if (what == "control") {
      ControlLine control;
      control.name = a;
      if (fields >> b >> control.kind >> place.x >> place.y >> place.width >> place.height >> control.node >> control.fit) {
        control.name += "/" + b;
        control.place = place;
        control.title = Rest(fields);
        layout.places[control.name] = place;
        layout.controls.push_back(std::move(control));
      }
    } else if (what == "item" && fields >> b) {
      if (fields >> place.x >> place.y >> place.width >> place.height) {
        layout.places[b == "0" ? "item " + a : "item " + a + "." + b] = place;
        if (b == "0") layout.places["item " + Rest(fields)] = place;
        if (layout.menu.width == 0) layout.menu = place;
      }
    } else if ((what == "column" || what == "row") && fields >> b >> c >> place.x) {
      (what == "column" ? layout.columnsX : layout.rowsX)[a + "/" + b].push_back(place.x);
    } else if (what == "chooser") {
      layout.choosers[a] = Rest(fields);
    } else if (what == "field" && fields >> b) {
      layout.fields[a + "/" + b] = Rest(fields);
    } else if (what == "focus" && fields >> b >> c) {
      layout.focus[a] = b + "/" + c;
    } else if (what == "button" && fields >> b) {
      if (fields >> place.x >> place.y >> place.width >> place.height) layout.places["button " + a + " " + Rest(fields)] = place;
    } else if (what == "tab" && fields >> place.x >> place.y >> place.width >> place.height) {
      layout.tabs.push_back(Rest(fields));
      layout.places["tab " + a] = place;
    } else if ((what == "dialog-button" || what == "printer" || what == "gtk-field") && fields >> place.y >> place.width >> place.height) {
      place.x = std::stoi(a);
      const std::string name = Rest(fields);
      if (what == "printer") layout.printers.push_back(name);
      layout.places[what + " " + name] = place;
    }
  }
  return layout;
}

std::vector<std::string> LayoutFaults(const Layout& layout, const std::string& window) {
  std::vector<std::string> faults;
  const std::vector<ControlLine>& controls = layout.controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (Window(controls[i].node) != window) continue;
    if (controls[i].fit == "clipped") faults.push_back(controls[i].name + " cuts its title \"" + controls[i].title + "\"");
    for (std::size_t k = i + 1; k < controls.size(); ++k)
      if (Parent(controls[k].node) == Parent(controls[i].node) && Overlap(controls[i].place, controls[k].place))
        faults.push_back(controls[i].name + " overlaps " + controls[k].name);
    const auto columns = layout.columnsX.find(controls[i].name), rows = layout.rowsX.find(controls[i].name);
    if (columns != layout.columnsX.end() && rows != layout.rowsX.end() && columns->second[0] != rows->second[0])
      faults.push_back(controls[i].name + "'s column titles start at " + std::to_string(columns->second[0]) +
                       ", its rows at " + std::to_string(rows->second[0]));
  }
  return faults;
}

}  // namespace korvo_test
