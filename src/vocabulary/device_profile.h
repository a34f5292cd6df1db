#pragma once
// The device feature profile: the "Device Profile" property list among the plug-in's resources,
// which says feature by feature what the printer family understands (its properties, and the
// keywords, names and numbers its values may take). The job-ticket reader is driven by it.
//
// The profile is loaded by each dialog's Initialize and is immutable while loaded; the bundle's
// profile is parsed only once per process. No function reports an
// error: with no profile, or a missing feature, class or key, lookups answer none, false or an
// empty array.
#include <optional>
#include <string>
#include <string_view>

#include "platform/plist/plist_value.h"

inline constexpr const char* kDeviceProfileResource = "Device Profile.plist";

// Members of the profile and of its feature and keyword dictionaries.
inline constexpr const char* kKFSFeaturesKey = "Features";
inline constexpr const char* kKFSIDKey = "ID";
inline constexpr const char* kKFSPropertiesKey = "Properties";
inline constexpr const char* kKFSSyntaxKey = "Syntax";
inline constexpr const char* kKFSDefaultKey = "Default";
inline constexpr const char* kKFSMinimumKey = "Minimum";
inline constexpr const char* kKFSMaximumKey = "Maximum";
inline constexpr const char* kKFSCharacterSetKey = "CharacterSet";
inline constexpr const char* kKFSLengthKey = "Length";

// Syntax classes: the keys of a feature's "Syntax" dictionary.
inline constexpr const char* kKFSKeywordClass = "Keyword";
inline constexpr const char* kKFSNameClass = "Name";
inline constexpr const char* kKFSNumberClass = "Number";

// Loads the profile from the plug-in bundle's resources unless one is loaded. The file is parsed
// when a look-up first needs it, once per process. A missing or unreadable resource leaves no
// profile.
void KFSInitialize();
// Loads the profile from a property-list file (tests, benchmarks and fuzzers use their own);
// false, and no profile, when the file cannot be read as a dictionary.
bool KFSInitializeFromFile(const std::string& path);
// Forgets the profile.
void KFSFinalize();
// The loaded profile, or null.
const platform::PlistDict* KFSGetProfile();

// The feature dictionary of that name, or null.
const platform::PlistDict* KFSGetFeature(std::string_view name);
// The features whose "Properties" hold property (whatever its value), in the profile's order.
platform::PlistArray KFSGetFeaturesWithProperty(const std::string& property);
// The features whose "Properties" hold property with a value equal to *value; every feature with
// the property when value is null.
platform::PlistArray KFSGetFeaturesWithPropertyAndValue(const std::string& property, const platform::PlistValue* value);
// feature["Syntax"][syntaxClass], or null.
const platform::PlistDict* KFSGetFeatureSyntax(const platform::PlistDict* feature, std::string_view syntaxClass);
// feature["Properties"][property], or null.
const platform::PlistValue* KFSGetFeatureProperty(const platform::PlistDict* feature, std::string_view property);
// The keyword dictionaries of the feature's "Keyword" class whose "Properties" hold property with
// a value equal to value; empty without a keyword class.
platform::PlistArray KFSGetKeywordsWithPropertyAndValue(const platform::PlistDict* feature,
                                                        const std::string& property, const platform::PlistValue& value);
// The feature's default: the first keyword marked "Default" = true (class "Keyword", the
// keyword's name), else the "Name" class's "Default", else the "Number" class's "Default".
// False when the feature has no "Syntax" or no default.
bool KFSGetFeatureDefaultValue(const platform::PlistDict* feature, std::string* syntaxClass,
                               platform::PlistValue* value);

// The file name of the device picture for the installed finisher (installable option "Option1"),
// or none.
std::optional<std::string> CopyDeviceMimicFilename();
