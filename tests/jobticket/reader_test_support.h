#pragma once
// What the job-ticket reader's tests share: the shipped device profile loaded for a test, import
// of a document's bytes, and a comparison of ticket dictionaries that names each difference.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/plist/plist_value.h"

namespace jtkt_test {

// Loads resources/"Device Profile.plist" for the test and forgets it afterwards.
class ReaderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// The import dictionary of one document (a failing import fails the test).
platform::PlistDict Imported(const std::string& bytes, const std::string& name = "job.xml");

// The export document of a fresh ticket (the whole-document options) into which dictionary was
// merged.
std::string ReExported(const platform::PlistDict& dictionary);

// "key: ..." for every value of original that imported lacks or holds differently, descending
// into dictionaries and arrays of dictionaries ("a/b/[1]/c").
std::vector<std::string> Differences(const platform::PlistDict& original, const platform::PlistDict& imported,
                                     const std::string& prefix = "");

// The value under key, or under member of the dictionary under key; null when absent.
const platform::PlistValue* At(const platform::PlistDict& dict, const std::string& key, const char* member = nullptr);

// What the import of bytes writes on standard error.
std::string ImportErrors(const std::string& bytes, platform::PlistDict* dictionary, int* status = nullptr);

}  // namespace jtkt_test
