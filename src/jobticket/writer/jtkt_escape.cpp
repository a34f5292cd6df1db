// Escaping of free text for the job-ticket document, in one pass over the UTF-8 bytes.
#include "jobticket/writer/jtkt_escape.h"

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// One step through the text: the bytes of one character, or of one maximal ill-formed run.
struct Step {
  std::size_t length;
  bool wellFormed;
};

// The ranges allowed for the second byte follow the Unicode table of well-formed sequences,
// which rules out overlong forms, surrogates and values past U+10FFFF. An ill-formed sequence
// takes its lead byte and as many following bytes as could still have begun a valid one.
Step NextStep(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80U) return {1, true};
  std::size_t length = 0;
  unsigned char low = 0x80U, high = 0xBFU;
  if (lead >= 0xC2U && lead <= 0xDFU) {
    length = 2;
  } else if (lead >= 0xE0U && lead <= 0xEFU) {
    length = 3;
    if (lead == 0xE0U) low = 0xA0U;
    if (lead == 0xEDU) high = 0x9FU;
  } else if (lead >= 0xF0U && lead <= 0xF4U) {
    length = 4;
    if (lead == 0xF0U) low = 0x90U;
    if (lead == 0xF4U) high = 0x8FU;
  } else {
    return {1, false};
  }
  for (std::size_t k = 1; k < length; ++k) {
    if (i + k >= text.size()) return {k, false};
    const auto byte = static_cast<unsigned char>(text[i + k]);
    if (byte < (k == 1 ? low : 0x80U) || byte > (k == 1 ? high : 0xBFU)) return {k, false};
  }
  return {length, true};
}

// The entity for one of the five special characters, or empty.
std::string_view EntityFor(char c) {
  switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '\'': return "&apos;";
    case '"': return "&quot;";
    default: return {};
  }
}

bool IsDroppedControl(unsigned char c) { return c < 0x20U && c != '\t' && c != '\n' && c != '\r'; }

// U+FFFE and U+FFFF are well-formed UTF-8 but not XML characters.
bool IsNonCharacter(std::string_view bytes) { return bytes == "\xEF\xBF\xBE" || bytes == "\xEF\xBF\xBF"; }

}  // namespace

std::size_t AppendXMLEscaped(std::string& out, std::string_view text, std::size_t maxBytes) {
  std::size_t appended = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const Step step = NextStep(text, i);
    std::string_view piece = text.substr(i, step.length);
    if (!step.wellFormed) {
      piece = kReplacementCharacter;
    } else if (step.length == 1) {
      if (IsDroppedControl(static_cast<unsigned char>(piece[0]))) piece = {};
      else if (std::string_view entity = EntityFor(piece[0]); !entity.empty()) piece = entity;
    } else if (IsNonCharacter(piece)) {
      piece = {};
    }
    if (piece.size() > maxBytes - appended) break;
    out.append(piece);
    appended += piece.size();
    i += step.length;
  }
  return appended;
}

std::string XMLCreateStringByEscapingEntities(std::string_view text, std::size_t maxBytes) {
  std::string out;
  out.reserve(text.size());
  AppendXMLEscaped(out, text, maxBytes);
  return out;
}

std::string_view JTktCutUTF8(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t cut = maxBytes;
  // Step back over continuation bytes to the start of the sequence the cut falls in.
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0U) == 0x80U) --cut;
  return text.substr(0, cut);
}
