#pragma once
// A plug-in bundle made in a test's folder whose English string table holds the given PO entries.
// Each gets an identifier of its own (from the folder's name), as the registry keeps every bundle
// opened for the life of the process.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/bundle/bundle.h"
#include "support/test_support.h"

namespace korvo_test {

inline const platform::Bundle* BundleWithStrings(const TempDir& dir, const std::string& po) {
  const std::string path = dir.file("Strings.plugin");
  std::filesystem::create_directories(path + "/Contents/Resources/en.lproj");
  WriteFile(path + "/Contents/Info.plist",
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict><key>CFBundleIdentifier</key>"
            "<string>test.strings." + std::filesystem::path(dir.path()).filename().string() +
                "</string><key>CFBundleDevelopmentRegion</key><string>en</string></dict></plist>\n");
  WriteFile(path + "/Contents/Resources/en.lproj/Localizable.po", po);
  auto bundle = platform::Bundle::open(path);
  EXPECT_TRUE(bundle) << bundle.error();
  return bundle ? *bundle : nullptr;
}

}  // namespace korvo_test
