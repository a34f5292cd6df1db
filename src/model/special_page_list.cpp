#include "model/special_page_list.h"

SpecialPage* SpecialPageList::pageAtIndex(long index) const {
  if (index < 0 || index >= count()) return nullptr;
  return pages_[static_cast<size_t>(index)].get();
}

long SpecialPageList::indexOfPage(const SpecialPage* page) const {
  for (size_t i = 0; i < pages_.size(); ++i)
    if (pages_[i].get() == page) return static_cast<long>(i);
  return -1;
}

void SpecialPageList::remove(const SpecialPage* page) {
  long index = indexOfPage(page);
  if (index >= 0) pages_.erase(pages_.begin() + index);
}

platform::OSStatus SpecialPageList::update(const SpecialPage* page, const std::vector<const SpecialPage*>& pages) {
  long index = indexOfPage(page);
  if (index < 0) return platform::noErr;
  std::unique_ptr<SpecialPage> old = std::move(pages_[static_cast<size_t>(index)]);
  pages_.erase(pages_.begin() + index);
  platform::OSStatus status = add(pages);
  if (status != platform::noErr) pages_.insert(pages_.begin() + index, std::move(old));
  return status;
}

std::optional<platform::PlistArray> SpecialPageList::asTicket() const {
  if (pages_.empty()) return std::nullopt;
  platform::PlistArray array;
  for (const auto& page : pages_) array.emplace_back(page->asTicket());
  return array;
}
