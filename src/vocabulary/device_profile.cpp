#include "vocabulary/device_profile.h"

#include <memory>

#include "kit/plugin_bundle.h"
#include "platform/bundle/bundle.h"
#include "platform/plist/xml_plist.h"

using platform::PlistArray;
using platform::PlistDict;
using platform::PlistValue;

namespace {

std::unique_ptr<const PlistDict> gDeviceProfile;

const PlistDict* DictionaryAt(const PlistDict* dict, std::string_view key) {
  if (dict == nullptr) return nullptr;
  const PlistValue* value = platform::PlistDictFind(*dict, key);
  return value != nullptr ? value->asDictionary() : nullptr;
}

const PlistDict* Features() { return DictionaryAt(gDeviceProfile.get(), kKFSFeaturesKey); }

// True when the dictionary's "Properties" hold property, with a value equal to *value if given.
bool HasProperty(const PlistDict& dict, const std::string& property, const PlistValue* value) {
  const PlistDict* properties = DictionaryAt(&dict, kKFSPropertiesKey);
  if (properties == nullptr) return false;
  const PlistValue* held = platform::PlistDictFind(*properties, property);
  return held != nullptr && (value == nullptr || *held == *value);
}

}  // namespace

void KFSInitialize() {
  if (gDeviceProfile) return;
  platform::Bundle* bundle = GetPDEBundle();
  if (bundle == nullptr) return;
  if (std::optional<std::string> path = bundle->resourcePath(kDeviceProfileResource)) KFSInitializeFromFile(*path);
}

bool KFSInitializeFromFile(const std::string& path) {
  gDeviceProfile.reset();
  platform::Result<PlistDict> read = platform::ReadXMLPlistDictionaryFile(path);
  if (!read) return false;
  gDeviceProfile = std::make_unique<const PlistDict>(read.take());
  return true;
}

void KFSFinalize() { gDeviceProfile.reset(); }

const PlistDict* KFSGetProfile() { return gDeviceProfile.get(); }

const PlistDict* KFSGetFeature(const std::string& name) { return DictionaryAt(Features(), name); }

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

const PlistDict* KFSGetFeatureSyntax(const PlistDict* feature, const std::string& syntaxClass) {
  return DictionaryAt(DictionaryAt(feature, kKFSSyntaxKey), syntaxClass);
}

const PlistValue* KFSGetFeatureProperty(const PlistDict* feature, const std::string& property) {
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
