#pragma once
// Texts of a printer description as UTF-8. libcups already converts every string of a PPD to
// UTF-8 while reading it, so this only mends the two cases it gets wrong.
#include <optional>
#include <string>
#include <string_view>

// The text of a choice or option as UTF-8, from the string libcups produced and the
// LanguageEncoding the file declares (none when it declares none).
std::string PPDTextToUTF8(std::string_view cupsText, std::optional<std::string_view> declaredEncoding);
