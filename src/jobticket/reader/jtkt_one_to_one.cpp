// The generic feature conversion: one element, one ticket value.
#include <optional>

#include "jobticket/reader/jtkt_import_context.h"
#include "jobticket/reader/jtkt_import_node.h"
#include "vocabulary/device_profile.h"

using platform::PlistDict;
using platform::PlistValue;

namespace {

constexpr const char* kJTKTValueProperty = "JTKTValue";
constexpr const char* kKeywordsUseNameSyntaxProperty = "KeywordsUseNameSyntax";
constexpr const char* kNameSyntaxProperty = "NameSyntax";

bool IsTrue(const PlistValue* value) { return value != nullptr && value->asBoolean() && *value->asBoolean(); }

// A set of one value stands for that value: the element's first "value" child.
xmlNodePtr SetMember(xmlNodePtr element) {
  const char* syntax = JTKTImportNodeSyntaxAttribute(element);
  const bool isSet = syntax != nullptr && std::string_view(syntax) == "1setOf";
  return isSet ? JTKTImportGetNode(element->children, ".value") : element;
}

// A name that the feature's keywords spell as a name: the keyword's "ID", when exactly one
// keyword has that "JTKTValue" and is marked "NameSyntax".
std::optional<PlistValue> KeywordOfName(const PlistDict* feature, const PlistValue& name) {
  const platform::PlistArray keywords = KFSGetKeywordsWithPropertyAndValue(feature, kJTKTValueProperty, name);
  if (keywords.size() != 1) return std::nullopt;
  const PlistDict* keyword = keywords.front().asDictionary();
  const PlistValue* properties = platform::PlistDictFind(*keyword, kKFSPropertiesKey);
  if (properties == nullptr || properties->asDictionary() == nullptr ||
      !IsTrue(platform::PlistDictFind(*properties->asDictionary(), kNameSyntaxProperty)))
    return std::nullopt;
  const PlistValue* id = platform::PlistDictFind(*keyword, kKFSIDKey);
  if (id == nullptr || id->asString() == nullptr) return std::nullopt;
  return *id;
}

std::optional<std::int32_t> TableValue(const JTKTKeywordMap* table, const PlistValue& keyword) {
  if (keyword.asString() == nullptr) return std::nullopt;
  std::string name = *keyword.asString();
  std::int32_t value = 0;
  if (!JTKTConvertKeyword(table, kJTKTKeywordToValue, &name, &value)) return std::nullopt;
  return value;
}

// Stores what the file says; false when nothing was stored.
bool StoreFromFile(const PlistDict* feature, const JTKTImportFeatureContext& context, xmlNodePtr element,
                   JTKTTarget target, const char* keywordKey, const JTKTKeywordMap* table, const char* numberKey,
                   const char* nameKey) {
  if (element == nullptr) return false;
  element = SetMember(element);
  std::string_view syntaxClass = JTKTImportGetNodeSyntax(element);
  const PlistDict* classDictionary = KFSGetFeatureSyntax(feature, syntaxClass);
  if (classDictionary == nullptr) return false;
  std::optional<PlistValue> value = JTKTImportNodeValue(element, syntaxClass, classDictionary, JTKTFileName(context));
  if (!value) return false;
  if (syntaxClass == kKFSNameClass) {
    std::optional<PlistValue> keyword;
    if (IsTrue(KFSGetFeatureProperty(feature, kKeywordsUseNameSyntaxProperty))) keyword = KeywordOfName(feature, *value);
    if (keyword) {
      value = std::move(keyword);
      syntaxClass = kKFSKeywordClass;
    } else {
      // A name that is none of the keywords' is the user's own (a custom profile, say): the writer
      // sends it as a name, so it comes back as one.
      if (nameKey == nullptr) return false;
      JTKTStore(context, target, nameKey, std::move(*value));
      return true;
    }
  }
  if (syntaxClass == kKFSKeywordClass) {
    const std::optional<std::int32_t> number = TableValue(table, *value);
    if (!number || keywordKey == nullptr) return false;
    JTKTStore(context, target, keywordKey, PlistValue(*number));
    return true;
  }
  if (syntaxClass == kKFSNumberClass && numberKey != nullptr) {
    JTKTStore(context, target, numberKey, std::move(*value));
    return true;
  }
  return false;
}

void StoreProfileDefault(const PlistDict* feature, const JTKTImportFeatureContext& context, JTKTTarget target,
                         const char* keywordKey, const JTKTKeywordMap* table, const char* numberKey,
                         const char* nameKey) {
  std::string syntaxClass;
  PlistValue value;
  if (JTKTAtPageScope(context) || !KFSGetFeatureDefaultValue(feature, &syntaxClass, &value)) return;
  if (syntaxClass == kKFSKeywordClass && keywordKey != nullptr) {
    if (const std::optional<std::int32_t> number = TableValue(table, value))
      JTKTStoreDefault(context, target, keywordKey, PlistValue(*number));
  } else if (syntaxClass == kKFSNumberClass && numberKey != nullptr) {
    JTKTStoreDefault(context, target, numberKey, std::move(value));
  } else if (syntaxClass == kKFSNameClass && nameKey != nullptr) {
    JTKTStoreDefault(context, target, nameKey, std::move(value));
  }
}

}  // namespace

bool JTKTImportFeatureOneToOne(const PlistDict* feature, const JTKTImportFeatureContext& context,
                               std::string_view path, JTKTTarget target, const char* keywordKey,
                               const JTKTKeywordMap* table, const char* numberKey, const char* nameKey) {
  xmlNodePtr element = JTKTImportGetNode(context.node, path);
  if (StoreFromFile(feature, context, element, target, keywordKey, table, numberKey, nameKey)) return true;
  StoreProfileDefault(feature, context, target, keywordKey, table, numberKey, nameKey);
  return false;
}
