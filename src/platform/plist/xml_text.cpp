// Character data of property lists: whitespace, quoting for messages, and escaping that never
// produces an ill-formed document.
#include <cstdint>
#include <cstdio>

#include "platform/plist/plist_text_forms.h"

namespace platform::plist_forms {

namespace {

bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the UTF-8 sequence at text[i] when it is well-formed and a character XML 1.0
// allows, else 0. Only called for bytes >= 0x80.
std::size_t XmlCharLength(std::string_view text, std::size_t i) {
  auto at = [&](std::size_t k) -> unsigned char {
    return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
  };
  const unsigned char c = at(0);
  if (c >= 0xC2 && c <= 0xDF) return IsContinuation(at(1)) ? 2 : 0;
  if (c >= 0xE0 && c <= 0xEF) {
    const unsigned char lo = c == 0xE0 ? 0xA0 : 0x80;
    const unsigned char hi = c == 0xED ? 0x9F : 0xBF;  // ED A0..BF would be surrogates
    if (at(1) < lo || at(1) > hi || !IsContinuation(at(2))) return 0;
    if (c == 0xEF && at(1) == 0xBF && (at(2) == 0xBE || at(2) == 0xBF)) return 0;  // U+FFFE/F
    return 3;
  }
  if (c >= 0xF0 && c <= 0xF4) {
    const unsigned char lo = c == 0xF0 ? 0x90 : 0x80;
    const unsigned char hi = c == 0xF4 ? 0x8F : 0xBF;
    if (at(1) < lo || at(1) > hi || !IsContinuation(at(2)) || !IsContinuation(at(3))) return 0;
    return 4;
  }
  return 0;
}

}  // namespace

std::string_view TrimXmlSpace(std::string_view text) {
  while (!text.empty() && IsXmlSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsXmlSpace(text.back())) text.remove_suffix(1);
  return text;
}

bool IsXmlSpaceOnly(std::string_view text) {
  for (char c : text)
    if (!IsXmlSpace(c)) return false;
  return true;
}

std::string QuoteForMessage(std::string_view text) {
  constexpr std::size_t kLongest = 40;
  if (text.size() <= kLongest) return "\"" + std::string(text) + "\"";
  std::size_t cut = kLongest;
  while (cut > 0 && IsContinuation(static_cast<unsigned char>(text[cut]))) --cut;
  return "\"" + std::string(text.substr(0, cut)) + "...\"";
}

bool AppendEscapedText(std::string& out, std::string_view text, std::string& error) {
  const std::size_t start = out.size();
  std::size_t run = 0;  // start of the bytes not yet copied
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      const std::size_t length = XmlCharLength(text, i);
      if (length == 0) {
        out.resize(start);
        error = "text is not valid UTF-8 or holds a character XML cannot carry (at byte " +
                std::to_string(i) + ")";
        return false;
      }
      i += length;
      continue;
    }
    const char* replacement = nullptr;
    switch (c) {
      case '&': replacement = "&amp;"; break;
      case '<': replacement = "&lt;"; break;
      case '>': replacement = "&gt;"; break;
      case '\r': replacement = "&#13;"; break;
      case '\t':
      case '\n': break;
      default:
        if (c < 0x20) {
          char code[8];
          std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
          out.resize(start);
          error = std::string("text holds the control character ") + code +
                  ", which XML cannot carry (at byte " + std::to_string(i) + ")";
          return false;
        }
    }
    if (replacement != nullptr) {
      out.append(text.data() + run, i - run);
      out += replacement;
      run = i + 1;
    }
    ++i;
  }
  out.append(text.data() + run, text.size() - run);
  return true;
}

}  // namespace platform::plist_forms
