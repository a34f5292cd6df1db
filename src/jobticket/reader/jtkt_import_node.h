#pragma once
// Finding elements of a parsed job-ticket file and reading their values through the device
// feature profile.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <libxml/tree.h>

#include "platform/plist/plist_value.h"

// The syntax classes of elements; the first three are also profile syntax classes.
inline constexpr const char* kJTKTUnknownClass = "--Unknown--";

// The first element, in document order, at path from start: path is "." and an element name for
// each level from start's level down (".media-col.media-type"). Start and its following siblings
// are searched; nodes that are not elements are passed over. Null when none matches.
xmlNodePtr JTKTImportGetNode(xmlNodePtr start, std::string_view path);

// The element's "syntax" attribute as written, or null.
const char* JTKTImportNodeSyntaxAttribute(xmlNodePtr element);

// The element's syntax class by its "syntax" attribute: "Keyword", "Number", "Name" or
// kJTKTUnknownClass.
const char* JTKTImportGetNodeSyntax(xmlNodePtr element);

// The element's text: the content of its first child when that is a text node; none otherwise.
std::optional<std::string> JTKTImportNodeText(xmlNodePtr element);

// The element's text as a whole number that fits 32 bits. None, after one "ERROR:" line naming
// fileName and the element, when the text is a fraction, not a number or out of range; none
// without a line when the element has no text.
std::optional<std::int32_t> JTKTImportNodeInteger(xmlNodePtr element, const std::string& fileName);

// The element's value through the feature's dictionary for its class: for "Keyword" the name of
// the keyword whose "JTKTValue" is the text; for "Number" the number, within the class's
// "Minimum" and "Maximum"; for "Name" the text, within the class's "CharacterSet" and "Length".
// None when the value does not convert; a number or name out of the permitted range, and a
// keyword none of the class's keywords spells, is also named in one "ERROR:" line. A member of a
// set that several features read asks not to have its keyword reported (Ignore): what one
// feature does not know may be another's, and the set is checked whole once all have read it.
enum class JTKTUnknownKeyword { Report, Ignore };
std::optional<platform::PlistValue> JTKTImportNodeValue(xmlNodePtr element, std::string_view syntaxClass,
                                                        const platform::PlistDict* classDictionary,
                                                        const std::string& fileName,
                                                        JTKTUnknownKeyword unknown = JTKTUnknownKeyword::Report);

// One "ERROR:" line naming the element and its text, and why the setting is not imported.
void JTKTImportLogValueError(const std::string& fileName, xmlNodePtr element, std::string_view text, const char* why);
