#include "host/host_paths.h"

#include <filesystem>

namespace korvo_host {

namespace {

// The folder this program was started from; empty when the system does not say.
std::filesystem::path ProgramFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : exe.parent_path();
}

}  // namespace

std::string DefaultBundlePath() {
  const std::filesystem::path folder = ProgramFolder();
  if (folder.empty()) return "KorvoFeatures.plugin";
  return (folder.parent_path() / "lib" / "KorvoFeatures.plugin").string();
}

std::string WindowProgramPath() { return (ProgramFolder() / "korvo-pde-window").string(); }

std::string SamplePPDPath(const std::string& bundlePath) {
  return bundlePath + "/Contents/Resources/KorvoSample.ppd";
}

}  // namespace korvo_host
