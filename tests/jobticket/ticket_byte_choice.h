#pragma once
// Choices for the ticket generator taken from a run of bytes (a fuzzer's input, a seed file):
// each choice reads one byte, two for a bound above 256; past the end every choice is 0.
#include <cstddef>
#include <cstdint>

#include "ticket_generator.h"

namespace jtkt_test {

inline TicketChoice ByteChoice(const std::uint8_t* data, std::size_t size) {
  return [data, size, at = std::size_t{0}](std::uint32_t bound) mutable -> std::uint32_t {
    std::uint32_t value = 0;
    for (int n = bound > 256 ? 2 : 1; n > 0; --n) value = (value << 8) | (at < size ? data[at++] : 0u);
    return value % bound;
  };
}

}  // namespace jtkt_test
