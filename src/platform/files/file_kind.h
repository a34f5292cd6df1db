#pragma once
// Words for messages about files: what kind of thing a path names, and how large a limit is.
#include <sys/types.h>

#include <cstddef>
#include <string>

namespace platform {

// "is a folder", "is a FIFO", "is a character device", "is a block device", "is a socket",
// "is a symbolic link", "is a file" by the type bits of mode.
std::string DescribeFileKind(mode_t mode);

// "16 MB", "512 KB", "100 bytes": the largest whole unit that divides the size, for limits.
std::string DescribeSize(std::size_t bytes);

}  // namespace platform
