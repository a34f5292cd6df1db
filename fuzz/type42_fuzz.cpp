// convertTTFtoPS42 on arbitrary bytes: it must refuse or convert, never read outside the font,
// and append output only when it converts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "watermark/type42_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string program;
  const Type42Result result = convertTTFtoPS42(FontBytes(data, size), "Fuzz", &program, nullptr);
  if ((result == Type42Result::kDone) == program.empty()) std::abort();
  return 0;
}
