// The golden jobs: each one's document is its golden file, byte for byte, and, imported into a
// fresh ticket and written again, is the golden file still; the ticket's own highlight keys (which
// the export command does not copy, being no "com.korvo" items) included.
#include <gtest/gtest.h>

#include "golden_jobs.h"
#include "jobticket/writer/jtkt_export.h"
#include "jtkt_test_support.h"
#include "reader_test_support.h"

namespace {

using platform::PlistDict;

struct GoldenJob {
  const char* file;
  PlistDict ticket;
};

std::vector<GoldenJob> GoldenJobs() {
  return {{"plain_job.xml", JTKTCopyKorvoItems(jtkt_test::GoldenPlainJob())},
          {"special_pages_job.xml", jtkt_test::GoldenSpecialPagesJob()},
          {"booklet.xml", jtkt_test::GoldenBookletJob()},
          {"color_job.xml", jtkt_test::GoldenColorJob()}};
}

class ReaderRoundTrip : public jtkt_test::ReaderTest {};

TEST_F(ReaderRoundTrip, EachGoldenJobComesBackByteForByte) {
  for (const GoldenJob& job : GoldenJobs()) {
    const std::string golden = jtkt_test::Golden(job.file);
    jtkt_test::ExpectGolden(jtkt_test::Document(job.ticket), job.file);
    PlistDict imported;
    EXPECT_EQ(jtkt_test::ImportErrors(golden, &imported), "") << job.file;
    // The import merged into a fresh ticket of the whole-document options, written again.
    PlistDict fresh = jtkt_test::WholeDocumentTicket();
    for (const auto& [key, value] : imported) fresh.insert_or_assign(key, value);
    EXPECT_EQ(jtkt_test::Document(fresh), golden) << job.file;
  }
}

// An emitter golden holds what no one ticket makes (every value of a command, several media in a
// row); the ticket the reader makes of it round-trips: its export, read again, is the same export.
TEST_F(ReaderRoundTrip, TheTicketOfEachEmitterGoldenComesBackByteForByte) {
  for (const char* file : {"color_fields.xml", "color_tables.xml", "command_writers.xml", "commands.xml", "finishing.xml",
                           "frame_operation_attributes.xml", "job_attributes.xml", "job_papers.xml",
                           "media_properties.xml", "media_types.xml", "special_pages_parts.xml"}) {
    PlistDict imported;
    jtkt_test::ImportErrors(jtkt_test::Golden(file), &imported);
    const std::string first = jtkt_test::ReExported(imported);
    PlistDict again;
    EXPECT_EQ(jtkt_test::ImportErrors(first, &again), "") << file;
    EXPECT_EQ(jtkt_test::ReExported(again), first) << file;
  }
}

}  // namespace
