#pragma once
// What the tests of the controls share: the user's locale for a test, and a bundle of labels.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/bundle/bundle.h"
#include "support/test_support.h"

namespace controls_test {

// Makes the user's locale `name` (LC_ALL) for the life of the object; the test locales are
// compiled into the build tree and found through LOCPATH.
class ScopedLocale {
 public:
  explicit ScopedLocale(const char* name) {
    ::setenv("LOCPATH", KORVO_LOCALE_DIR, 0);
    if (const char* old = std::getenv("LC_ALL")) {
      had_ = true;
      old_ = old;
    }
    ::setenv("LC_ALL", name, 1);
  }
  ~ScopedLocale() {
    if (had_) ::setenv("LC_ALL", old_.c_str(), 1); else ::unsetenv("LC_ALL");
  }
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;

 private:
  bool had_ = false;
  std::string old_;
};

// A bundle under dir, with a fresh identifier (bundles stay registered for the process) and the
// English table po.
inline platform::Bundle* MakeBundle(const korvo_test::TempDir& dir, const std::string& po) {
  const std::string path = dir.file("Controls.plugin");
  std::filesystem::create_directories(path + "/Contents/Resources/en.lproj");
  korvo_test::WriteFile(path + "/Contents/Info.plist",
                        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                        "<key>CFBundleIdentifier</key><string>test.controls." +
                            std::filesystem::path(dir.path()).filename().string() +
                            "</string><key>CFBundleDevelopmentRegion</key><string>en</string></dict></plist>\n");
  korvo_test::WriteFile(path + "/Contents/Resources/en.lproj/Localizable.po", po);
  auto bundle = platform::Bundle::open(path);
  return bundle ? *bundle : nullptr;
}

}  // namespace controls_test
