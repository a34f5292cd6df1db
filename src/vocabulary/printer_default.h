#pragma once
// The value that means "not set" in any integer setting of the ticket: the printer's own default
// applies (inside a special page, the job's setting does).
#include <cstdint>
#include <limits>

inline constexpr std::int32_t kPrinterDefault = std::numeric_limits<std::int32_t>::min();
static_assert(kPrinterDefault == -2147483647 - 1);
