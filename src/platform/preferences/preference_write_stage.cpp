#include "platform/preferences/preference_write_stage.h"

#include <unistd.h>

#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/files/file_io.h"
#include "platform/plist/xml_plist.h"
#include "platform/preferences/preference_file_locked.h"
#include "platform/preferences/preference_lock.h"

namespace platform {

struct StagedFile {
  std::string path;
  PreferenceFileLock lock;
  PreferenceFileStatus found;          // what the stage found at the path
  PlistDict dictionary;                // the file as the stage has it
  std::optional<std::string> before;   // the file's bytes, when there was a file
  bool changed = false;
  bool written = false;
};

struct PreferenceWriteStage::Files {
  std::recursive_mutex mutex;  // a change may read another staged file
  std::vector<std::unique_ptr<StagedFile>> files;
  std::map<std::string, std::string> refused;  // path -> why: asked again, refused at once

  StagedFile* find(const std::string& path) {
    for (auto& file : files)
      if (file->path == path) return file.get();
    return nullptr;
  }
};

namespace {

std::recursive_mutex gStageLock;
PreferenceWriteStage::Files* gStage = nullptr;

// Puts back one written file: its old bytes, or no file where there was none.
void PutBack(StagedFile& file) {
  if (!file.written) return;
  if (file.before) WriteFileAtomically(file.path, *file.before);
  else ::unlink(file.path.c_str());
  file.written = false;
}

}  // namespace

bool StagedPreferenceRead(const std::string& path, PreferenceFileContents* contents) {
  const std::lock_guard<std::recursive_mutex> stage(gStageLock);
  if (gStage == nullptr) return false;
  const std::lock_guard<std::recursive_mutex> held(gStage->mutex);
  const StagedFile* file = gStage->find(path);
  if (file == nullptr) return false;
  *contents = PreferenceFileContents{};
  // A damaged file set aside when the stage took it is not there any more.
  const bool gone = file->found == PreferenceFileStatus::kKeptAside;
  contents->status = file->changed ? PreferenceFileStatus::kRead : gone ? PreferenceFileStatus::kMissing : file->found;
  contents->dictionary = file->dictionary;
  return true;
}

bool StagePreferenceUpdate(const std::string& path, const PreferenceFileChange& change, StagedUpdate* outcome) {
  const std::lock_guard<std::recursive_mutex> stage(gStageLock);
  if (gStage == nullptr) return false;
  const std::lock_guard<std::recursive_mutex> held(gStage->mutex);
  StagedFile* file = gStage->find(path);
  // A lock that another writer kept too long is not waited for again in the same command.
  if (auto refused = gStage->refused.find(path); file == nullptr && refused != gStage->refused.end()) {
    outcome->error = refused->second;
    outcome->reported = true;
    return true;
  }
  auto refuse = [&](std::string why, bool reported) {
    outcome->error = gStage->refused[path] = std::move(why);
    outcome->reported = reported;
    return true;
  };
  if (file == nullptr) {
    auto lock = PreferenceFileLock::acquire(path);
    if (!lock) return refuse(LockRefusal(path, lock.error()), false);
    PreferenceFileContents contents = ReadPreferenceFileLocked(path);
    if (!contents.mayBeWritten()) return refuse(contents.error, true);
    std::optional<std::string> before;
    if (contents.wasRead()) {
      auto bytes = ReadFileBytes(path, kMaxPropertyListFileBytes);
      if (!bytes) return refuse(bytes.error() + "; the file is not written", false);
      before = bytes.take();
    }
    gStage->files.push_back(std::make_unique<StagedFile>(
        StagedFile{path, lock.take(), contents.status, std::move(contents.dictionary), std::move(before)}));
    file = gStage->files.back().get();
  }
  PlistDict changed = file->dictionary;
  if (change(changed, file->changed ? PreferenceFileStatus::kRead : file->found) == PreferenceChange::kWrite) {
    file->dictionary = std::move(changed);
    file->changed = true;
  }
  outcome->done = true;
  return true;
}

PreferenceWriteStage::PreferenceWriteStage() : files_(std::make_unique<Files>()) {
  const std::lock_guard<std::recursive_mutex> stage(gStageLock);
  if (gStage != nullptr) return;
  gStage = files_.get();
  active_ = true;
}

PreferenceWriteStage::~PreferenceWriteStage() {
  if (!active_) return;
  const std::lock_guard<std::recursive_mutex> stage(gStageLock);
  gStage = nullptr;  // the locks go with files_
}

bool PreferenceWriteStage::write(std::string* error) {
  const std::lock_guard<std::recursive_mutex> held(files_->mutex);
  for (auto& file : files_->files) {
    if (!file->changed) continue;
    std::string why;
    if (WriteXMLPlistFile(file->path, PlistValue(file->dictionary), &why)) {
      file->written = true;
      continue;
    }
    for (auto& done : files_->files) PutBack(*done);
    why += "; no preference file is changed";
    FailPreferenceWrite(why, false);
    if (error) *error = why;
    return false;
  }
  return true;
}

void PreferenceWriteStage::restore() {
  const std::lock_guard<std::recursive_mutex> held(files_->mutex);
  for (auto& file : files_->files) PutBack(*file);
}

}  // namespace platform
