#pragma once
// Checks and conversions of UTF-8 text. Everything the platform hands to a control, writes to a
// property list or reads from a translator's file is UTF-8; text from elsewhere is checked or
// converted at the border.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// One step through UTF-8 text from byte i: the bytes of one well-formed character, or of one
// maximal ill-formed run (its lead byte and as many following bytes as could still have begun a
// valid sequence), which a reader replaces with one U+FFFD.
struct UTF8Step {
  std::size_t length;
  bool wellFormed;
};
UTF8Step NextUTF8Step(std::string_view text, std::size_t i);

// The offset of the first byte that does not belong to a well-formed UTF-8 sequence (overlong
// forms, surrogates and code points above U+10FFFF included), or none when all of text is valid.
std::optional<std::size_t> FirstInvalidUTF8Offset(std::string_view text);

inline bool IsValidUTF8(std::string_view text) { return !FirstInvalidUTF8Offset(text).has_value(); }

// The length of text in UTF-16 code units, the unit in which the dialog's text limits are
// given; a byte that starts no well-formed sequence counts as one unit.
std::size_t UTF16Length(std::string_view text);

// The byte offset in text of the position `units` UTF-16 units from its start (the end of the text
// when it is shorter; never inside a sequence).
std::size_t UTF8OffsetOfUTF16Index(std::string_view text, std::size_t units);

// ISO 8859-1 bytes as UTF-8: every byte is the code point of the same value.
std::string Latin1ToUTF8(std::string_view latin1);

}  // namespace platform
