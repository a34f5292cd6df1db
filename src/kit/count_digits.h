#pragma once
// Digit counting, for sizing numeric fields to the values they will show.
#include <cstdint>

// The number of decimal digits of n, without a sign: 0 -> 1, 9 -> 1, 10 -> 2, -999 -> 3.
// Exact for every 64-bit value, the smallest included.
int CountDigits(std::int64_t n);
