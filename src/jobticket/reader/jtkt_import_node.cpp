#include "jobticket/reader/jtkt_import_node.h"
#include "jobticket/reader/jtkt_import_log.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>

#include "vocabulary/device_profile.h"
#include "vocabulary/device_profile_limits.h"

using platform::PlistDict;
using platform::PlistValue;

namespace {

// True when own is exactly name (compared without measuring own first).
bool NameIs(const xmlChar* ownName, std::string_view name) {
  const char* own = reinterpret_cast<const char*>(ownName);
  if (own == nullptr) return false;
  for (char c : name)
    if (*own++ != c) return false;
  return *own == '\0';
}

// The attribute's text as the document holds it, without a copy; null when absent, or when its
// value is more than one plain text.
const char* AttributeText(xmlNodePtr element, const char* name) {
  for (xmlAttrPtr attribute = element->properties; attribute != nullptr; attribute = attribute->next) {
    if (attribute->ns != nullptr || !NameIs(attribute->name, name)) continue;
    xmlNodePtr text = attribute->children;
    if (text != nullptr && text->next == nullptr && text->type == XML_TEXT_NODE && text->content != nullptr)
      return reinterpret_cast<const char*>(text->content);
    return nullptr;
  }
  return nullptr;
}

// The next path component after offset (without its leading "."), and where the one after starts.
std::string_view Component(std::string_view path, std::size_t offset, std::size_t* next) {
  const std::size_t end = path.find('.', offset);
  *next = end == std::string_view::npos ? path.size() : end + 1;
  return path.substr(offset, (end == std::string_view::npos ? path.size() : end) - offset);
}

// Only an element whose running path is a prefix of the sought path can lead to it, so the
// search follows the path's components and never walks a subtree that cannot match; the first
// match in document order is the same as that of a walk of the whole tree.
xmlNodePtr Find(xmlNodePtr start, std::string_view path, std::size_t offset) {
  std::size_t next = 0;
  const std::string_view component = Component(path, offset, &next);
  for (xmlNodePtr node = start; node != nullptr; node = node->next) {
    if (node->type != XML_ELEMENT_NODE || !NameIs(node->name, component)) continue;
    if (next >= path.size()) return node;
    if (xmlNodePtr found = Find(node->children, path, next)) return found;
  }
  return nullptr;
}

// The file's text, shortened and on one line, as an "ERROR:" line quotes it.
std::string Quoted(std::string_view text) {
  constexpr std::size_t kMaxQuoted = 40;
  std::string quoted(text.substr(0, kMaxQuoted));
  for (char& c : quoted)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  if (text.size() > kMaxQuoted) quoted += "...";
  return quoted;
}

}  // namespace

void JTKTImportLogValueError(const std::string& fileName, xmlNodePtr element, std::string_view text, const char* why) {
  JTKTImportError("%s: line %ld: <%s> \"%s\" %s; the setting is not imported", fileName.c_str(),
               xmlGetLineNo(element), reinterpret_cast<const char*>(element->name), Quoted(text).c_str(), why);
}

namespace {

void LogValueError(const std::string& fileName, xmlNodePtr element, std::string_view text, const char* why) {
  JTKTImportLogValueError(fileName, element, text, why);
}

// The text as a decimal number: digits with an optional sign, at most 18 of them (so that the
// value fits 64 bits); none for anything else. *fraction is set when the text is a decimal with a
// fractional part or an exponent instead.
std::optional<std::int64_t> ParseDecimal(std::string_view text, bool* fraction) {
  *fraction = false;
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\n' || text.front() == '\r'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\n' || text.back() == '\r'))
    text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ptr == text.data()) return std::nullopt;
  if (ec == std::errc::result_out_of_range) return std::numeric_limits<std::int64_t>::max();
  if (ptr != end) {
    *fraction = *ptr == '.' || *ptr == 'e' || *ptr == 'E';
    return std::nullopt;
  }
  return value;
}

// True when every character of text (UTF-8) is one of allowed's.
bool UsesOnly(std::string_view text, std::string_view allowed) {
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t n = 1;
    while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
    const std::string_view character = text.substr(i, n);
    bool found = false;
    for (std::size_t at = allowed.find(character); at != std::string_view::npos; at = allowed.find(character, at + 1)) {
      // A match must start at a character boundary of allowed.
      if ((static_cast<unsigned char>(allowed[at]) & 0xC0) != 0x80) {
        found = true;
        break;
      }
    }
    if (!found) return false;
    i += n;
  }
  return true;
}

