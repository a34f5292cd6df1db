#pragma once
// korvo-pde and Python's plistlib, run as a user runs them from a shell, and what the host tests
// ask of their output.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

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

// What a script run as RunPython runs it printed; a test failure when it fails.
inline std::string Python(const std::string& script, const std::string& arguments) {
  std::string output;
  EXPECT_EQ(RunPython(script, arguments, &output), 0) << output;
  return output;
}

// Runs edit, Python, on the session file's print settings items (as d) and saves the file.
inline int EditSettings(const std::string& session, const std::string& edit, std::string* output) {
  return RunPython("s = plistlib.load(open(sys.argv[1], \"rb\")); d = s[\"PMPrintSettingsTicket\"][\"Items\"]; " +
                       edit + "; plistlib.dump(s, open(sys.argv[1], \"wb\"))",
                   session, output);
}

// A test of korvo-pde on a session file of its own, with the user's folders in a folder of its own.
class SessionTest : public ::testing::Test {
 protected:
  korvo_test::ScopedXdgHome home;
  korvo_test::TempDir dir;
  std::string session = dir.file("job.plist");
};

// Runs korvo-pde set on the session with each setting quoted: its exit status; what it printed on
// stdout, or with stderrOnly only what it printed on stderr, in *out.
inline int RunSet(const std::string& session, const std::vector<std::string>& settings, std::string* out,
                  bool stderrOnly = false) {
  std::string line = "set --session " + session;
  for (const std::string& s : settings) line += " '" + s + "'";
  return RunPde(line + (stderrOnly ? " 2>&1 >/dev/null" : ""), out);
}

inline bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Every part is somewhere in text.
inline void ExpectHas(const std::string& text, const std::vector<std::string>& parts) {
  for (const std::string& part : parts) EXPECT_TRUE(Has(text, part)) << part << " not in\n" << text;
}

// An error as korvo-pde reports one: a single line that starts "ERROR: " (and says said).
inline ::testing::AssertionResult IsOneErrorLine(const std::string& err, const std::string& said = "") {
  if (err.starts_with("ERROR: ") && std::count(err.begin(), err.end(), '\n') == 1 && Has(err, said))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "not one ERROR line:\n" << err;
}

// A choice set refuses: exit status 1, one ERROR line (answered), and the session file as it was.
inline std::string ExpectRefused(const std::string& session, const std::vector<std::string>& settings) {
  const std::string before = korvo_test::ReadFile(session);
  std::string err;
  EXPECT_EQ(RunSet(session, settings, &err, true), 1) << settings.back();
  // The saved-job dialog's console line, when it opened, comes before.
  if (err.starts_with("Values restored.\n")) err.erase(0, std::string_view("Values restored.\n").size());
  EXPECT_TRUE(IsOneErrorLine(err)) << settings.back();
  EXPECT_EQ(korvo_test::ReadFile(session), before) << settings.back();
  return err;
}

}  // namespace host_test
