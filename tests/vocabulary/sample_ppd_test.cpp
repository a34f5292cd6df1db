#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"

// The sample printer's description is what an installed queue would carry, so CUPS' own checker
// must accept it.
TEST(SamplePrinterDescription, PassesCupsTestPPD) {
  const std::string path = korvo_test::SamplePPDPath();
  ASSERT_FALSE(korvo_test::ReadFile(path).empty()) << path;
  std::string output;
  const int status = korvo_test::RunCommand("cupstestppd -W translations '" + path + "'", &output, true);
  EXPECT_EQ(status, 0) << output;
  EXPECT_NE(output.find(": PASS"), std::string::npos) << output;
}
