#include "platform/locale/user_language.h"

#include <unistd.h>

#include <cstring>
#include <iterator>

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
  // One pass over the environment finds all four; looking each up on its own walked it four
  // times, once for every text a dialog shows.
  constexpr std::string_view kVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
  const char* values[std::size(kVariables)] = {};
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const char* text = *entry;
    if (text[0] != 'L') continue;  // and never measure the long values of the others
    for (std::size_t i = 0; i < std::size(kVariables); ++i) {
      const std::string_view name = kVariables[i];
      if (values[i] == nullptr && std::strncmp(text, name.data(), name.size()) == 0 && text[name.size()] == '=')
        values[i] = text + name.size() + 1;
    }
  }
  for (const char* value : values) {
    if (value == nullptr || *value == '\0') continue;
    if (auto language = LanguageFromLocaleName(value)) return language;
  }
  return std::nullopt;
}

}  // namespace platform
