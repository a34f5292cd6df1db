// korvo-pde's command-line habits, run as a user runs them: help and version on stdout with
// status 0, a usage error on stderr with status 2; the help pages' files; and the manual page,
// korvo-pde.1, as man and groff read it: no warnings, and the usage --help prints.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::RunPde;

TEST(CommandLine, HelpInEveryFormAndTheVersionPrintOnStdoutAndSucceed) {
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
  for (const char* line : {"help set", "set --help", "set NotKeyValue --help"}) {
    EXPECT_EQ(RunPde(line, &help), 0) << line;
    EXPECT_EQ(help, "usage: korvo-pde set --session FILE [--ppd FILE] [--bundle DIR] KEY=VALUE...\n") << line;
  }
  // The version is the bundle's short version string.
  ASSERT_EQ(RunPde("--version", &help), 0) << help;
  EXPECT_EQ(help, host_test::Python("print(\"korvo-pde\", plistlib.load(open(sys.argv[1], \"rb\"))"
                                    "[\"CFBundleShortVersionString\"])",
                                    std::string(KORVO_SOURCE_DIR) + "/resources/Info.plist"));
}

TEST(CommandLine, UnknownOptionOrCommandExitsTwoWithTheUsageOnStderr) {
  for (const char* line : {"--frobnicate", "show --frobnicate", "show --ppd", "help nosuch", "nosuch", "",
                           "show --queue Korvo", "print --session s.plist --uri ipp://h/ --queue Korvo d.pdf"}) {
    std::string out, err;
    EXPECT_EQ(RunPde(std::string(line) + " 2>/dev/null", &out), 2) << line;
    EXPECT_EQ(out, "") << line;
    EXPECT_EQ(RunPde(std::string(line) + " 2>&1 >/dev/null", &err), 2) << line;
    EXPECT_EQ(err.rfind("korvo-pde: ", 0), 0u) << line << "\n" << err;
    EXPECT_NE(err.find("usage: korvo-pde show"), std::string::npos) << line << "\n" << err;
  }
}

TEST(HelpPageCommand, PrintsTheFileOfThePageAHelpButtonOpensOrOneErrorWhenThereIsNone) {
  std::string output;
  // The path is the one the window's Help opens (host/window/dialog_window_test).
  ASSERT_EQ(RunPde("help-page paper_output/finishing/db_folding_d.htm", &output), 0) << output;
  ASSERT_TRUE(output.ends_with("/db_folding_d.htm\n")) << output;
  EXPECT_NE(korvo_test::ReadFile(output.substr(0, output.size() - 1)).find("<h1>Fold</h1>"), std::string::npos);
  // A missing page is one error, a missing argument a usage error.
  EXPECT_EQ(RunPde("help-page paper_output/no_such_page.htm", &output, true), 1);
  EXPECT_EQ(output, "ERROR: the help book \"Korvo Printer Help\" has no page \"paper_output/no_such_page.htm\" (in " +
                        std::filesystem::canonical(korvo_test::BundlePath()).string() +
                        "/Contents/Resources/KorvoHelp)\n");
  EXPECT_EQ(RunPde("help-page ../Info.plist 2>/dev/null", &output), 1);
  EXPECT_EQ(output, "");
  EXPECT_EQ(RunPde("help-page 2>/dev/null", &output), 2);
}

const std::string kManualPage = std::string(KORVO_SOURCE_DIR) + "/korvo-pde.1";

// Runs of spaces as one: how wide a line is set is the formatter's business.
std::string OneSpaced(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
  return out;
}

TEST(ManualPage, GroffReadsItWithoutAWarningAndEveryUsageLineOfHelpIsInItsSynopsis) {
  std::string usage, manual;
  EXPECT_EQ(korvo_test::RunCommand("groff -man -ww -z '" + kManualPage + "'", &manual, true), 0);
  EXPECT_EQ(manual, "");
  ASSERT_EQ(host_test::RunPde("--help", &usage), 0);
  // Set as plain text on lines too long to wrap, as a terminal shows it but never folded.
  ASSERT_EQ(korvo_test::RunCommand("groff -man -Tascii -rLL=250n -P-cbou '" + kManualPage + "'", &manual), 0);
  manual = OneSpaced(manual);
  std::istringstream lines(usage);
  int commands = 0;
  for (std::string line; std::getline(lines, line);) {
    line = OneSpaced(line.substr(line.find("korvo-pde")));
    EXPECT_NE(manual.find(line), std::string::npos) << "the manual page lacks: " << line;
    ++commands;
  }
  EXPECT_GE(commands, 12);  // show ... dialog, help-page, and the help line
}

}  // namespace
