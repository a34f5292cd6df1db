#pragma once
// What the Korvo queue tests share: one private cupsd per test suite (started by the suite's
// SetUpTestSuite through Start), a copy of the test document per job, and korvo-pde run in the
// print system's namespace with the user's folders of the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "support/private_cups.h"
#include "support/test_support.h"

namespace backend_test {

class QueueTest : public ::testing::Test {
 protected:
  // Starts the suite's print system, its printer holding the attributes file's text (empty: one
  // that knows only PDF).
  static void Start(const std::string& attributes) {
    std::string error;
    cups_ = korvo_test::PrivateCups::start(attributes, "application/pdf", &error);
    ASSERT_TRUE(cups_) << error;
  }
  static void TearDownTestSuite() { cups_.reset(); }
  void SetUp() override { ASSERT_TRUE(cups_); }

  // A copy of the one-page test document named name, so that the printer's job is known by it.
  std::string Document(const std::string& name) {
    const std::string path = dir_.file(name);
    std::filesystem::copy_file(korvo_test::DataPath("host/one_page.pdf"), path);
    return path;
  }

  int Pde(const std::string& arguments, std::string* out) {
    return cups_->run("XDG_CONFIG_HOME=" + dir_.file("config") + " XDG_DATA_HOME=" + dir_.file("data") + " " +
                          KORVO_BIN_DIR + "/korvo-pde " + arguments,
                      out);
  }

  static inline std::unique_ptr<korvo_test::PrivateCups> cups_;
  korvo_test::TempDir dir_;
};

}  // namespace backend_test
