#pragma once
// Localisation tables in the gettext PO format, the format translators' tools read and write:
//
//   # a comment
//   msgid "Inch abbreviation"
//   msgstr "in"
//
// A string may continue on following lines that hold only a quoted string; the pieces are
// joined. Strings know the escapes \n \t \r \" and \\. The entry with the empty msgid is the
// header; its charset, when named, must be UTF-8.
//
// What the table holds is what a program shows: entries whose msgstr is empty are
// untranslated, and entries flagged "fuzzy" await a translator's review; neither is in the
// table, so a look-up of such a key finds nothing, as gettext's own catalogues behave.
// Message contexts (msgctxt) and plural forms are refused: a table looked up by key alone
// cannot tell their entries apart.
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/result.h"

namespace platform {

// Looked up by any string view, without making a string of the key.
struct StringTableHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const noexcept { return std::hash<std::string_view>{}(text); }
};
using StringTable = std::unordered_map<std::string, std::string, StringTableHash, std::equal_to<>>;

// The translated entries of a PO file's text, or "line N: <what is wrong>" for the first fault.
Result<StringTable> ParsePOTable(std::string_view text);

}  // namespace platform
