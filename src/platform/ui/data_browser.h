#pragma once
// The list view's content: columns, rows by item id, a data callback that gives the text of a
// cell, and the selection, with a callback when the user changes it.
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace platform::ui {

using DataBrowserItemID = std::uint32_t;
using DataBrowserPropertyID = std::uint32_t;

struct DataBrowserColumn {
  DataBrowserPropertyID property = 0;
  std::string title;
  int width = 0;
};

class DataBrowser {
 public:
  using DataCallback = std::function<std::string(DataBrowserItemID item, DataBrowserPropertyID property)>;
  using SelectionCallback = std::function<void(const std::set<DataBrowserItemID>& selection)>;

  std::vector<DataBrowserColumn>& columns() { return columns_; }
  const std::vector<DataBrowserColumn>& columns() const { return columns_; }

  void setItems(std::vector<DataBrowserItemID> items);
  const std::vector<DataBrowserItemID>& items() const { return items_; }
  void setDataCallback(DataCallback callback) { data_ = std::move(callback); }
  void setSelectionCallback(SelectionCallback callback) { onSelection_ = std::move(callback); }
  // The text of one cell, through the data callback; empty without one.
  std::string cellText(DataBrowserItemID item, DataBrowserPropertyID property) const;

  bool multipleSelection() const { return multiple_; }
  void setMultipleSelection(bool multiple) { multiple_ = multiple; }
  const std::set<DataBrowserItemID>& selection() const { return selection_; }
  // Selection by the program: no callback. Unknown items are dropped; a single-selection list
  // keeps at most one.
  void setSelection(std::set<DataBrowserItemID> selection);
  // Selection by the user: the callback runs when the selection changed.
  void userSelect(std::set<DataBrowserItemID> selection);

 private:
  std::vector<DataBrowserColumn> columns_;
  std::vector<DataBrowserItemID> items_;
  std::set<DataBrowserItemID> selection_;
  DataCallback data_;
  SelectionCallback onSelection_;
  bool multiple_ = false;
};

}  // namespace platform::ui
