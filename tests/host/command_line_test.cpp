// korvo-pde's command-line habits, run as a user runs them: help and version on stdout with
// status 0, a usage error on stderr with status 2.
#include <gtest/gtest.h>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::RunPde;
using host_test::RunPython;

TEST(CommandLine, HelpInEveryFormPrintsTheUsageOnStdoutAndSucceeds) {
  std::string all, err;
  ASSERT_EQ(RunPde("--help 2>/dev/null", &all), 0);
  for (const char* command : {"show", "export", "set", "import", "stocks", "type42", "watermark", "dialog"})
    EXPECT_NE(all.find("korvo-pde " + std::string(command) + " "), std::string::npos) << command << "\n" << all;
  EXPECT_EQ(RunPde("--help 2>&1 >/dev/null", &err), 0);
  EXPECT_EQ(err, "");
  std::string help;
  EXPECT_EQ(RunPde("help", &help), 0);
  EXPECT_EQ(help, all);

  // One command's usage: the same line whichever way it is asked for, even on a line that
  // would not run.
  std::string helpSet, setHelp, setHelpIncomplete;
  ASSERT_EQ(RunPde("help set", &helpSet), 0);
  EXPECT_EQ(helpSet, "usage: korvo-pde set --session FILE [--ppd FILE] [--bundle DIR] KEY=VALUE...\n");
  EXPECT_EQ(RunPde("set --help", &setHelp), 0);
  EXPECT_EQ(RunPde("set NotKeyValue --help", &setHelpIncomplete), 0);
  EXPECT_EQ(setHelp, helpSet);
  EXPECT_EQ(setHelpIncomplete, helpSet);
}

TEST(CommandLine, VersionIsTheBundlesShortVersionString) {
  std::string version, expected;
  ASSERT_EQ(RunPde("--version", &version), 0) << version;
  ASSERT_EQ(RunPython("print(\"korvo-pde\", plistlib.load(open(sys.argv[1], \"rb\"))[\"CFBundleShortVersionString\"])",
                      std::string(KORVO_SOURCE_DIR) + "/resources/Info.plist", &expected),
            0)
      << expected;
  EXPECT_EQ(version, expected);
}

TEST(CommandLine, UnknownOptionOrCommandExitsTwoWithTheUsageOnStderr) {
  for (const char* line : {"--frobnicate", "show --frobnicate", "show --ppd", "help nosuch", "nosuch", ""}) {
    std::string out, err;
    EXPECT_EQ(RunPde(std::string(line) + " 2>/dev/null", &out), 2) << line;
    EXPECT_EQ(out, "") << line;
    EXPECT_EQ(RunPde(std::string(line) + " 2>&1 >/dev/null", &err), 2) << line;
    EXPECT_EQ(err.rfind("korvo-pde: ", 0), 0u) << line << "\n" << err;
    EXPECT_NE(err.find("usage: korvo-pde show"), std::string::npos) << line << "\n" << err;
  }
}

}  // namespace
