#pragma once
// The language of the user's messages, as the environment names it. The same variables that
// choose the language of every other program's messages choose it here, in the same order:
// LANGUAGE, LC_ALL, LC_MESSAGES, LANG.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The language code of one value of those variables: "de_DE.UTF-8" -> "de", "pt_BR" -> "pt",
// "fr@euro" -> "fr", "C" and "POSIX" (with any suffix) -> "en". A LANGUAGE list such as
// "de:fr" gives its first element. None for an empty value or one that names no language.
std::optional<std::string> LanguageFromLocaleName(std::string_view name);

// The language of the first of the variables that is set and names one; none when none does.
std::optional<std::string> UserLanguage();

}  // namespace platform
