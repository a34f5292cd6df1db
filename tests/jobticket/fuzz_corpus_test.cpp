// The job-ticket fuzzers' seed corpora (and every input they ever found failing, kept there)
// replayed as ordinary tests: each ticket's document is accepted by xmllint and comes back byte
// for byte, and each file is imported or refused whole.
#include <gtest/gtest.h>

#include "jobticket/reader/jtkt_import_log.h"
#include "jobticket/reader/jtkt_reader.h"
#include "jobticket/writer/jtkt_export.h"
#include "jtkt_test_support.h"
#include "platform/plist/xml_plist.h"
#include "shell/client_information.h"
#include "support/test_support.h"
#include "ticket_byte_choice.h"
#include "ticket_generator.h"

namespace {

class JTktFuzzCorpus : public jtkt_test::ReaderTest {};

TEST(JTktExportFuzzCorpus, EverySeedGivesAWellFormedDocument) {
  const int seeds = korvo_test::ReplayFuzzCorpus("jobticket_export", [](const std::string& bytes) {
    auto value = platform::ReadXMLPlist(bytes);
    ASSERT_TRUE(value && value->asDictionary()) << (value ? "not a dictionary" : value.error());
    platform::Ticket ticket;
    for (const auto& [key, item] : *value->asDictionary()) ticket.set(key, item, "K");
    const std::string document = jtkt_test::Document(JTKTCopyKorvoItems(ticket));
    ASSERT_FALSE(document.empty());
    EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
  });
  EXPECT_GE(seeds, 5);
}

TEST_F(JTktFuzzCorpus, EveryImportSeedIsImportedOrRefusedWhole) {
  const platform::PlistDict earlier{{"com.korvo.print.FinishingDuplex", 2}};
  JTKTSetImportErrorStream(nullptr);
  const int seeds = korvo_test::ReplayFuzzCorpus("jobticket_import", [&](const std::string& bytes) {
    platform::PlistDict dictionary = earlier;
    const platform::OSStatus status = JTKTImportDocument(bytes, "seed.xml", &dictionary);
    EXPECT_TRUE(status == platform::noErr || (status == kJTKTUnreadableFile && dictionary == earlier));
  });
  JTKTSetImportErrorStream(stderr);
  EXPECT_GE(seeds, 8);
}

TEST_F(JTktFuzzCorpus, EveryRoundTripSeedComesBackByteForByte) {
  const int seeds = korvo_test::ReplayFuzzCorpus("jobticket_round_trip", [](const std::string& bytes) {
    const platform::PlistDict ticket = jtkt_test::GenerateTicket(
        jtkt_test::ByteChoice(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    const std::string first = jtkt_test::Document(ticket);
    EXPECT_EQ(jtkt_test::ReExported(jtkt_test::Imported(first, "seed.xml")), first);
  });
  EXPECT_GE(seeds, 8);
}

}  // namespace
