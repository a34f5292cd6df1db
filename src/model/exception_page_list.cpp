#include "model/special_page_list.h"

ExceptionPageList::ExceptionPageList(const ExceptionPageList& other) : SpecialPageList() {
  for (const auto& page : other.pages_) pages_.push_back(page->clone());
}

ExceptionPageList::ExceptionPageList(const platform::PlistArray& array) {
  for (const platform::PlistValue& value : array) {
    const platform::PlistDict* dict = value.asDictionary();
    if (dict == nullptr) continue;
    if (auto range = ExceptionPageFromTicket(*dict)) addRange(*range);
  }
}

ExceptionPage* ExceptionPageList::pageAtIndex(long index) const {
  return static_cast<ExceptionPage*>(SpecialPageList::pageAtIndex(index));
}

platform::OSStatus ExceptionPageList::add(const std::vector<const SpecialPage*>& pages) {
  // A range whose end lies before its start would never be placed: refuse the whole call.
  for (const SpecialPage* page : pages) {
    const auto* range = dynamic_cast<const ExceptionPage*>(page);
    if (range == nullptr || !range->isValidRange()) return platform::paramErr;
  }
  for (const SpecialPage* page : pages) addRange(static_cast<const ExceptionPage&>(*page));
  return platform::noErr;
}

// Places the new range n = [S, E], cutting the ranges already present to the pages it leaves
// them; every pass either places n, shortens or removes an old range, or advances k.
void ExceptionPageList::addRange(const ExceptionPage& range) {
  const std::int32_t S = range.startPage();
  const std::int32_t E = range.endPage();
  size_t k = 0;
  for (;;) {
    if (k == pages_.size()) {
      pages_.push_back(range.clone());
      return;
    }
    auto& old = static_cast<ExceptionPage&>(*pages_[k]);
    const std::int32_t s = old.startPage();
    const std::int32_t e = old.endPage();
    if (S > e) {
      ++k;  // the old range lies wholly before the new one
    } else if (S < s) {
      if (E < s) {
        pages_.insert(pages_.begin() + static_cast<long>(k), range.clone());
        return;
      }
      if (E < e)
        old.setStartPage(E + 1);
      else
        pages_.erase(pages_.begin() + static_cast<long>(k));
    } else if (S == s) {
      if (E < e)
        old.setStartPage(E + 1);
      else
        pages_.erase(pages_.begin() + static_cast<long>(k));
    } else if (E < e) {
      // The new range lies inside the old one: split the old range around it.
      std::unique_ptr<SpecialPage> tail = old.clone();
      tail->setStartPage(E + 1);
      old.setEndPage(S - 1);
      pages_.insert(pages_.begin() + static_cast<long>(k) + 1, std::move(tail));
      ++k;
    } else {
      old.setEndPage(S - 1);
      ++k;
    }
  }
}
