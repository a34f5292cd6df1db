#pragma once
// Text from outside (a printer's answer, a URI, a ticket's text) as a message line shows it.
#include <string>
#include <string_view>

namespace platform {

// The text on one line, with every control character escaped: line feed, carriage return and tab
// as \n, \r and \t, any other below 0x20, DEL and the C1 controls (U+0080 to U+009F) as \xNN or
// \u00NN. A printer's text can then neither forge a line of its own nor move the cursor, clear
// the screen or ring the bell on the user's terminal.
std::string OneLineText(std::string_view text);

// The same, for a text libcups may hand back as null (which shows as nothing).
std::string OneLineText(const char* text);

}  // namespace platform
