#pragma once
// XML property lists in the standard form ("-//Apple//DTD PLIST 1.0//EN"), the form that
// Python's plistlib and other platforms' tools read and write.
//
// Reading never expands entities, never loads a DTD and never touches the network; a document
// that is not well-formed, has an unknown element, an integer out of range, entity
// declarations, or (for the typed readers) the wrong root kind yields a clear message and no
// value. Writing sorts dictionary keys, so the same value always gives the same bytes.
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/files/file_io.h"
#include "platform/plist/plist_value.h"
#include "platform/result.h"

namespace platform {

Result<PlistValue> ReadXMLPlist(std::string_view bytes);
// A larger session or preference file is refused unread (see kMaxDocumentFileBytes).
inline constexpr std::size_t kMaxPropertyListFileBytes = kMaxDocumentFileBytes;
Result<PlistValue> ReadXMLPlistFile(const std::string& path);
// As ReadXMLPlistFile, but the root must be a dictionary.
Result<PlistDict> ReadXMLPlistDictionaryFile(const std::string& path);

// The document, or a message when the value holds a Kind::None anywhere.
Result<std::string> WriteXMLPlist(const PlistValue& value);
// Writes through a temporary file and a rename; false and a message naming the file on failure,
// a document larger than kMaxPropertyListFileBytes included (nothing is written then).
bool WriteXMLPlistFile(const std::string& path, const PlistValue& value, std::string* error = nullptr);

}  // namespace platform
