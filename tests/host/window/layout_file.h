#pragma once
// The layout report korvo-pde dialog --layout keeps, read back: where to click, and what a
// person would see wrong (a title cut short, two controls on top of each other).
#include <map>
#include <string>
#include <vector>

namespace korvo_test {

struct Place {
  int x = 0, y = 0, width = 0, height = 0;
  int centreX() const { return x + width / 2; }
  int centreY() const { return y + height / 2; }
};

struct ControlLine {
  std::string name;  // "SIGN/ID"
  std::string kind;
  Place place;
  std::string node;  // "N.i.j": window N, then the place among siblings at each level
  std::string fit;   // "fits", "clipped" or "-"
  std::string title;
};

struct Layout {
  // "SIGN/ID" for controls, "item N" and "item TEXT" for open menu items ("item N.S" for item
  // S of item N's submenu), "page SIGN/ID K" for tab K of a tab control, "button N TITLE" for the
  // buttons of alert N, "window N"; of GTK's print dialog "tab K" (from 1), "dialog-button
  // TITLE", "printer NAME" and "gtk-field ID".
  std::map<std::string, Place> places;
  std::vector<std::string> tabs, printers;  // the print dialog's, in order
  Place menu;  // the first of the open menu's items in view
  std::map<std::string, std::string> windowTitles;  // by window number
  std::map<std::string, Place> windowPlaces;
  std::map<std::string, std::string> fields;        // the text shown, by "SIGN/ID"
  std::map<std::string, std::string> focus;         // "SIGN/ID" by window number
  std::map<std::string, std::string> choosers;      // the filter shown, by window number
  // Of each list view, by "SIGN/ID": its column titles', and its rows' texts' left edges.
  std::map<std::string, std::vector<int>> columnsX, rowsX;
  std::vector<ControlLine> controls;
  bool has(const std::string& name) const { return places.count(name) != 0 && places.at(name).width > 0; }
};

Layout ReadLayout(const std::string& path);

// One line for each title of window N that is cut short, each two siblings in it that overlap and
// each list whose column titles do not start where its rows' texts do.
std::vector<std::string> LayoutFaults(const Layout& layout, const std::string& window);

}  // namespace korvo_test
