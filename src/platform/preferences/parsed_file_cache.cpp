#include "platform/preferences/parsed_file_cache.h"

namespace platform {

namespace {
bool Same(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }
}  // namespace

bool FileIdentity::operator==(const FileIdentity& other) const {
  return device == other.device && inode == other.inode && size == other.size && Same(modified, other.modified) &&
         Same(changed, other.changed);
}

bool ParsedFileCache::find(const std::string& path, const FileIdentity& identity, PlistDict* dictionary) {
  std::lock_guard lock(mutex_);
  auto found = files_.find(path);
  if (found == files_.end() || !(found->second.identity == identity)) return false;
  *dictionary = found->second.dictionary;
  return true;
}

void ParsedFileCache::keep(const std::string& path, const FileIdentity& identity, const PlistDict& dictionary) {
  std::lock_guard lock(mutex_);
  if (files_.size() >= kMaxFiles && !files_.contains(path)) files_.clear();
  files_[path] = Parsed{identity, dictionary};
}

void ParsedFileCache::forget(const std::string& path) {
  std::lock_guard lock(mutex_);
  files_.erase(path);
}

}  // namespace platform
