#include "platform/locale/user_language.h"

#include <cstdlib>

namespace platform {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char ToLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::optional<std::string> LanguageFromLocaleName(std::string_view name) {
  name = name.substr(0, name.find(':'));
  // The language is what comes before the territory, the code set and the modifier.
  std::string_view language = name.substr(0, name.find_first_of("_.@"));
  if (language == "C" || language == "POSIX") return "en";
  if (language.size() < 2 || language.size() > 3) return std::nullopt;
  std::string code;
  for (char c : language) {
    if (!IsAsciiLetter(c)) return std::nullopt;
    code.push_back(ToLower(c));
  }
  return code;
}

std::optional<std::string> UserLanguage() {
  for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0') continue;
    if (auto language = LanguageFromLocaleName(value)) return language;
  }
  return std::nullopt;
}

}  // namespace platform
