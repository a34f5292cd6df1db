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
    handles[index] = ::dlopen(kLibraryFiles[index], RTLD_LAZY | RTLD_LOCAL);
    if (handles[index] == nullptr) BrokenInstallation(std::string(kLibraryFiles[index]) + ": " + ::dlerror());
  }
  ::dlerror();
  void* address = ::dlsym(handles[index], name);
  if (address == nullptr) BrokenInstallation(std::string(kLibraryFiles[index]) + " has no " + name);
  return address;
}

}  // namespace platform::late_binding
