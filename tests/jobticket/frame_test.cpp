// The frame emitters: prolog per document-type version, operation attributes, the group tags
// and the trailer; one write per fragment, with its length.
#include <gtest/gtest.h>

#include "jobticket/writer/jtkt_frame.h"
#include "jtkt_test_support.h"
#include "platform/status.h"

namespace {

using jtkt_test::RecordingContext;

constexpr const char* kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
constexpr const char* kRoot = "<jtkt version=\"1.0\" xml:lang=\"en-US\" cpss-version=\"2.01\">\n";

TEST(JTktFrame, HeaderNamesTheDocumentTypeOfEachVersionInOneFragment) {
  for (int version = 0; version <= 5; ++version) {
    RecordingContext out;
    EXPECT_EQ(WriteJTktHeader(out.get(), version), 0);
    ASSERT_EQ(out.fragments().size(), 1u);
    EXPECT_EQ(out.text(), std::string(kDeclaration) + "<!DOCTYPE jtkt SYSTEM \"jtkt-v0202" + std::to_string(version) +
                              ".dtd\">\n" + kRoot);
  }
  for (int version : {-1, 6, 1000}) {
    RecordingContext out;
    WriteJTktHeader(out.get(), version);
    EXPECT_EQ(out.text(), std::string(kDeclaration) + kRoot) << version;
  }
}

TEST(JTktFrame, OperationAttributesMatchTheGoldenFile) {
  RecordingContext out;
  WriteJTktHeader(out.get(), kJTktCurrentDTDVersion);
  WriteJTktOpAttrib(out.get(), false, "Quarterly report & <draft> \"v2\" 'final'", "Zo\xC3\xAB \xC3\x85ngstr\xC3\xB6m");
  WriteJTktJobAttribStart(out.get());
  WriteJTktJobAttribEnd(out.get());
  WriteJTktTrailer(out.get());
  EXPECT_EQ(out.fragments().size(), 5u);  // one per emitter: the whole group is one fragment
  EXPECT_EQ(out.text(), jtkt_test::Golden("frame_operation_attributes.xml"));
}

// Recipient-only writes the user name as recipient; a long one whole, in one fragment; a missing
// name writes no group; no context, no write.
TEST(JTktFrame, RecipientMissingNamesAndMissingContext) {
  RecordingContext out;
  WriteJTktOpAttrib(out.get(), true, "ignored", "Ops <night>");
  EXPECT_EQ(out.fragments(), std::vector<std::string>{"\t\t<job-recipient-name syntax=\"name\" xml:space=\"preserve\">"
                                                      "Ops &lt;night&gt;</job-recipient-name>\n"});
  const std::string name(100 * 1024, 'n');
  out.clear();
  WriteJTktOpAttrib(out.get(), true, nullptr, name.c_str());
  ASSERT_EQ(out.fragments().size(), 1u);
  EXPECT_NE(out.fragments()[0].find(name + "</job-recipient-name>\n"), std::string::npos);
  out.clear();
  EXPECT_EQ(WriteJTktOpAttrib(out.get(), false, "job", nullptr), 0);
  EXPECT_EQ(WriteJTktOpAttrib(out.get(), false, nullptr, "user"), 0);
  EXPECT_EQ(WriteJTktOpAttrib(out.get(), true, "job", nullptr), 0);
  EXPECT_TRUE(out.fragments().empty());
  JTktWriteContext noCallback{nullptr, nullptr};
  EXPECT_EQ(WriteJTktHeader(nullptr, 5), platform::paramErr);
  EXPECT_EQ(WriteJTktTrailer(&noCallback), platform::paramErr);
  EXPECT_EQ(WriteJTktOpAttrib(nullptr, false, "a", "b"), platform::paramErr);
}

TEST(JTktFrame, DefaultOutputWritesEveryByteOfTheFragment) {
  jtkt_test::MemoryStream memory;
  ASSERT_NE(memory.get(), nullptr);
  EXPECT_EQ(DevWriteJtkt(memory.get(), "ab\0cd", 5), 0);  // the length counts, not the NUL
  EXPECT_EQ(DevWriteJtkt(memory.get(), "ignored", 0), 0);
  EXPECT_EQ(DevWriteJtkt(nullptr, "x", 1), EOF);
  EXPECT_EQ(memory.bytes(), std::string("ab\0cd", 5));
}

}  // namespace
