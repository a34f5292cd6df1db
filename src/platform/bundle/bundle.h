#pragma once
// A plug-in bundle: a folder laid out as
//   <Name>.plugin/Contents/Info.plist          information property list
//   <Name>.plugin/Contents/MacOS/<executable>  the module
//   <Name>.plugin/Contents/Resources/          interface descriptions, pictures, profile, help
//   <Name>.plugin/Contents/Resources/<lang>.lproj/<Table>.po   localisation tables (gettext PO)
// Opened bundles are registered by their "CFBundleIdentifier" and live for the whole process,
// so a Bundle* handed out is never dangling. Opening, looking up and localising are safe from
// any thread.
//
// Localised text is looked up in the table of the user's language (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG), then in English, then in the bundle's "CFBundleDevelopmentRegion"; a key
// that one table lacks or leaves untranslated is looked for in the next. Each table file is read
// once, on first use. A malformed table is reported on standard error as
// "ERROR: <file>: line N: <what>" and then counts as empty.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/plist/plist_value.h"
#include "platform/result.h"

namespace platform {

inline constexpr const char* kStringNotFound = "STRING NOT FOUND";
inline constexpr const char* kDefaultStringTable = "Localizable";

class Bundle {
 public:
  // Opens the bundle at path (reading its Info.plist, which must hold a non-empty string
  // "CFBundleIdentifier") and registers it; opening a bundle whose identifier is registered
  // already returns the registered bundle. A message naming the file on failure.
  static Result<Bundle*> open(const std::string& path);
  // The registered bundle with that identifier, or null.
  static Bundle* withIdentifier(std::string_view identifier);

  const std::string& path() const;
  const std::string& identifier() const;
  const PlistDict& infoDictionary() const;
  const std::string& developmentRegion() const;  // "CFBundleDevelopmentRegion", or empty
  std::string resourcesPath() const;      // <path>/Contents/Resources
  std::string executablePath() const;     // <path>/Contents/MacOS/<CFBundleExecutable>, or empty
  // <resources>/<name> when that file exists, else none.
  std::optional<std::string> resourcePath(std::string_view name) const;

  // The text for key in the string table of the user's language (falling back to English);
  // `missing` when the table lacks the key.
  std::string localizedString(std::string_view key, std::string_view missing = kStringNotFound,
                              std::string_view table = kDefaultStringTable) const;
  bool hasLocalizedString(std::string_view key, std::string_view table = kDefaultStringTable) const;
  // The text for key, or none when no table in the look-up order has it.
  std::optional<std::string> findLocalizedString(std::string_view key,
                                                 std::string_view table = kDefaultStringTable) const;

  Bundle(const Bundle&) = delete;
  Bundle& operator=(const Bundle&) = delete;
  ~Bundle();

  struct Impl;

 private:
  explicit Bundle(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
