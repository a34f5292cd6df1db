#include <gtest/gtest.h>

#include "platform/system/host_identity.h"
#include "support/test_support.h"

namespace {

std::string CommandLine(const std::string& command) {
  std::string output;
  EXPECT_EQ(korvo_test::RunCommand(command, &output), 0) << command;
  while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
  return output;
}

TEST(HostIdentity, NamesTheUserAndTheMachineAsTheSystemToolsDo) {
  EXPECT_EQ(platform::ConsoleUserName(), CommandLine("id -un"));
  EXPECT_EQ(platform::ComputerName(), CommandLine("uname -n"));
}

}  // namespace
