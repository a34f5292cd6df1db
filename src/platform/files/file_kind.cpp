#include "platform/files/file_kind.h"

#include <sys/stat.h>

namespace platform {

std::string DescribeFileKind(mode_t mode) {
  if (S_ISDIR(mode)) return "is a folder";
  if (S_ISFIFO(mode)) return "is a FIFO";
  if (S_ISCHR(mode)) return "is a character device";
  if (S_ISBLK(mode)) return "is a block device";
  if (S_ISSOCK(mode)) return "is a socket";
  if (S_ISLNK(mode)) return "is a symbolic link";
  return "is a file";
}

std::string DescribeSize(std::size_t bytes) {
  constexpr std::size_t kKB = 1024, kMB = 1024 * kKB;
  if (bytes >= kMB && bytes % kMB == 0) return std::to_string(bytes / kMB) + " MB";
  if (bytes >= kKB && bytes % kKB == 0) return std::to_string(bytes / kKB) + " KB";
  return std::to_string(bytes) + " bytes";
}

}  // namespace platform
