// The manual page, korvo-pde.1, as man and groff read it: no warnings, and the same commands,
// with the same usage, as korvo-pde --help prints.
#include <gtest/gtest.h>

#include <sstream>

#include "host/korvo_pde_runner.h"

namespace {

const std::string kManualPage = std::string(KORVO_SOURCE_DIR) + "/korvo-pde.1";

// Runs of spaces as one: how wide a line is set is the formatter's business.
std::string OneSpaced(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
  return out;
}

TEST(ManualPage, GroffReadsItWithoutAWarning) {
  std::string output;
  EXPECT_EQ(korvo_test::RunCommand("groff -man -ww -z '" + kManualPage + "'", &output, true), 0);
  EXPECT_EQ(output, "");
}

TEST(ManualPage, EveryUsageLineOfHelpIsInItsSynopsis) {
  std::string usage, manual;
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
