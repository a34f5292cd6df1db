// convertTTFtoPS42 on arbitrary bytes: it must refuse or convert, never read outside the font,
// and append output only when it converts; the same with an encoding of glyph numbers, which a
// subset's program uses, taken from the font's own bytes (so any glyph number, in range or not).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "watermark/type42_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string program;
  const Type42Result result = convertTTFtoPS42(FontBytes(data, size), "Fuzz", &program, nullptr);
  if ((result == Type42Result::kDone) == program.empty()) std::abort();

  Type42GlyphEncoding encoding{};
  for (std::size_t code = 0; code < encoding.size() && 2 * code + 1 < size; ++code)
    encoding[code] = static_cast<std::uint16_t>((data[2 * code] << 8) | data[2 * code + 1]);
  std::string subset;
  if (convertTTFtoPS42(FontBytes(data, size), "Fuzz", encoding, &subset, nullptr) != result) std::abort();
  if ((result == Type42Result::kDone) == subset.empty()) std::abort();
  return 0;
}
