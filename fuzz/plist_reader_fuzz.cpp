// Any bytes given to the property-list reader: it must never crash, and whatever it accepts must
// write, read back to the same value, and write again to the same bytes.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/plist/xml_plist.h"

namespace {

using platform::PlistValue;

// Deep equality in which a NaN equals a NaN (NaN != NaN would fail every document holding one)
// and 0.0 differs from -0.0 (the sign must survive writing).
bool Same(const PlistValue& a, const PlistValue& b) {
  if (a.kind() != b.kind()) return false;
  if (const double* x = a.asReal()) {
    const double y = *b.asReal();
    if (std::isnan(*x) || std::isnan(y)) return std::isnan(*x) && std::isnan(y);
    return *x == y && std::signbit(*x) == std::signbit(y);
  }
  if (const auto* dict = a.asDictionary()) {
    const auto& other = *b.asDictionary();
    if (dict->size() != other.size()) return false;
    for (auto i = dict->begin(), j = other.begin(); i != dict->end(); ++i, ++j)
      if (i->first != j->first || !Same(i->second, j->second)) return false;
    return true;
  }
  if (const auto* array = a.asArray()) {
    const auto& other = *b.asArray();
    if (array->size() != other.size()) return false;
    for (std::size_t i = 0; i < array->size(); ++i)
      if (!Same((*array)[i], other[i])) return false;
    return true;
  }
  return a == b;
}

[[noreturn]] void Fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "plist_reader_fuzz: %s: %s\n", what, detail.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto value = platform::ReadXMLPlist(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!value) {
    if (value.error().empty()) Fail("refused without a message", "");
    return 0;
  }
  auto written = platform::WriteXMLPlist(*value);
  if (!written) Fail("an accepted value cannot be written", written.error());
  auto again = platform::ReadXMLPlist(*written);
  if (!again) Fail("what we wrote cannot be read", again.error() + "\n" + *written);
  if (!Same(*value, *again)) Fail("the value changed on the way through", *written);
  auto rewritten = platform::WriteXMLPlist(*again);
  if (!rewritten || *rewritten != *written) Fail("writing the same value twice differs", *written);
  return 0;
}
