#include "kit/count_digits.h"

int CountDigits(std::int64_t n) {
  // Counting by division on the unsigned magnitude: the magnitude of the smallest value fits only
  // there, and a logarithm in floating point can land just below an exact power of ten.
  std::uint64_t magnitude = n < 0 ? 0U - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
  int digits = 1;
  while (magnitude >= 10U) {
    magnitude /= 10U;
    ++digits;
  }
  return digits;
}
