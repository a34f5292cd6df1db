// Reading and writing one key of the stock library file.
#include "stocklibrary/stock_library_file.h"

#include <type_traits>

#include "kit/shared_preferences.h"
#include "kit/user_preferences.h"
#include "stocklibrary/stock_library_keys.h"

namespace {

std::optional<platform::PlistValue> ValueIn(const platform::PlistDict& dictionary, std::string_view key) {
  auto it = dictionary.find(key);
  if (it == dictionary.end()) return std::nullopt;
  return it->second;
}

bool IsEmpty(const platform::PlistValue& value) {
  if (const platform::PlistDict* d = value.asDictionary()) return d->empty();
  if (const platform::PlistArray* a = value.asArray()) return a->empty();
  return false;
}

}  // namespace

std::optional<platform::PlistValue> ReadStockLibraryKey(std::string_view key) {
  const platform::PreferenceFileContents user = ReadUserPreferences(kStockLibraryPreferencesFileName);
  if (user.mayBeWritten()) return ValueIn(user.dictionary, key);
  const platform::PreferenceFileContents site = CopySiteDefaults();
  return ValueIn(site.dictionary, key);
}

bool WriteStockLibraryKey(std::string_view key, const platform::PlistValue& value) {
  return UpdateUserPreferences(kStockLibraryPreferencesFileName, [&](platform::PlistDict& dictionary, platform::PreferenceFileStatus) {
    auto it = dictionary.find(key);
    if (it == dictionary.end() ? IsEmpty(value) : it->second == value) return platform::PreferenceChange::kLeave;
    dictionary.insert_or_assign(std::string(key), value);
    return platform::PreferenceChange::kWrite;
  });
}

namespace {

// The dictionary or array under key, changed as the file holds it under its lock.
template <typename Container>
bool UpdateStockLibraryContainer(std::string_view key, const std::function<void(Container&)>& change,
                                 Container* result) {
  Container changed;
  const bool done =
      UpdateUserPreferences(kStockLibraryPreferencesFileName, [&](platform::PlistDict& file, platform::PreferenceFileStatus) {
        auto it = file.find(key);
        const Container* held = nullptr;
        if (it != file.end()) {
          if constexpr (std::is_same_v<Container, platform::PlistDict>)
            held = it->second.asDictionary();
          else
            held = it->second.asArray();
        }
        changed = held ? *held : Container();
        change(changed);
        if (held ? *held == changed : changed.empty()) return platform::PreferenceChange::kLeave;
        file.insert_or_assign(std::string(key), changed);
        return platform::PreferenceChange::kWrite;
      });
  if (done && result != nullptr) *result = std::move(changed);
  return done;
}

}  // namespace

bool UpdateStockLibraryDictionary(std::string_view key, const std::function<void(platform::PlistDict&)>& change,
                                  platform::PlistDict* result) {
  return UpdateStockLibraryContainer(key, change, result);
}

bool UpdateStockLibraryArray(std::string_view key, const std::function<void(platform::PlistArray&)>& change,
                             platform::PlistArray* result) {
  return UpdateStockLibraryContainer(key, change, result);
}
