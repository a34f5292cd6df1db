// The export fuzzer's seed corpus (and every input it ever found failing, kept there) replayed
// as an ordinary test: each ticket's document is accepted by xmllint.
#include <gtest/gtest.h>

#include <filesystem>

#include "jobticket/writer/jtkt_export.h"
#include "jtkt_test_support.h"
#include "platform/plist/xml_plist.h"
#include "shell/client_information.h"

namespace {

TEST(JTktFuzzCorpus, EverySeedExportsAWellFormedDocument) {
  const std::filesystem::path corpus = std::filesystem::path(KORVO_SOURCE_DIR) / "fuzz/corpus/jobticket_export";
  int seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
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

}  // namespace
