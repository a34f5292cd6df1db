#include "jobticket/writer/jtkt_fragment.h"

#include <charconv>

JTktFragment& JTktFragment::integer(std::int64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  bytes_.append(digits, result.ptr);
  return *this;
}

JTktFragment& JTktFragment::unsignedInteger(std::uint64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  bytes_.append(digits, result.ptr);
  return *this;
}

void JTktFragment::writeTo(const JTktWriteContext& ctx) {
  ctx.write(ctx.refCon, bytes_.c_str(), bytes_.size());
  bytes_.clear();
}
