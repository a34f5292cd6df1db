#pragma once
// An output written in pieces (a document streamed from another file) under the rules
// WriteFileAtomically follows for a whole buffer: a file is replaced only by a complete copy, so a
// failure half-way leaves the old file as it was and nothing beside it.
#include <optional>
#include <string>
#include <string_view>

#include "platform/files/unique_fd.h"

namespace platform {

class OutputFile {
 public:
  OutputFile() = default;
  // A temporary that was not committed is removed.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Gets path ready to be written as WriteFileAtomically writes it. False, with the reason naming
  // the file in error, when it cannot be (a folder, a file the user may not write).
  bool open(const std::string& path, std::string* error = nullptr);
  bool write(std::string_view bytes, std::string* error = nullptr);
  // Flushes what was written and puts it in place: renamed over the file, or truncated to its
  // length where the file was rewritten in place. The output is complete only once this succeeds.
  bool commit(std::string* error = nullptr);

 private:
  enum class Way { kNone, kStream, kInPlace, kReplace };
  Way way_ = Way::kNone;
  std::string name_;       // what messages call the output
  std::string target_;     // where a replacement is renamed to
  std::string temporary_;  // the replacement, until it is renamed
  std::optional<unsigned> mode_;
  UniqueFd fd_;  // none for standard output, which is written but not owned
  unsigned long long written_ = 0;
};

}  // namespace platform
