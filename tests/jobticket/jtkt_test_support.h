#pragma once
// What the job-ticket tests share: a context that records every fragment, the document frame
// around a family's elements, golden files, xmllint as the outside judge; for the reader, the
// shipped device profile loaded for a test and import of a document's bytes.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "jobticket/writer/jtkt_context.h"
#include "platform/plist/plist_value.h"

namespace jtkt_test {

// A writer context whose callback keeps each fragment (as the length says, not up to a NUL).
class RecordingContext {
 public:
  RecordingContext();
  const JTktWriteContext* get() const { return &context_; }
  const std::vector<std::string>& fragments() const { return fragments_; }
  std::string text() const;
  void clear() { fragments_.clear(); }

 private:
  static int Record(void* refCon, const char* text, std::size_t length);
  JTktWriteContext context_;
  std::vector<std::string> fragments_;
};

// An in-memory stream (open_memstream) closed and freed with the object.
class MemoryStream {
 public:
  MemoryStream();
  ~MemoryStream();
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;
  std::FILE* get() const { return stream_; }
  // Everything written so far.
  std::string bytes();

 private:
  char* buffer_ = nullptr;
  std::size_t size_ = 0;
  std::FILE* stream_ = nullptr;
};

// What the ticket writers write through a writer over a memory stream.
std::string WrittenThrough(const std::function<void(const JTktWriter&)>& write);

// What the ticket writers log to that writer's diagnostics stream.
std::string DiagnosticsOf(const std::function<void(const JTktWriter&)>& write);

// The document frame (version-5 header, job-template start, body, job-template end, trailer).
std::string Framed(const std::string& body);

// tests/data/jobticket/<name>.
std::string Golden(const std::string& name);

// What an emitter writes into a fresh recording context.
std::string Recorded(const std::function<void(const JTktWriteContext*)>& write);

// Expects the document to be tests/data/jobticket/<name> byte for byte and xmllint to accept it.
// With KORVO_UPDATE_GOLDEN set the file is written instead, and the test fails so that a run
// that rewrites golden files can never pass.
void ExpectGolden(const std::string& document, const std::string& name);

// xmllint --noout --nonet on the bytes: empty when it accepts them, its complaint otherwise.
std::string XmllintComplaint(const std::string& bytes);

// The export document for a dictionary (WriteJTKT into memory), with cover mode 0.
std::string Document(const platform::PlistDict& ticket);

// A dictionary holding the options dictionary with "JTKTOptionAll".
platform::PlistDict WholeDocumentTicket();

// The number of lines of a text.
long Lines(const std::string& text);

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

// The value under key, or under member of the dictionary under key; null when absent.
const platform::PlistValue* At(const platform::PlistDict& dict, const std::string& key, const char* member = nullptr);

// What the import of bytes writes on standard error.
std::string ImportErrors(const std::string& bytes, platform::PlistDict* dictionary, int* status = nullptr);

}  // namespace jtkt_test
