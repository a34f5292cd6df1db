#include "vocabulary/device_profile.h"

#include <memory>

#include "kit/plugin_bundle.h"
#include "platform/bundle/bundle.h"
#include "platform/plist/xml_plist.h"

using platform::PlistArray;
using platform::PlistDict;
using platform::PlistValue;

namespace {

std::shared_ptr<const PlistDict> gDeviceProfile;
// Initialize asked for the bundle's profile, which is parsed when something first looks in it:
// only the job-ticket reader does, and most dialogs never import a file.
bool gBundleProfileWanted = false;

std::shared_ptr<const PlistDict> ReadProfile(const std::string& path) {
  platform::Result<PlistDict> read = platform::ReadXMLPlistDictionaryFile(path);
  if (!read) return nullptr;
  return std::make_shared<const PlistDict>(read.take());
}

// The bundle's profile, parsed once and kept for the life of the process: it is part of the
// installed plug-in and does not change under a running dialog, while a dialog initializes again
// every time the user picks a printer.
std::shared_ptr<const PlistDict> BundleProfile() {
  static std::string loadedPath;
  static std::shared_ptr<const PlistDict> loaded;
  platform::Bundle* bundle = GetPDEBundle();
  if (bundle == nullptr) return nullptr;
  std::optional<std::string> path = bundle->resourcePath(kDeviceProfileResource);
  if (!path) return nullptr;
  if (!loaded || loadedPath != *path) {
    loaded = ReadProfile(*path);
    loadedPath = *path;
  }
  return loaded;
}

const PlistDict* Profile() {
  if (!gDeviceProfile && gBundleProfileWanted) {
    gBundleProfileWanted = false;
    gDeviceProfile = BundleProfile();
  }
  return gDeviceProfile.get();
}

const PlistDict* DictionaryAt(const PlistDict* dict, std::string_view key) {
  if (dict == nullptr) return nullptr;
  const PlistValue* value = platform::PlistDictFind(*dict, key);
  return value != nullptr ? value->asDictionary() : nullptr;
}

const PlistDict* Features() { return DictionaryAt(Profile(), kKFSFeaturesKey); }

// True when the dictionary's "Properties" hold property, with a value equal to *value if given.
bool HasProperty(const PlistDict& dict, const std::string& property, const PlistValue* value) {
  const PlistDict* properties = DictionaryAt(&dict, kKFSPropertiesKey);
  if (properties == nullptr) return false;
  const PlistValue* held = platform::PlistDictFind(*properties, property);
  return held != nullptr && (value == nullptr || *held == *value);
}

}  // namespace

void KFSInitialize() {
  if (!gDeviceProfile) gBundleProfileWanted = true;
}

bool KFSInitializeFromFile(const std::string& path) {
  gBundleProfileWanted = false;
  gDeviceProfile = ReadProfile(path);
  return gDeviceProfile != nullptr;
}

void KFSFinalize() {
  gBundleProfileWanted = false;
  gDeviceProfile.reset();
}

const PlistDict* KFSGetProfile() { return Profile(); }

const PlistDict* KFSGetFeature(std::string_view name) { return DictionaryAt(Features(), name); }

PlistArray KFSGetFeaturesWithProperty(const std::string& property) {
  return KFSGetFeaturesWithPropertyAndValue(property, nullptr);
}

PlistArray KFSGetFeaturesWithPropertyAndValue(const std::string& property, const PlistValue* value) {
  PlistArray found;
  if (const PlistDict* features = Features()) {
    for (const auto& [name, feature] : *features) {
      const PlistDict* dict = feature.asDictionary();
      if (dict != nullptr && HasProperty(*dict, property, value)) found.push_back(feature);
    }
  }
  return found;
}

const PlistDict* KFSGetFeatureSyntax(const PlistDict* feature, std::string_view syntaxClass) {
  return DictionaryAt(DictionaryAt(feature, kKFSSyntaxKey), syntaxClass);
}

const PlistValue* KFSGetFeatureProperty(const PlistDict* feature, std::string_view property) {
  const PlistDict* properties = DictionaryAt(feature, kKFSPropertiesKey);
  return properties != nullptr ? platform::PlistDictFind(*properties, property) : nullptr;
}

PlistArray KFSGetKeywordsWithPropertyAndValue(const PlistDict* feature, const std::string& property,
                                              const PlistValue& value) {
  PlistArray found;
  if (const PlistDict* keywords = KFSGetFeatureSyntax(feature, kKFSKeywordClass)) {
    for (const auto& [name, keyword] : *keywords) {
      const PlistDict* dict = keyword.asDictionary();
      if (dict != nullptr && HasProperty(*dict, property, &value)) found.push_back(keyword);
    }
  }
  return found;
}

bool KFSGetFeatureDefaultValue(const PlistDict* feature, std::string* syntaxClass, PlistValue* value) {
  const PlistDict* syntax = DictionaryAt(feature, kKFSSyntaxKey);
  if (syntax == nullptr) return false;
  const auto answer = [&](const char* cls, PlistValue v) {
    if (syntaxClass) *syntaxClass = cls;
    if (value) *value = std::move(v);
    return true;
  };
  if (const PlistDict* keywords = DictionaryAt(syntax, kKFSKeywordClass)) {
    for (const auto& [name, keyword] : *keywords) {
      const PlistDict* dict = keyword.asDictionary();
      const PlistValue* isDefault = dict ? platform::PlistDictFind(*dict, kKFSDefaultKey) : nullptr;
      if (isDefault != nullptr && isDefault->asBoolean() != nullptr && *isDefault->asBoolean())
        return answer(kKFSKeywordClass, PlistValue(name));
    }
  }
  for (const char* cls : {kKFSNameClass, kKFSNumberClass}) {
    const PlistDict* dict = DictionaryAt(syntax, cls);
    const PlistValue* held = dict ? platform::PlistDictFind(*dict, kKFSDefaultKey) : nullptr;
    if (held != nullptr) return answer(cls, *held);
  }
  return false;
}