std::optional<PlistValue> KeywordValue(const std::string& text, const PlistDict* keywords) {
  if (keywords == nullptr) return std::nullopt;
  const PlistValue jtktValue(text);
  for (const auto& [name, keyword] : *keywords) {
    const PlistDict* dict = keyword.asDictionary();
    const PlistDict* properties = nullptr;
    if (dict != nullptr) {
      const PlistValue* p = platform::PlistDictFind(*dict, kKFSPropertiesKey);
      properties = p ? p->asDictionary() : nullptr;
    }
    const PlistValue* held = properties ? platform::PlistDictFind(*properties, "JTKTValue") : nullptr;
    if (held != nullptr && *held == jtktValue) return PlistValue(name);
  }
  return std::nullopt;
}

}  // namespace

xmlNodePtr JTKTImportGetNode(xmlNodePtr start, std::string_view path) {
  if (start == nullptr || path.size() < 2 || path.front() != '.') return nullptr;
  return Find(start, path, 1);
}

const char* JTKTImportNodeSyntaxAttribute(xmlNodePtr element) {
  return element != nullptr ? AttributeText(element, "syntax") : nullptr;
}

const char* JTKTImportGetNodeSyntax(xmlNodePtr element) {
  const char* syntax = JTKTImportNodeSyntaxAttribute(element);
  if (syntax == nullptr) return kJTKTUnknownClass;
  const std::string_view s = syntax;
  if (s == "keyword" || s == "mimeMediaType" || s == "enum") return kKFSKeywordClass;
  if (s == "integer") return kKFSNumberClass;
  if (s == "name" || s == "uri" || s == "text") return kKFSNameClass;
  return kJTKTUnknownClass;
}

std::optional<std::string> JTKTImportNodeText(xmlNodePtr element) {
  if (element == nullptr) return std::nullopt;
  xmlNodePtr child = element->children;
  if (child == nullptr || (child->type != XML_TEXT_NODE && child->type != XML_CDATA_SECTION_NODE)) return std::nullopt;
  if (child->content == nullptr) return std::string();
  return std::string(reinterpret_cast<const char*>(child->content));
}

std::optional<std::int32_t> JTKTImportNodeInteger(xmlNodePtr element, const std::string& fileName) {
  const std::optional<std::string> text = JTKTImportNodeText(element);
  if (!text) return std::nullopt;
  bool fraction = false;
  const std::optional<std::int64_t> value = ParseDecimal(*text, &fraction);
  if (!value) {
    LogValueError(fileName, element, *text, fraction ? "is not a whole number" : "is not a number");
    return std::nullopt;
  }
  if (*value < std::numeric_limits<std::int32_t>::min() || *value > std::numeric_limits<std::int32_t>::max()) {
    LogValueError(fileName, element, *text, "is out of range");
    return std::nullopt;
  }
  return static_cast<std::int32_t>(*value);
}

std::optional<PlistValue> JTKTImportNodeValue(xmlNodePtr element, std::string_view syntaxClass,
                                              const PlistDict* classDictionary, const std::string& fileName,
                                              JTKTUnknownKeyword unknown) {
  const std::optional<std::string> text = JTKTImportNodeText(element);
  if (!text) return std::nullopt;
  if (syntaxClass == kKFSKeywordClass) {
    std::optional<PlistValue> keyword = KeywordValue(*text, classDictionary);
    if (!keyword && unknown == JTKTUnknownKeyword::Report)
      LogValueError(fileName, element, *text, "is not a value the printer knows");
    return keyword;
  }
  if (syntaxClass == kKFSNumberClass) {
    const std::optional<std::int32_t> number = JTKTImportNodeInteger(element, fileName);
    if (!number) return std::nullopt;
    const std::optional<std::int64_t> minimum = KFSClassBound(classDictionary, kKFSMinimumKey);
    const std::optional<std::int64_t> maximum = KFSClassBound(classDictionary, kKFSMaximumKey);
    if ((minimum && *number < *minimum) || (maximum && *number > *maximum)) {
      LogValueError(fileName, element, *text, "is out of range");
      return std::nullopt;
    }
    return PlistValue(*number);
  }
  if (syntaxClass == kKFSNameClass) {
    const PlistValue* set = classDictionary ? platform::PlistDictFind(*classDictionary, kKFSCharacterSetKey) : nullptr;
    if (set != nullptr && set->asString() != nullptr && !UsesOnly(*text, *set->asString())) {
      LogValueError(fileName, element, *text, "uses a character the printer does not accept");
      return std::nullopt;
    }
    const std::optional<std::int64_t> length = KFSClassBound(classDictionary, kKFSLengthKey);
    if (length && KFSTextLength(*text) > static_cast<std::uint64_t>(std::max<std::int64_t>(*length, 0))) {
      LogValueError(fileName, element, *text, "is longer than the printer accepts");
      return std::nullopt;
    }
    return PlistValue(*text);
  }
  return std::nullopt;
}
