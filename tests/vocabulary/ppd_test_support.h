#pragma once
// A current print session whose printer uses a chosen printer description. The cached
// description and the installable options are process-wide, so every test starts and ends
// with both released.
#include <gtest/gtest.h>

#include <string>

#include "kit/current_session.h"
#include "platform/ticket/print_session.h"
#include "support/test_support.h"
#include "vocabulary/installable_options.h"
#include "vocabulary/ppd_bridge.h"

class CurrentPPDTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PPDCloseCurrent();
    UnloadInstallableOptions();
    SetCurrentPrintSession(&session_);
  }
  void TearDown() override {
    PPDCloseCurrent();
    UnloadInstallableOptions();
    SetCurrentPrintSession(nullptr);
  }

  // Makes path the current printer's description and returns it opened (null when it cannot be).
  PPDFile* UsePPD(const std::string& path) {
    PPDCloseCurrent();
    session_.printer().ppdPath = path;
    return PPDGetCurrent();
  }
  PPDFile* UseTestPPD(const std::string& name) { return UsePPD(korvo_test::DataPath("ppd/" + name)); }

  platform::PrintSession session_;
};

// The installable-options test description with Option1 defaulting to choice, written into dir;
// the choice is added to Option1's choices when the description lacks it.
inline std::string WritePPDWithOption1(const korvo_test::TempDir& dir, const std::string& choice) {
  std::string text = korvo_test::ReadFile(korvo_test::DataPath("ppd/installable_options.ppd"));
  const std::string line = "*DefaultOption1: CSS";
  text.replace(text.find(line), line.size(), "*DefaultOption1: " + choice);
  if (text.find("*Option1 " + choice + "/") == std::string::npos)
    text.insert(text.find("*Option1 HCS/"), "*Option1 " + choice + "/" + choice + ": \"\"\n");
  const std::string path = dir.file("option1-" + choice + ".ppd");
  korvo_test::WriteFile(path, text);
  return path;
}

// A current description whose Option1 defaults to a chosen finisher, with its installable options
// loaded.
class Option1Test : public CurrentPPDTest {
 protected:
  bool LoadWithOption1(const std::string& choice) {
    return LoadInstallableOptions(UsePPD(WritePPDWithOption1(dir_, choice)), InstalledFeatures);
  }
  korvo_test::TempDir dir_;
};
