#pragma once
// The user's locale for the life of a test; the test locales are compiled into the build tree and
// found through LOCPATH.
#include "support/test_support.h"

namespace controls_test {

struct ScopedLocale {
  explicit ScopedLocale(const char* name) : lcAll("LC_ALL", name) {}
  korvo_test::ScopedEnv locPath{"LOCPATH", KORVO_LOCALE_DIR};
  korvo_test::ScopedEnv lcAll;
};

}  // namespace controls_test
