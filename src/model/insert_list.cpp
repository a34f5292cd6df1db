#include <algorithm>
#include <cstdint>
#include <limits>

#include "model/special_page_list.h"

InsertList::InsertList(const InsertList& other) : SpecialPageList() {
  for (const auto& page : other.pages_) pages_.push_back(page->clone());
}

InsertList::InsertList(const platform::PlistArray& array) {
  std::vector<Insert> inserts;
  inserts.reserve(array.size());
  for (const platform::PlistValue& value : array)
    if (const platform::PlistDict* dict = value.asDictionary()) inserts.emplace_back(*dict);
  std::vector<const SpecialPage*> pages;
  pages.reserve(inserts.size());
  for (const Insert& insert : inserts) pages.push_back(&insert);
  add(pages);
}

Insert* InsertList::pageAtIndex(long index) const { return static_cast<Insert*>(SpecialPageList::pageAtIndex(index)); }

platform::OSStatus InsertList::add(const std::vector<const SpecialPage*>& pages) {
  for (const SpecialPage* page : pages)
    if (dynamic_cast<const Insert*>(page) == nullptr) return platform::paramErr;
  // Each new insert goes before the first insert with a later start page, so inserts at one
  // page keep the order they were added in. Promoted inserts may stand out of order, so the old
  // ones are keyed by the latest start page up to them: that key never falls, and the new inserts,
  // sorted stably, merge into the list in one pass instead of a scan each.
  std::vector<std::unique_ptr<SpecialPage>> added;
  added.reserve(pages.size());
  for (const SpecialPage* page : pages) added.push_back(page->clone());
  std::stable_sort(added.begin(), added.end(), [](const auto& a, const auto& b) {
    return a->startPage() < b->startPage();
  });
  std::vector<std::unique_ptr<SpecialPage>> merged;
  merged.reserve(pages_.size() + added.size());
  auto next = added.begin();
  std::int32_t reach = std::numeric_limits<std::int32_t>::min();
  for (auto& page : pages_) {
    reach = std::max(reach, page->startPage());
    for (; next != added.end() && (*next)->startPage() < reach; ++next) merged.push_back(std::move(*next));
    merged.push_back(std::move(page));
  }
  for (; next != added.end(); ++next) merged.push_back(std::move(*next));
  pages_ = std::move(merged);
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
