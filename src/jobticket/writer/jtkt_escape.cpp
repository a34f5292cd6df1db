// Escaping of free text for the job-ticket document, in one pass over the UTF-8 bytes.
#include "jobticket/writer/jtkt_escape.h"

#include "platform/locale/utf8_text.h"

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

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
    const platform::UTF8Step step = platform::NextUTF8Step(text, i);
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
