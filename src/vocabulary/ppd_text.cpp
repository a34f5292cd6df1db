#include "vocabulary/ppd_text.h"

#include <iconv.h>
#include <strings.h>

#include <cstddef>
#include <cstdint>

#include "vocabulary/ppd_adapter.h"

namespace {

// An iconv conversion descriptor that closes itself.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // The whole of input converted, or none when any of it cannot be.
  std::optional<std::string> convert(std::string_view input) const {
    if (!ok()) return std::nullopt;
    std::string in(input);
    std::string out(in.size() * 4 + 4, '\0');
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
  }

 private:
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)); }
  iconv_t cd_;
};

std::optional<std::string> Transcode(std::string_view text, const char* from, const char* to) {
  return Converter(to, from).convert(text);
}

bool IsUTF8(std::string_view text) { return Transcode(text, "UTF-8", "UTF-8").has_value(); }

}  // namespace

std::string PPDTextToUTF8(std::string_view cupsText, std::optional<std::string_view> declaredEncoding) {
  // libcups reads "ISOLatin5" as ISO 8859-5 (Cyrillic) where the PPD format means ISO 8859-9
  // (Turkish). That decoding is one to one, so the file's bytes come back intact and are
  // decoded again as meant.
  if (declaredEncoding && strcasecmp(std::string(*declaredEncoding).c_str(), "ISOLatin5") == 0 &&
      ppd_adapter::ReadsISOLatin5AsCyrillic()) {
    if (auto bytes = Transcode(cupsText, "UTF-8", "ISO-8859-5")) {
      if (auto text = Transcode(*bytes, "ISO-8859-9", "UTF-8")) return *text;
    }
  }
  if (IsUTF8(cupsText)) return std::string(cupsText);
  // An encoding name that libcups does not know leaves the file's bytes as they were; those
  // are read as Mac OS Roman, the encoding a description naming no known one is taken to use.
  if (auto text = Transcode(cupsText, "MACINTOSH", "UTF-8")) return *text;
  std::string ascii;
  for (char c : cupsText) ascii.push_back(static_cast<unsigned char>(c) < 0x80 ? c : '?');
  return ascii;
}
