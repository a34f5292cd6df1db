#pragma once
// korvo-pde and Python's plistlib, run as a user runs them from a shell.
#include <string>

#include "support/test_support.h"

namespace host_test {

// Runs the built korvo-pde with arguments (shell syntax: quoting and redirections allowed).
inline int RunPde(const std::string& arguments, std::string* output, bool mergeStderr = false) {
  return korvo_test::RunCommand(std::string(KORVO_BIN_DIR) + "/korvo-pde " + arguments, output, mergeStderr);
}

// Runs a Python script, plistlib and sys imported, with the arguments in sys.argv[1:]; its
// stdout and stderr end up in output.
inline int RunPython(const std::string& script, const std::string& arguments, std::string* output) {
  return korvo_test::RunCommand("python3 -c 'import plistlib, sys, os; " + script + "' " + arguments, output, true);
}

}  // namespace host_test
