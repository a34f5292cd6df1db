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

// A text record with every field set to a value other than its default.
inline WatermarkData FullRecord() {
  WatermarkData r;
  r.textString = "Entwurf – Grüße";
  r.filename = "logo.png";
  r.filePath = "/home/user/Pictures/logo.png";
  r.fontName = "Helvetica-Bold";
  r.xOffset = 1.25f;
  r.yOffset = -0.1f;
  r.fontColorRed = 0.75f;
  r.fontColorGreen = 0.5f;
  r.fontColorBlue = 1.0f;
  r.fontColorAlpha = 0.3f;
  r.wellColorRed = 0.2f;
  r.wellColorGreen = 0.4f;
  r.wellColorBlue = 0.6f;
  r.wellColorAlpha = 0.8f;
  r.angle = -30;
  r.density = 25;
  r.scale = 150;
  r.units = 1;
  r.fontSize = 96;
  r.isText = true;
  r.xPos = 280.627441;
  r.yPos = 311.049927;
  r.glyphs = {0x0027, 0x0055, 0xFFFF, 0x0100};
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
