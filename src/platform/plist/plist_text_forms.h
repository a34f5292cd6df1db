#pragma once
// The text forms of the scalar values inside an XML property list, shared by the reader and the
// writer so that each form is written exactly the way it is read back. Private to plist/.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/plist/plist_value.h"
#include "platform/result.h"

namespace platform::plist_forms {

// Dictionaries and arrays nest at most this deep, on reading and on writing alike, so that a
// hostile file cannot exhaust the stack and a value we write can always be read back.
inline constexpr int kMaxNestingDepth = 200;

// XML's own whitespace (space, tab, CR, LF) stripped from both ends.
std::string_view TrimXmlSpace(std::string_view text);
bool IsXmlSpaceOnly(std::string_view text);
// Text for an error message: quoted, and cut short when long.
std::string QuoteForMessage(std::string_view text);

// Integers: decimal with an optional sign, or "0x" hexadecimal (which other writers use);
// surrounding XML whitespace is ignored. Values outside int64 are an error, never wrapped.
Result<std::int64_t> ParseInteger(std::string_view text);
void AppendInteger(std::string& out, std::int64_t value);

// Reals: the shortest text that reads back to the same double, laid out as Python's repr does
// ("1.0", "0.0001", "1e-05", "1e+16", "inf", "-inf", "nan"), parsed the same way whatever the
// process locale is.
Result<double> ParseReal(std::string_view text);
void AppendReal(std::string& out, double value);

// Dates: exactly "YYYY-MM-DDTHH:MM:SSZ" in UTC, years 0001 to 9999. Writing drops fractions of
// a second (towards the past, as other writers do).
Result<PlistDate> ParseDate(std::string_view text);
Result<std::string> FormatDate(PlistDate date);

// Base64: decoding skips whitespace and rejects anything else outside the alphabet; encoding
// yields lines of at most lineLength characters, each ended by '\n'.
Result<PlistData> DecodeBase64(std::string_view text);
std::string EncodeBase64Lines(const PlistData& data, std::size_t lineLength);

// Character data: appends text with &, < and > escaped (and CR as a character reference, so
// that it survives the line-end normalisation of XML readers). Returns false, appending
// nothing, with a message in error when text is not UTF-8 or holds a character that XML 1.0
// cannot carry.
bool AppendEscapedText(std::string& out, std::string_view text, std::string& error);

}  // namespace platform::plist_forms
