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
#include <map>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace platform {

using StringTable = std::map<std::string, std::string, std::less<>>;

// The translated entries of a PO file's text, or "line N: <what is wrong>" for the first fault.
Result<StringTable> ParsePOTable(std::string_view text);

}  // namespace platform
