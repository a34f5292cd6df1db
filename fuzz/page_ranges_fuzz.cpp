// Any text as the page numbers a person types for inserts and exception ranges: the parser must
// answer one of its own codes or ranges that lie within the page limit, the same ranges written
// out again must read back equal, and single pages must stay within the cap given.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/page_ranges.h"
#include "model/special_pages_codes.h"

namespace {

void Fail(const char* why) {
  std::fprintf(stderr, "page_ranges_fuzz: %s\n", why);
  std::abort();
}

constexpr std::int32_t kSmallCap = 64;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<PageRange> ranges;
  const platform::OSStatus status = ParsePageRanges(text, &ranges);
  if (status != platform::noErr) {
    if (status != kPageNumberLimitErr && status != kInvalidPageRangesErr && status != kInvalidRangeOrderErr)
      Fail("an answer that is not one of the parser's codes");
    if (!ranges.empty()) Fail("ranges left after a refusal");
    return 0;
  }
  if (ranges.empty()) Fail("success without a range");
  std::int64_t total = 0;
  std::string written;
  for (const PageRange& r : ranges) {
    if (r.first < 0 || r.count < 1 || std::int64_t{r.first} + r.count - 1 > kMaximumPageNumber)
      Fail("a range outside the page limit");
    total += r.count;
    written += std::to_string(r.first) + "-" + std::to_string(r.first + r.count - 1) + ",";
  }
  std::vector<PageRange> again;
  if (ParsePageRanges(written, &again) != platform::noErr || again != ranges) Fail("ranges written out read back otherwise");
  std::vector<std::int32_t> pages;
  const platform::OSStatus single = ParseSinglePages(text, &pages, kSmallCap);
  if (total > kSmallCap ? single != kTooManyPagesErr || !pages.empty()
                        : single != platform::noErr || static_cast<std::int64_t>(pages.size()) != total)
    Fail("single pages disagree with the ranges or the cap");
  return 0;
}
