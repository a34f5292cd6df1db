#include "reader_test_support.h"

#include "jobticket/reader/jtkt_reader.h"
#include "jobticket/writer/jtkt_export.h"
#include "jtkt_test_support.h"
#include "platform/plist/plist_description.h"
#include "platform/ticket/ticket.h"
#include "support/test_support.h"
#include "vocabulary/device_profile.h"

namespace jtkt_test {

using platform::PlistDict;
using platform::PlistValue;

void ReaderTest::SetUp() {
  ASSERT_TRUE(KFSInitializeFromFile(std::string(KORVO_SOURCE_DIR) + "/resources/Device Profile.plist"));
}

void ReaderTest::TearDown() { KFSFinalize(); }

PlistDict Imported(const std::string& bytes, const std::string& name) {
  PlistDict dictionary;
  EXPECT_EQ(JTKTImportDocument(bytes, name, &dictionary), platform::noErr) << name;
  return dictionary;
}

std::string ReExported(const PlistDict& dictionary) {
  platform::Ticket ticket;
  for (const auto& [key, value] : WholeDocumentTicket()) ticket.set(key, value, "K");
  JTKTMergeIntoTicket(ticket, dictionary);
  return Document(JTKTCopyKorvoItems(ticket));
}

namespace {

std::string Describe(const PlistValue& value) { return platform::PlistDescription(value); }

void Compare(const PlistValue& a, const PlistValue* b, const std::string& path, std::vector<std::string>& out) {
  if (b == nullptr) {
    out.push_back(path + ": " + Describe(a) + ", not imported");
  } else if (a.asDictionary() && b->asDictionary()) {
    for (const std::string& d : Differences(*a.asDictionary(), *b->asDictionary(), path + "/")) out.push_back(d);
  } else if (a.asArray() && b->asArray() && a.asArray()->size() == b->asArray()->size()) {
    for (std::size_t i = 0; i < a.asArray()->size(); ++i)
      Compare((*a.asArray())[i], &(*b->asArray())[i], path + "/[" + std::to_string(i) + "]", out);
  } else if (a != *b) {
    out.push_back(path + ": " + Describe(a) + ", imported " + Describe(*b));
  }
}

}  // namespace

std::vector<std::string> Differences(const PlistDict& original, const PlistDict& imported, const std::string& prefix) {
  std::vector<std::string> out;
  for (const auto& [key, value] : original) Compare(value, platform::PlistDictFind(imported, key), prefix + key, out);
  return out;
}

const PlistValue* At(const PlistDict& dict, const std::string& key, const char* member) {
  const PlistValue* value = platform::PlistDictFind(dict, key);
  if (member == nullptr || value == nullptr || value->asDictionary() == nullptr) return value;
  return platform::PlistDictFind(*value->asDictionary(), member);
}

std::string ImportErrors(const std::string& bytes, PlistDict* dictionary, int* status) {
  testing::internal::CaptureStderr();
  const platform::OSStatus result = JTKTImportDocument(bytes, "hostile.xml", dictionary);
  if (status != nullptr) *status = result;
  return testing::internal::GetCapturedStderr();
}

}  // namespace jtkt_test
