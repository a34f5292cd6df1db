#pragma once
// Whole-file reads and crash-safe whole-file writes. Every file this system reads or writes goes
// through here, so that a FIFO, a device or a folder given as a path is refused (or, as an
// output, written as the stream it is), and a crash or a full disk never leaves half a file where
// the user's was.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace platform {

inline constexpr std::size_t kNoSizeLimit = SIZE_MAX;

// The one limit of the documents the commands hand each other: a session, preference or
// job-ticket file larger than this is refused unread, so none is ever written larger either. It
// leaves room for the largest jobs a print room sends (100,000 special pages), and an import
// that would make a session or a job ticket past it is refused before anything is kept.
inline constexpr std::size_t kMaxDocumentFileBytes = 64u << 20;

// None when a document of that many bytes may be written; else why not, to follow the name of
// what was to be written: "would be larger than 64 MB, more than any command reads back".
std::optional<std::string> CheckDocumentSize(std::size_t bytes);

// None when path names a regular file of at most maxBytes that can be opened for reading; else a
// message naming the file and what is wrong with it ("is a FIFO, not a file", "is larger than
// 16 MB"). The file is opened without blocking, so a FIFO with no writer cannot hang the caller.
std::optional<std::string> CheckInputFile(const std::string& path, std::size_t maxBytes = kNoSizeLimit);

// A descriptor of an opened file, closed when it goes.
class FileDescriptor {
 public:
  FileDescriptor() = default;
  ~FileDescriptor();
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int fd = -1;
};

// Opens the file for reading after the checks of CheckInputFile, for a reader that streams it:
// none and the descriptor in file; or a message naming the file and the reason.
std::optional<std::string> OpenInputFile(const std::string& path, FileDescriptor& file,
                                         std::size_t maxBytes = kNoSizeLimit);

// The bytes of the file, after the checks of CheckInputFile; or a message naming the file and the
// reason.
Result<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes = kNoSizeLimit);

// Writes bytes to path as an output should be written:
// - "-" is standard output;
// - a symbolic link is followed, and its target written (the link stays a link);
// - a regular file, or a path that does not exist, is replaced whole: the bytes go to a temporary
//   file in the same folder, which is flushed and renamed over the file. The file keeps its mode;
//   a new file gets 0666 less the umask. A file the user may not write is refused. A file with
//   other hard links is rewritten in place, so that every name keeps seeing it;
// - a character device or a FIFO (a terminal, /dev/null, a pipe) is written in place;
// - a folder, a socket or a block device is refused.
// On failure the old file (if any) is untouched, nothing is left behind, and error (when given)
// receives a message naming the file. Temporary files that a killed writer left beside the file
// are removed on the way.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error = nullptr);

}  // namespace platform
