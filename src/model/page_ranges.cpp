// The page-range parser: one pass over the text, one item open at a time. A comma or the end
// closes the item; a number is checked against the limit digit by digit, so no run of digits
// can wrap around.
#include "model/page_ranges.h"

#include <optional>

#include "model/special_pages_codes.h"

namespace {

class RangeParser {
 public:
  explicit RangeParser(std::vector<PageRange>& out) : out_(out) {}

  platform::OSStatus parse(std::string_view text) {
    for (char c : text) {
      platform::OSStatus status = platform::noErr;
      if (c >= '0' && c <= '9') {
        status = digit(c - '0');
      } else {
        status = endNumber();
        if (status == platform::noErr && c == '-') status = hyphen();
        if (status == platform::noErr && c == ',') status = closeItem();
      }
      if (status != platform::noErr) return status;
    }
    if (platform::OSStatus status = endNumber(); status != platform::noErr) return status;
    if (platform::OSStatus status = closeItem(); status != platform::noErr) return status;
    return out_.empty() ? kInvalidPageRangesErr : platform::noErr;
  }

 private:
  platform::OSStatus digit(int d) {
    const std::int32_t value = number_.value_or(0);
    if (value > (kMaximumPageNumber - d) / 10) return kPageNumberLimitErr;
    number_ = value * 10 + d;
    return platform::noErr;
  }

  // A finished number is the item's end after a hyphen, else its start; a second number with no
  // hyphen between ("3 5") closes the first as a page of its own.
  platform::OSStatus endNumber() {
    if (!number_) return platform::noErr;
    const std::int32_t value = *number_;
    number_.reset();
    if (hyphen_) {
      if (end_) {
        if (platform::OSStatus status = closeItem(); status != platform::noErr) return status;
        start_ = value;
      } else {
        end_ = value;
      }
    } else {
      if (start_) closeItem();
      start_ = value;
    }
    return platform::noErr;
  }

  platform::OSStatus hyphen() {
    if (hyphen_) return kInvalidPageRangesErr;
    hyphen_ = true;
    return platform::noErr;
  }

  platform::OSStatus closeItem() {
    if (hyphen_) {
      if (!start_ && !end_) return kInvalidPageRangesErr;
      const std::int32_t first = start_.value_or(1), last = end_.value_or(kMaximumPageNumber);
      if (first > last) return kInvalidRangeOrderErr;
      out_.push_back({first, last - first + 1});
    } else if (start_) {
      out_.push_back({*start_, 1});
    }
    start_.reset();
    end_.reset();
    hyphen_ = false;
    return platform::noErr;
  }

  std::vector<PageRange>& out_;
  std::optional<std::int32_t> number_, start_, end_;
  bool hyphen_ = false;
};

}  // namespace

platform::OSStatus ParsePageRanges(std::string_view text, std::vector<PageRange>* ranges) {
  if (ranges == nullptr) return platform::paramErr;
  ranges->clear();
  const platform::OSStatus status = RangeParser(*ranges).parse(text);
  if (status != platform::noErr) ranges->clear();
  return status;
}

platform::OSStatus ParseSinglePages(std::string_view text, std::vector<std::int32_t>* pages,
                                    std::int32_t maximumPages) {
  if (pages == nullptr) return platform::paramErr;
  pages->clear();
  std::vector<PageRange> ranges;
  if (platform::OSStatus status = ParsePageRanges(text, &ranges); status != platform::noErr) return status;
  std::int64_t total = 0;
  for (const PageRange& range : ranges) total += range.count;
  if (total > maximumPages) return kTooManyPagesErr;
  pages->reserve(static_cast<std::size_t>(total));
  for (const PageRange& range : ranges)
    for (std::int32_t i = 0; i < range.count; ++i) pages->push_back(range.first + i);
  return platform::noErr;
}
