#pragma once
// Page numbers as a person types them for inserts and exception ranges: "1,3-5, 9", "-4" (1 to
// 4), "7-" (7 to the last page number), "2a4" (2 and 4: other characters only separate).
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/status.h"

struct PageRange {
  std::int32_t first = 0;
  std::int32_t count = 0;  // at least 1
  friend bool operator==(const PageRange&, const PageRange&) = default;
};

// The ranges in the order typed: noErr, or kPageNumberLimitErr, kInvalidPageRangesErr or
// kInvalidRangeOrderErr (special_pages_codes.h) with *ranges emptied. paramErr without ranges.
platform::OSStatus ParsePageRanges(std::string_view text, std::vector<PageRange>* ranges);

// The same text as single pages, each range expanded page by page; kTooManyPagesErr, before any
// page is made, when they would be more than maximumPages.
platform::OSStatus ParseSinglePages(std::string_view text, std::vector<std::int32_t>* pages,
                                    std::int32_t maximumPages);
