// make install puts the backend where CUPS looks for backends, runnable by cupsd's lp user.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "support/test_support.h"

namespace {

TEST(BackendInstall, TheBackendGoesToLibCupsBackendAndPrintsItsDiscoveryLine) {
  korvo_test::TempDir stage;
  const std::string build = std::filesystem::path(KORVO_BIN_DIR).parent_path().string();
  std::string out;
  ASSERT_EQ(korvo_test::RunCommand("cmake --install " + build + " --prefix " + stage.file("stage") + " 2>&1", &out), 0)
      << out;
  const std::string backend = stage.file("stage/lib/cups/backend/korvo");
  struct stat status {};
  ASSERT_EQ(::stat(backend.c_str(), &status), 0) << out;
  EXPECT_EQ(status.st_mode & 07777, 0755u);
  ASSERT_EQ(korvo_test::RunCommand(backend, &out), 0);
  EXPECT_EQ(out, "network korvo \"Unknown\" \"Korvo production printer (IPP)\"\n");
}

}  // namespace
