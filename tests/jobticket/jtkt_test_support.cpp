#include "jtkt_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "jobticket/reader/jtkt_reader.h"
#include "jobticket/writer/jtkt_export.h"
#include "jobticket/writer/jtkt_frame.h"
#include "model/client_information_keys.h"
#include "platform/ticket/ticket.h"
#include "shell/client_information.h"
#include "support/test_support.h"
#include "vocabulary/device_profile.h"

namespace jtkt_test {

RecordingContext::RecordingContext() : context_{this, Record} {}

int RecordingContext::Record(void* refCon, const char* text, std::size_t length) {
  static_cast<RecordingContext*>(refCon)->fragments_.emplace_back(text, length);
  return 0;
}

std::string RecordingContext::text() const {
  std::string all;
  for (const std::string& fragment : fragments_) all += fragment;
  return all;
}

MemoryStream::MemoryStream() : stream_(open_memstream(&buffer_, &size_)) {}

MemoryStream::~MemoryStream() {
  if (stream_ != nullptr) std::fclose(stream_);
  std::free(buffer_);
}

std::string MemoryStream::bytes() {
  if (stream_ == nullptr) return {};
  std::fflush(stream_);
  return std::string(buffer_, size_);
}

std::string WrittenThrough(const std::function<void(const JTktWriter&)>& write) {
  MemoryStream memory;
  write(JTktStreamWriter(memory.get()));
  return memory.bytes();
}

std::string DiagnosticsOf(const std::function<void(const JTktWriter&)>& write) {
  MemoryStream output, memory;
  write(JTktStreamWriter(output.get(), memory.get()));
  return memory.bytes();
}

std::string Framed(const std::string& body) {
  RecordingContext frame;
  WriteJTktHeader(frame.get(), kJTktCurrentDTDVersion);
  WriteJTktJobAttribStart(frame.get());
  std::string head = frame.text();
  frame.clear();
  WriteJTktJobAttribEnd(frame.get());
  WriteJTktTrailer(frame.get());
  return head + body + frame.text();
}

std::string Recorded(const std::function<void(const JTktWriteContext*)>& write) {
  RecordingContext out;
  write(out.get());
  return out.text();
}

void ExpectGolden(const std::string& document, const std::string& name) {
  if (std::getenv("KORVO_UPDATE_GOLDEN") != nullptr) {
    korvo_test::WriteFile(korvo_test::DataPath("jobticket/" + name), document);
    ADD_FAILURE() << "wrote " << name;
  }
  EXPECT_EQ(document, Golden(name)) << name;
  EXPECT_EQ(XmllintComplaint(document), "") << name;
}

std::string Golden(const std::string& name) { return korvo_test::ReadFile(korvo_test::DataPath("jobticket/" + name)); }

std::string XmllintComplaint(const std::string& bytes) {
  korvo_test::TempDir dir;
  const std::string file = dir.file("document.xml");
  korvo_test::WriteFile(file, bytes);
  std::string output;
  const int status = korvo_test::RunCommand("xmllint --noout --nonet " + file, &output, true);
  if (status == 0 && output.empty()) return {};
  return "xmllint status " + std::to_string(status) + ": " + output;
}

std::string Document(const platform::PlistDict& ticket) { return JTKTWriteDocument(ticket, 0).value_or("<no memory stream>"); }

platform::PlistDict WholeDocumentTicket() {
  return platform::PlistDict{{kJTKTOptionsKey, platform::PlistDict{{kJTKTOptionAllKey, true}}}};
}

long Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

void ReaderTest::SetUp() {
  ASSERT_TRUE(KFSInitializeFromFile(std::string(KORVO_SOURCE_DIR) + "/resources/Device Profile.plist"));
}

void ReaderTest::TearDown() { KFSFinalize(); }

platform::PlistDict Imported(const std::string& bytes, const std::string& name) {
  platform::PlistDict dictionary;
  EXPECT_EQ(JTKTImportDocument(bytes, name, &dictionary), platform::noErr) << name;
  return dictionary;
}

std::string ReExported(const platform::PlistDict& dictionary) {
  platform::Ticket ticket;
  for (const auto& [key, value] : WholeDocumentTicket()) ticket.set(key, value, "K");
  JTKTMergeIntoTicket(ticket, dictionary);
  return Document(JTKTCopyKorvoItems(ticket));
}

const platform::PlistValue* At(const platform::PlistDict& dict, const std::string& key, const char* member) {
  const platform::PlistValue* value = platform::PlistDictFind(dict, key);
  if (member == nullptr || value == nullptr || value->asDictionary() == nullptr) return value;
  return platform::PlistDictFind(*value->asDictionary(), member);
}

std::string ImportErrors(const std::string& bytes, platform::PlistDict* dictionary, int* status) {
  testing::internal::CaptureStderr();
  const platform::OSStatus result = JTKTImportDocument(bytes, "hostile.xml", dictionary);
  if (status != nullptr) *status = result;
  return testing::internal::GetCapturedStderr();
}

}  // namespace jtkt_test
