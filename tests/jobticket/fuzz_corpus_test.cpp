// The export and import fuzzers' seed corpora (and every input they ever found failing, kept
// there) replayed as ordinary tests: each ticket's document is accepted by xmllint, and each file
// is imported or refused whole.
#include <gtest/gtest.h>

#include <filesystem>

#include "jobticket/reader/jtkt_import_log.h"
#include "jobticket/reader/jtkt_reader.h"
#include "jobticket/writer/jtkt_export.h"
#include "jtkt_test_support.h"
#include "platform/plist/xml_plist.h"
#include "reader_test_support.h"
#include "shell/client_information.h"
#include "support/test_support.h"

namespace {

const std::filesystem::path kCorpora = std::filesystem::path(KORVO_SOURCE_DIR) / "fuzz/corpus";

TEST(JTktFuzzCorpus, EverySeedExportsAWellFormedDocument) {
  int seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kCorpora / "jobticket_export")) {
    SCOPED_TRACE(entry.path().string());
    auto value = platform::ReadXMLPlistFile(entry.path().string());
    ASSERT_TRUE(value && value->asDictionary()) << (value ? "not a dictionary" : value.error());
    platform::Ticket ticket;
    for (const auto& [key, item] : *value->asDictionary()) ticket.set(key, item, "K");
    const std::string document = jtkt_test::Document(JTKTCopyKorvoItems(ticket));
    ASSERT_FALSE(document.empty());
    EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
    ++seeds;
  }
  EXPECT_GE(seeds, 5);
}

class ReaderFuzzCorpus : public jtkt_test::ReaderTest {};

TEST_F(ReaderFuzzCorpus, EverySeedIsImportedOrRefusedWhole) {
  const platform::PlistDict earlier{{"com.korvo.print.FinishingDuplex", 2}};
  int seeds = 0;
  JTKTSetImportErrorStream(nullptr);
  for (const auto& entry : std::filesystem::directory_iterator(kCorpora / "jobticket_import")) {
    platform::PlistDict dictionary = earlier;
    const platform::OSStatus status =
        JTKTImportDocument(korvo_test::ReadFile(entry.path().string()), entry.path().filename(), &dictionary);
    EXPECT_TRUE(status == platform::noErr || (status == kJTKTUnreadableFile && dictionary == earlier))
        << entry.path();
    ++seeds;
  }
  JTKTSetImportErrorStream(stderr);
  EXPECT_GE(seeds, 8);
}

}  // namespace
