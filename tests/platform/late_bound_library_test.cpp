// Libraries bound on first use: loading libcups leaves the environment as it found it, whether
// or not the user set the TLS variable it sets for a moment. (Each test's first libcups call
// loads it only when the test runs in a process of its own, as ctest runs them.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/cups_library.h"

namespace {

int CopiesAdded() {
  ipp_t* request = ippNew();
  const int count = ippGetCount(ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "copies", 2));
  ippDelete(request);
  return count;
}

TEST(LateBoundLibrary, LoadingLibcupsLeavesNoVariableBehind) {
  ::unsetenv("GNUTLS_NO_IMPLICIT_INIT");
  EXPECT_EQ(CopiesAdded(), 1);
  EXPECT_EQ(std::getenv("GNUTLS_NO_IMPLICIT_INIT"), nullptr);
}

TEST(LateBoundLibrary, TheUsersOwnTlsSettingIsKept) {
  ::setenv("GNUTLS_NO_IMPLICIT_INIT", "0", 1);
  EXPECT_EQ(CopiesAdded(), 1);
  const char* value = std::getenv("GNUTLS_NO_IMPLICIT_INIT");
  EXPECT_EQ(std::string(value != nullptr ? value : "(unset)"), "0");
  ::unsetenv("GNUTLS_NO_IMPLICIT_INIT");
}

}  // namespace
