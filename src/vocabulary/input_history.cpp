// Reading the input-history file. Writing it belongs to the combo boxes, which add what the user
// typed when their dialog ends; the menus only offer what is there.
#include "vocabulary/input_history.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/files/folders.h"
#include "platform/plist/xml_plist.h"

std::string InputHistoryFilePath() {
  return platform::UserPreferencesFolder() + "/" + kInputHistoryFileName;
}

std::vector<std::string> CopyInputHistoryStrings(std::string_view historyKey) {
  std::vector<std::string> entries;
  if (historyKey.empty()) return entries;
  const std::string path = InputHistoryFilePath();
  // A user who never typed into such a field has no file yet; that is no error.
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return entries;

  platform::Result<platform::PlistDict> history = platform::ReadXMLPlistDictionaryFile(path);
  if (!history) {
    std::fprintf(stderr, "ERROR: %s\n", history.error().c_str());  // the message names the file
    return entries;
  }
  const platform::PlistValue* list = platform::PlistDictFind(*history, historyKey);
  if (list == nullptr || list->asArray() == nullptr) return entries;
  for (const platform::PlistValue& entry : *list->asArray()) {
    if (const std::string* text = entry.asString()) entries.push_back(*text);
  }
  return entries;
}
