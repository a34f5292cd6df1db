#pragma once
// The user's locale for the life of a test; the test locales are compiled into the build tree and
// found through LOCPATH.
#include <cstdlib>
#include <string>

namespace controls_test {

class ScopedLocale {
 public:
  explicit ScopedLocale(const char* name) : had_(std::getenv("LC_ALL") != nullptr) {
    ::setenv("LOCPATH", KORVO_LOCALE_DIR, 0);
    if (had_) old_ = std::getenv("LC_ALL");
    ::setenv("LC_ALL", name, 1);
  }
  ~ScopedLocale() { had_ ? (void)::setenv("LC_ALL", old_.c_str(), 1) : (void)::unsetenv("LC_ALL"); }
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;

 private:
  bool had_;
  std::string old_;
};

}  // namespace controls_test
