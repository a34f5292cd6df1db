#pragma once
// A file of bytes that some reader wants by path (a picture shown by file name), kept in a folder
// of its own that only the user can enter, under the system's temporary folder. The file and the
// folder go when the object does.
#include <string>
#include <string_view>

namespace platform {

class PrivateTemporaryFile {
 public:
  explicit PrivateTemporaryFile(std::string_view fileName);
  ~PrivateTemporaryFile();
  PrivateTemporaryFile(const PrivateTemporaryFile&) = delete;
  PrivateTemporaryFile& operator=(const PrivateTemporaryFile&) = delete;

  // Replaces the file's bytes whole. False, with the reason in error, when the folder could not be
  // made or the file not written; the old bytes then stay.
  bool write(std::string_view bytes, std::string* error = nullptr);
  // Empty until the first write that succeeded.
  const std::string& path() const { return written_ ? path_ : empty_; }

 private:
  std::string folder_, path_, empty_, failure_;
  bool written_ = false;
};

}  // namespace platform
