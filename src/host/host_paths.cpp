#include "host/host_paths.h"

#include <filesystem>

namespace korvo_host {

std::string DefaultBundlePath() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return "KorvoFeatures.plugin";
  return (exe.parent_path().parent_path() / "lib" / "KorvoFeatures.plugin").string();
}

std::string SamplePPDPath(const std::string& bundlePath) {
  return bundlePath + "/Contents/Resources/KorvoSample.ppd";
}

}  // namespace korvo_host
