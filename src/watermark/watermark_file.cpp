#include "watermark/watermark_file.h"

#include <algorithm>
#include <cstdio>

#include "kit/preference_locations.h"
#include "model/text_compare.h"
#include "watermark/watermark_dictionary.h"
#include "watermark/watermark_file_access.h"

using platform::PlistArray;
using platform::PlistDict;
using platform::PlistValue;
using platform::PreferenceFileStatus;

namespace {

// The list in root, or null when there is none; kBadRecord when it is there but not an array.
WatermarkResult FindList(PlistDict& root, PlistArray** list, std::string* why) {
  *list = nullptr;
  PlistValue* value = platform::PlistDictFind(root, kWatermarkListKey);
  if (value == nullptr) return WatermarkResult::kDone;
  *list = value->asArray();
  if (*list == nullptr)
    return Answer(WatermarkResult::kBadRecord, why,
                  std::string("the watermark list is ") + platform::PlistKindName(value->kind()) + ", not an array");
  return WatermarkResult::kDone;
}

PlistArray::iterator FindName(PlistArray& list, std::string_view name) {
  return std::find_if(list.begin(), list.end(), [name](const PlistValue& item) {
    const std::string* text = item.asString();
    return text != nullptr && *text == name;
  });
}

// A failed file operation must leave what it needs to say on standard error only once: the
// platform layer has said it for file faults, so only record faults are reported here.
// One command loads a record several times (the list, the panel, the font): its fault is told once.
void ReportBadRecord(std::string_view fileName, const std::string& message) {
  platform::ReportPreferenceError(std::string(fileName) + ": " + message);
}

// The ticket finds a watermark by its name ignoring case, so two names that differ only in case
// would be one watermark to the print path: a new name is taken when another watermark's name
// (other than except, the one being renamed) reads the same.
WatermarkResult CheckNameFreeIgnoringCase(const PlistDict& root, const std::string& name, std::string_view except,
                                          std::string* why) {
  for (const auto& [key, value] : root) {
    if (value.asDictionary() == nullptr || key == except || !EqualIgnoringCase(key, name)) continue;
    return Answer(WatermarkResult::kNameTaken, why, "a watermark named \"" + key + "\" exists already");
  }
  return WatermarkResult::kDone;
}

}  // namespace

namespace {

// The names of the list in root, as loadWatermarkList answers them.
WatermarkResult ListIn(PlistDict& root, std::vector<std::string>* names, std::string* error) {
  PlistArray* list = nullptr;
  if (WatermarkResult found = FindList(root, &list, error); found != WatermarkResult::kDone) return found;
  if (list == nullptr) return Answer(WatermarkResult::kNotFound, error, "the file has no watermark list");
  std::vector<std::string> loaded;
  for (std::size_t i = 0; i < list->size(); ++i) {
    const std::string* name = (*list)[i].asString();
    if (name == nullptr)
      return Answer(WatermarkResult::kBadRecord, error,
                    "item " + std::to_string(i) + " of the watermark list is " +
                        platform::PlistKindName((*list)[i].kind()) + ", not a string");
    loaded.push_back(*name);
  }
  *names = std::move(loaded);
  return WatermarkResult::kDone;
}

// The record filed under name in root, as loadWatermarkData answers it: record is cleared, but
// for the strings too long to load, which keep their previous content.
WatermarkResult RecordIn(const PlistDict& root, std::string_view fileName, std::string_view name,
                         WatermarkData* record, std::string* error) {
  const WatermarkData previous = std::move(*record);
  *record = WatermarkData{};
  const PlistValue* entry = platform::PlistDictFind(root, name);
  if (entry == nullptr || entry->asData() != nullptr)
    return Answer(WatermarkResult::kNotFound, error, "there is no watermark named \"" + std::string(name) + "\"");
  const PlistDict* stored = entry->asDictionary();
  std::string note;
  auto loaded = stored != nullptr ? WatermarkDataFromDictionary(*stored, previous, &note)
                                  : platform::Result<WatermarkData>::fail(
                                        std::string("it is ") + platform::PlistKindName(entry->kind()) + ", not a dictionary");
  if (!loaded) {
    std::string message = "watermark \"" + std::string(name) + "\" cannot be read: " + loaded.error();
    ReportBadRecord(fileName, message);
    return Answer(WatermarkResult::kBadRecord, error, std::move(message));
  }
  if (!note.empty()) ReportBadRecord(fileName, "watermark \"" + std::string(name) + "\": " + note);
  *record = loaded.take();
  return WatermarkResult::kDone;
}

}  // namespace

WatermarkResult loadWatermarkList(std::string_view fileName, std::vector<std::string>* names, std::string* error) {
  names->clear();
  PlistDict root;
  if (WatermarkResult read = ReadWatermarkFile(fileName, &root, error); read != WatermarkResult::kDone) return read;
  return ListIn(root, names, error);
}

WatermarkResult loadUsableWatermarkList(std::string_view fileName, std::vector<std::string>* names,
                                        std::string* error) {
  names->clear();
  PlistDict root;
  if (WatermarkResult read = ReadWatermarkFile(fileName, &root, error); read != WatermarkResult::kDone) return read;
  if (WatermarkResult listed = ListIn(root, names, error); listed != WatermarkResult::kDone) return listed;
  WatermarkData first;
  if (!names->empty() && RecordIn(root, fileName, names->front(), &first, nullptr) != WatermarkResult::kDone)
    names->erase(names->begin());
  return WatermarkResult::kDone;
}

