#include <iterator>
#include <map>

#include "model/special_page_list.h"

namespace {

// The ranges of a list by start page while new ranges are placed: placing one costs a lookup
// plus the ranges it removes, so loading n ranges stays n log n in any order.
using RangesByStart = std::map<std::int32_t, std::unique_ptr<SpecialPage>>;

ExceptionPage& RangeAt(RangesByStart::iterator at) { return static_cast<ExceptionPage&>(*at->second); }

// Moves a range whose start changes to its new place in the map.
void MoveStart(RangesByStart& ranges, RangesByStart::iterator at, std::int32_t start) {
  auto node = ranges.extract(at);
  node.mapped()->setStartPage(start);
  node.key() = start;
  ranges.insert(std::move(node));
}

// Places the new range [S, E], cutting the ranges already present to the pages it leaves them.
void PlaceRange(RangesByStart& ranges, const ExceptionPage& range) {
  const std::int32_t S = range.startPage();
  const std::int32_t E = range.endPage();
  auto at = ranges.lower_bound(S);
  if (at != ranges.begin()) {
    // The one range starting before S may reach into the new one, or past its end.
    ExceptionPage& before = RangeAt(std::prev(at));
    const std::int32_t e = before.endPage();
    if (e >= S) {
      if (E < e) {
        std::unique_ptr<SpecialPage> tail = before.clone();
        tail->setStartPage(E + 1);
        ranges.emplace(E + 1, std::move(tail));
      }
      before.setEndPage(S - 1);
    }
  }
  while (at != ranges.end() && at->first <= E) {
    if (RangeAt(at).endPage() > E) {
      MoveStart(ranges, at, E + 1);
      break;
    }
    at = ranges.erase(at);
  }
  ranges.emplace(S, range.clone());
}

}  // namespace

ExceptionPageList::ExceptionPageList(const ExceptionPageList& other) : SpecialPageList() {
  for (const auto& page : other.pages_) pages_.push_back(page->clone());
}

ExceptionPageList::ExceptionPageList(const platform::PlistArray& array) {
  std::vector<std::unique_ptr<ExceptionPage>> ranges;
  for (const platform::PlistValue& value : array) {
    const platform::PlistDict* dict = value.asDictionary();
    if (dict == nullptr) continue;
    if (auto range = ExceptionPageFromTicket(*dict)) ranges.push_back(std::move(range));
  }
  std::vector<const SpecialPage*> pages;
  pages.reserve(ranges.size());
  for (const auto& range : ranges) pages.push_back(range.get());
  addRanges(pages);
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
  addRanges(pages);
  return platform::noErr;
}

void ExceptionPageList::addRanges(const std::vector<const SpecialPage*>& pages) {
  if (pages.empty()) return;
  RangesByStart ranges;
  for (auto& page : pages_) {
    const std::int32_t start = page->startPage();
    ranges.emplace_hint(ranges.end(), start, std::move(page));
  }
  for (const SpecialPage* page : pages) PlaceRange(ranges, static_cast<const ExceptionPage&>(*page));
  pages_.clear();
  pages_.reserve(ranges.size());
  for (auto& [start, page] : ranges) pages_.push_back(std::move(page));
}
