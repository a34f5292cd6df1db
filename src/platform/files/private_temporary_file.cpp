#include "platform/files/private_temporary_file.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <vector>

#include "platform/files/file_io.h"

namespace platform {

PrivateTemporaryFile::PrivateTemporaryFile(std::string_view fileName) {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/korvo-XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (::mkdtemp(buffer.data()) == nullptr) {  // made with mode 0700
    failure_ = pattern + ": " + std::error_code(errno, std::generic_category()).message();
    return;
  }
  folder_ = buffer.data();
  path_ = folder_ + "/" + std::string(fileName);
}

PrivateTemporaryFile::~PrivateTemporaryFile() {
  if (folder_.empty()) return;
  ::unlink(path_.c_str());
  ::rmdir(folder_.c_str());
}

bool PrivateTemporaryFile::write(std::string_view bytes, std::string* error) {
  if (folder_.empty()) {
    if (error) *error = failure_;
    return false;
  }
  if (!WriteFileAtomically(path_, bytes, error)) return false;
  written_ = true;
  return true;
}

}  // namespace platform
