#pragma once
// Helpers of the tests on the shared watermark file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "kit/preference_locations.h"
#include "support/test_support.h"
#include "watermark/watermark_file.h"

namespace watermark_test {

inline std::string WatermarkFile(const korvo_test::ScopedXdgHome& home) {
  return home.dir().file("data/Korvo/") + kWatermarkFileName;
}

inline WatermarkData Text(const std::string& text, double xPos = 10) {
  WatermarkData r;
  r.isText = true;
  r.textString = text;
  r.fontName = "ArialMT";
  r.fontSize = 72;
  r.angle = 45;
  r.xPos = xPos;
  r.wellColorBlue = 1.0f;
  return r;
}

// The names the watermark file lists (a test failure when it cannot be read).
inline std::vector<std::string> List() {
  std::vector<std::string> names;
  EXPECT_EQ(loadWatermarkList(kWatermarkFileName, &names), WatermarkResult::kDone);
  return names;
}

// The record stored under name (a test failure when it cannot be loaded).
inline WatermarkData Load(const std::string& name) {
  WatermarkData record;
  EXPECT_EQ(loadWatermarkData(kWatermarkFileName, name, &record), WatermarkResult::kDone) << name;
  return record;
}

// What loading the record stored under name answers.
inline WatermarkResult LoadStatus(const std::string& name) {
  WatermarkData record;
  return loadWatermarkData(kWatermarkFileName, name, &record);
}

// The copies of a damaged file kept aside in folder.
inline std::vector<std::string> KeptCopies(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().filename().string().find(".damaged-") != std::string::npos) names.push_back(entry.path().string());
  return names;
}

}  // namespace watermark_test
