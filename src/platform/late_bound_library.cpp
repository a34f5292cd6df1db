#include "platform/late_bound_library.h"

#include <dlfcn.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

namespace platform::late_binding {

namespace {

// The libraries' run-time names (their sonames), in the order of Library.
constexpr std::array<const char*, 6> kLibraryFiles = {"libcairo.so.2",           "libfreetype.so.6",
                                                      "libfontconfig.so.1",      "libharfbuzz-subset.so.0",
                                                      "libgdk_pixbuf-2.0.so.0",  "libcups.so.2"};

// libcups brings in its TLS library, whose own start-up (certificate and ASN.1 tables, random
// pools) is a good part of the cost of loading the printing system. libcups starts it itself the
// first time it needs TLS, so the start-up it would do on loading is asked to wait for that:
// the variable is set only while libcups loads, and only when the user has not set it.
class DeferredTlsStart {
 public:
  explicit DeferredTlsStart(Library library)
      : set_(library == Library::kCups && std::getenv(kVariable) == nullptr && ::setenv(kVariable, "1", 0) == 0) {}
  ~DeferredTlsStart() {
    if (set_) ::unsetenv(kVariable);
  }
  DeferredTlsStart(const DeferredTlsStart&) = delete;
  DeferredTlsStart& operator=(const DeferredTlsStart&) = delete;

 private:
  static constexpr const char* kVariable = "GNUTLS_NO_IMPLICIT_INIT";
  bool set_;
};

[[noreturn]] void BrokenInstallation(const std::string& what) {
  const std::string line = "ERROR: " + what + "; the system's libraries are not installed as they should be\n";
  std::fputs(line.c_str(), stderr);
  std::abort();
}

}  // namespace

void* FunctionAddress(Library library, const char* name) {
  // A loaded library stays for the life of the process, as a linked one would: the addresses
  // handed out are kept by their call sites.
  static std::mutex mutex;
  static std::array<void*, kLibraryFiles.size()> handles{};
  std::lock_guard lock(mutex);
  const auto index = static_cast<std::size_t>(library);
  if (handles[index] == nullptr) {
    // Lazily: the libraries a library needs in turn are bound as their functions are first
    // called, which spares a large share of the loading time of the printing system's libraries.
    const DeferredTlsStart deferred(library);
    handles[index] = ::dlopen(kLibraryFiles[index], RTLD_LAZY | RTLD_LOCAL);
    if (handles[index] == nullptr) BrokenInstallation(std::string(kLibraryFiles[index]) + ": " + ::dlerror());
  }
  ::dlerror();
  void* address = ::dlsym(handles[index], name);
  if (address == nullptr) BrokenInstallation(std::string(kLibraryFiles[index]) + " has no " + name);
  return address;
}

}  // namespace platform::late_binding