WatermarkResult saveWatermarkList(std::string_view fileName, const std::vector<std::string>& names, std::string* error) {
  return ChangeWatermarkFile(
      fileName,
      [&names](PlistDict& root, PreferenceFileStatus, std::string*) {
        root[kWatermarkListKey] = PlistArray(names.begin(), names.end());
        return WatermarkResult::kDone;
      },
      error);
}

WatermarkResult loadWatermarkData(std::string_view fileName, std::string_view name, WatermarkData* record,
                                  std::string* error) {
  const double pageWidth = record->pageWidth, pageHeight = record->pageHeight;
  PlistDict root;
  WatermarkResult read = ReadWatermarkFile(fileName, &root, error);
  // RecordIn fills the record only from a record that reads (a string too long to load keeping
  // its previous content); on any failure it is cleared.
  if (read == WatermarkResult::kDone) read = RecordIn(root, fileName, name, record, error);
  if (read != WatermarkResult::kDone) *record = WatermarkData{};
  record->pageWidth = pageWidth;
  record->pageHeight = pageHeight;
  return read;
}

WatermarkResult saveWatermarkData(std::string_view fileName, const WatermarkData& record, std::string* error) {
  if (WatermarkResult storable = CheckStorable(record, error); storable != WatermarkResult::kDone) return storable;
  const std::string& name = WatermarkName(record);
  return ChangeWatermarkFile(
      fileName,
      [&](PlistDict& root, PreferenceFileStatus, std::string* why) {
        if (WatermarkResult free = CheckNameFree(root, name, false, why); free != WatermarkResult::kDone) return free;
        root[name] = WatermarkDataToDictionary(record);
        return WatermarkResult::kDone;
      },
      error);
}

WatermarkResult addWatermarkData(std::string_view fileName, const WatermarkData& record, std::string* error) {
  if (WatermarkResult storable = CheckStorable(record, error); storable != WatermarkResult::kDone) return storable;
  const std::string& name = WatermarkName(record);
  return ChangeWatermarkFile(
      fileName,
      [&](PlistDict& root, PreferenceFileStatus, std::string* why) {
        if (WatermarkResult free = CheckNameFree(root, name, true, why); free != WatermarkResult::kDone) return free;
        if (WatermarkResult free = CheckNameFreeIgnoringCase(root, name, {}, why); free != WatermarkResult::kDone)
          return free;
        PlistArray* list = nullptr;
        if (WatermarkResult found = FindList(root, &list, why); found != WatermarkResult::kDone) return found;
        root[name] = WatermarkDataToDictionary(record);
        if (list == nullptr) {
          root[kWatermarkListKey] = PlistArray{};
          list = root[kWatermarkListKey].asArray();
        }
        // A name listed without its record (left by an older writer) is not listed twice.
        if (FindName(*list, name) == list->end()) list->emplace_back(name);
        return WatermarkResult::kDone;
      },
      error);
}

WatermarkResult renameWatermarkData(std::string_view fileName, std::string_view oldName, const WatermarkData& record,
                                    std::string* error) {
  if (WatermarkResult storable = CheckStorable(record, error); storable != WatermarkResult::kDone) return storable;
  const std::string& newName = WatermarkName(record);
  return ChangeWatermarkFile(
      fileName,
      [&](PlistDict& root, PreferenceFileStatus, std::string* why) {
        auto old = root.find(oldName);
        if (old == root.end() || old->second.asDictionary() == nullptr)
          return Answer(WatermarkResult::kNotFound, why, "there is no watermark named \"" + std::string(oldName) + "\"");
        const bool sameName = newName == oldName;
        if (WatermarkResult free = CheckNameFree(root, newName, !sameName, why); free != WatermarkResult::kDone)
          return free;
        if (WatermarkResult free = CheckNameFreeIgnoringCase(root, newName, oldName, why); free != WatermarkResult::kDone)
          return free;
        PlistArray* list = nullptr;
        if (WatermarkResult found = FindList(root, &list, why); found != WatermarkResult::kDone) return found;

        root[newName] = WatermarkDataToDictionary(record);  // the new record first, then the old one goes
        if (sameName) return WatermarkResult::kDone;
        root.erase(old);
        if (list != nullptr) {
          auto listed = FindName(*list, oldName);
          if (listed != list->end()) {
            if (FindName(*list, newName) == list->end()) *listed = PlistValue(newName);
            else list->erase(listed);  // the new name is listed already (without its record until now)
          }
        }
        return WatermarkResult::kDone;
      },
      error);
}

WatermarkResult removeWatermarkData(std::string_view fileName, std::string_view name, std::string* error) {
  return ChangeWatermarkFile(
      fileName,
      [&](PlistDict& root, PreferenceFileStatus found, std::string* why) {
        if (found == PreferenceFileStatus::kMissing)
          return Answer(WatermarkResult::kNoFile, why, "there is no such file, so nothing is removed");
        if (found == PreferenceFileStatus::kKeptAside)
          return Answer(WatermarkResult::kFileUnreadable, why, "the file was damaged and has been kept aside; nothing is removed");
        bool removed = false;
        if (auto entry = root.find(name); entry != root.end() && entry->second.asDictionary() != nullptr) {
          root.erase(entry);
          removed = true;
        }
        PlistArray* list = nullptr;
        if (FindList(root, &list, nullptr) == WatermarkResult::kDone && list != nullptr) {
          if (auto listed = FindName(*list, name); listed != list->end()) {
            list->erase(listed);
            removed = true;
          }
        }
        if (!removed)
          return Answer(WatermarkResult::kNotFound, why, "there is no watermark named \"" + std::string(name) + "\"");
        return WatermarkResult::kDone;
      },
      error);
}
