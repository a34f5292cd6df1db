#pragma once
// The answers of the page-range parser and the special-page lists, and the limits of what a
// typed page range may ask for. The dialogs show each answer as an alert of its own.
#include <cstdint>

#include "platform/status.h"

// A page number above kMaximumPageNumber.
inline constexpr platform::OSStatus kPageNumberLimitErr = 1000;
// A hyphen after a hyphen, a lone hyphen, or a text without a single page.
inline constexpr platform::OSStatus kInvalidPageRangesErr = 1001;
// A range whose first page comes after its last.
inline constexpr platform::OSStatus kInvalidRangeOrderErr = 1002;
// A range the exception list cannot hold (pages count from 1).
inline constexpr platform::OSStatus kInvalidPageNumbersErr = 1003;
// More single pages than kMaximumInsertPages: refused before any is made.
inline constexpr platform::OSStatus kTooManyPagesErr = 1004;
// Two special pages that cannot share their pages.
inline constexpr platform::OSStatus kPageRangeConflictErr = 1234;

inline constexpr std::int32_t kMaximumPageNumber = 9999999;
inline constexpr int kMaximumPageNumberDigits = 7;
// The most insert places one typed text may make; "7-" would otherwise mean ten million sheets.
inline constexpr std::int32_t kMaximumInsertPages = 10000;

// An exception's lighten/darken steps, lightest to darkest (0 normal): what its menu offers and
// all a range holds, the range the printer accepts in a job ticket too.
inline constexpr std::int32_t kLightenDarkenLightest = -5;
inline constexpr std::int32_t kLightenDarkenDarkest = 5;
