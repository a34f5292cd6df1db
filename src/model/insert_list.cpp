#include "model/special_page_list.h"

InsertList::InsertList(const InsertList& other) : SpecialPageList() {
  for (const auto& page : other.pages_) pages_.push_back(page->clone());
}

InsertList::InsertList(const platform::PlistArray& array) {
  for (const platform::PlistValue& value : array) {
    if (const platform::PlistDict* dict = value.asDictionary()) {
      Insert insert(*dict);
      add({&insert});
    }
  }
}

Insert* InsertList::pageAtIndex(long index) const { return static_cast<Insert*>(SpecialPageList::pageAtIndex(index)); }

platform::OSStatus InsertList::add(const std::vector<const SpecialPage*>& pages) {
  for (const SpecialPage* page : pages)
    if (dynamic_cast<const Insert*>(page) == nullptr) return platform::paramErr;
  for (const SpecialPage* page : pages) {
    // After every insert with the same start page: inserts at one page keep their order.
    auto at = pages_.begin();
    while (at != pages_.end() && (*at)->startPage() <= page->startPage()) ++at;
    pages_.insert(at, page->clone());
  }
  return platform::noErr;
}

bool InsertList::canPromote(const Insert* insert) const {
  long index = indexOfPage(insert);
  return index > 0 && pages_[static_cast<size_t>(index - 1)]->startPage() != 0;
}

void InsertList::promote(const Insert* insert) {
  if (!canPromote(insert)) return;
  auto index = static_cast<size_t>(indexOfPage(insert));
  std::swap(pages_[index], pages_[index - 1]);
}

bool InsertList::canDemote(const Insert* insert) const {
  long index = indexOfPage(insert);
  return index >= 0 && index + 1 < count() && pages_[static_cast<size_t>(index + 1)]->startPage() != 0;
}

void InsertList::demote(const Insert* insert) {
  if (!canDemote(insert)) return;
  auto index = static_cast<size_t>(indexOfPage(insert));
  std::swap(pages_[index], pages_[index + 1]);
}
