// Look-ups in a bundle's localisation tables.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "platform/bundle/bundle.h"
#include "platform/bundle/bundle_impl.h"
#include "platform/files/file_io.h"
#include "platform/locale/user_language.h"

namespace platform {

namespace {

// The languages to look in, in order: the user's, English, then the bundle's own.
std::vector<std::string> LookupLanguages(const std::string& developmentRegion) {
  std::vector<std::string> languages;
  auto add = [&](const std::string& language) {
    if (language.empty()) return;
    for (const std::string& known : languages) {
      if (known == language) return;
    }
    languages.push_back(language);
  };
  if (std::optional<std::string> user = UserLanguage()) add(*user);
  add("en");
  add(developmentRegion);
  return languages;
}

// A missing table is normal (a language nobody translated into); one that cannot be read or
// parsed is reported once and then behaves as empty, so that the user sees the missing-text
// marker instead of a dialog that fails to open.
StringTable LoadTable(const std::string& file) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return {};
  Result<std::string> bytes = ReadFileBytes(file);
  if (!bytes) {
    std::fprintf(stderr, "ERROR: %s\n", bytes.error().c_str());
    return {};
  }
  Result<StringTable> table = ParsePOTable(*bytes);
  if (!table) {
    std::fprintf(stderr, "ERROR: %s: %s\n", file.c_str(), table.error().c_str());
    return {};
  }
  return table.take();
}

const StringTable& TableFor(const Bundle& bundle, const Bundle::Impl& impl, const std::string& language,
                            std::string_view table) {
  // Every text a dialog shows is looked up here: the name is put together without allocating
  // when it is short, as it always is.
  char buffer[128];
  std::string longName;
  std::string_view name;
  const std::size_t length = language.size() + 7 + table.size() + 3;
  if (length <= sizeof buffer) {
    char* at = buffer;
    const std::string_view parts[] = {language, ".lproj/", table, ".po"};
    for (std::string_view part : parts) at = std::copy(part.begin(), part.end(), at);
    name = std::string_view(buffer, length);
  } else {
    longName = language + ".lproj/" + std::string(table) + ".po";
    name = longName;
  }
  auto found = impl.tables.find(name);
  if (found == impl.tables.end()) {
    StringTable loaded = LoadTable(bundle.resourcesPath() + "/" + std::string(name));
    found = impl.tables.emplace(std::string(name), std::move(loaded)).first;
  }
  return found->second;
}

}  // namespace

std::optional<std::string> Bundle::findLocalizedString(std::string_view key, std::string_view table) const {
  std::lock_guard lock(impl_->tablesMutex);
  for (const std::string& language : LookupLanguages(impl_->developmentRegion)) {
    const StringTable& strings = TableFor(*this, *impl_, language, table);
    auto found = strings.find(key);
    if (found != strings.end()) return found->second;
  }
  return std::nullopt;
}

std::string Bundle::localizedString(std::string_view key, std::string_view missing, std::string_view table) const {
  std::optional<std::string> text = findLocalizedString(key, table);
  return text ? *text : std::string(missing);
}

bool Bundle::hasLocalizedString(std::string_view key, std::string_view table) const {
  return findLocalizedString(key, table).has_value();
}

}  // namespace platform
