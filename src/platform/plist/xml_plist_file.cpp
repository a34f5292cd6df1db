// Property-list files: the readers and writer of xml_plist.h joined to whole-file I/O.
#include "platform/files/file_io.h"
#include "platform/plist/xml_plist.h"

namespace platform {

Result<PlistValue> ReadXMLPlistFile(const std::string& path) {
  auto bytes = ReadFileBytes(path, kMaxPropertyListFileBytes);  // its message already names the file
  if (!bytes) return Result<PlistValue>::fail(bytes.error());
  auto value = ReadXMLPlist(*bytes);
  if (!value) return Result<PlistValue>::fail(path + ": " + value.error());
  return value;
}

Result<PlistDict> ReadXMLPlistDictionaryFile(const std::string& path) {
  using R = Result<PlistDict>;
  auto value = ReadXMLPlistFile(path);
  if (!value) return R::fail(value.error());
  if (PlistDict* dict = value->asDictionary()) return R::ok(std::move(*dict));
  return R::fail(path + ": root is " +
                 (value->kind() == PlistValue::Kind::Array || value->kind() == PlistValue::Kind::Integer
                      ? "an "
                      : "a ") +
                 PlistKindName(value->kind()) + ", expected a dictionary");
}

bool WriteXMLPlistFile(const std::string& path, const PlistValue& value, std::string* error) {
  auto bytes = WriteXMLPlist(value);
  if (!bytes) {
    if (error) *error = path + ": " + bytes.error();
    return false;
  }
  if (auto tooLarge = CheckDocumentSize(bytes->size())) {
    if (error) *error = path + " " + *tooLarge;
    return false;
  }
  return WriteFileAtomically(path, *bytes, error);
}

}  // namespace platform
