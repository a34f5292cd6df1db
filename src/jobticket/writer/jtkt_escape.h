#pragma once
// Free text inside a job-ticket document: names, descriptions, notes and identifiers come from
// the ticket and from other programs, so each one is made safe for XML before it is written.
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kJTktNoLimit = static_cast<std::size_t>(-1);

// Appends text to out as XML character data and returns the number of bytes appended:
// - "&", "<", ">", "'" and the double quote become "&amp;", "&lt;", "&gt;", "&apos;", "&quot;";
// - characters that XML does not allow (the C0 controls other than TAB, LF and CR, and U+FFFE
//   and U+FFFF) are dropped;
// - bytes that are not well-formed UTF-8 become U+FFFD, one per maximal ill-formed run;
// - at most maxBytes bytes are appended: a character or entity reference that would not fit
//   whole ends the text there, so a cut never splits either.
// Every other character passes unchanged.
std::size_t AppendXMLEscaped(std::string& out, std::string_view text, std::size_t maxBytes = kJTktNoLimit);

// The escaped text as a new string, by the rules of AppendXMLEscaped.
std::string XMLCreateStringByEscapingEntities(std::string_view text, std::size_t maxBytes = kJTktNoLimit);

// The longest start of text that is at most maxBytes long and does not end inside a UTF-8
// sequence, for values whose length the format bounds before they are escaped.
std::string_view JTktCutUTF8(std::string_view text, std::size_t maxBytes);
