#include <gtest/gtest.h>

#include <filesystem>

#include "host/korvo_pde_runner.h"

namespace {

using host_test::RunPde;

TEST(HelpPageCommand, PrintsTheFileOfThePageAHelpButtonOpens) {
  std::string output;
  ASSERT_EQ(RunPde("help-page paper_output/finishing/db_folding_d.htm", &output), 0) << output;
  ASSERT_FALSE(output.empty());
  ASSERT_EQ(output.back(), '\n');
  const std::string path = output.substr(0, output.size() - 1);
  EXPECT_EQ(path, std::filesystem::canonical(korvo_test::BundlePath()).string() +
                      "/Contents/Resources/KorvoHelp/paper_output/finishing/db_folding_d.htm");
  EXPECT_NE(korvo_test::ReadFile(path).find("<h1>Fold</h1>"), std::string::npos);
}

TEST(HelpPageCommand, AMissingPageIsOneErrorAndAMissingArgumentAUsageError) {
  std::string output;
  EXPECT_EQ(RunPde("help-page paper_output/no_such_page.htm", &output, true), 1);
  EXPECT_EQ(output, "ERROR: the help book \"Korvo Printer Help\" has no page \"paper_output/no_such_page.htm\" (in " +
                        std::filesystem::canonical(korvo_test::BundlePath()).string() +
                        "/Contents/Resources/KorvoHelp)\n");
  EXPECT_EQ(RunPde("help-page ../Info.plist 2>/dev/null", &output), 1);
  EXPECT_EQ(output, "");
  EXPECT_EQ(RunPde("help-page 2>/dev/null", &output), 2);
}

}  // namespace
