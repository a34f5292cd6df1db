#include "platform/ui/data_browser.h"

#include <algorithm>

namespace platform::ui {

void DataBrowser::setItems(std::vector<DataBrowserItemID> items) {
  items_ = std::move(items);
  std::set<DataBrowserItemID> kept;
  for (auto id : selection_)
    if (std::find(items_.begin(), items_.end(), id) != items_.end()) kept.insert(id);
  selection_ = std::move(kept);
}

std::string DataBrowser::cellText(DataBrowserItemID item, DataBrowserPropertyID property) const {
  return data_ ? data_(item, property) : std::string();
}

void DataBrowser::setSelection(std::set<DataBrowserItemID> selection) {
  std::set<DataBrowserItemID> kept;
  for (auto id : selection) {
    if (std::find(items_.begin(), items_.end(), id) == items_.end()) continue;
    kept.insert(id);
    if (!multiple_) break;
  }
  selection_ = std::move(kept);
}

void DataBrowser::userSelect(std::set<DataBrowserItemID> selection) {
  auto before = selection_;
  setSelection(std::move(selection));
  if (selection_ != before && onSelection_) onSelection_(selection_);
}

}  // namespace platform::ui
