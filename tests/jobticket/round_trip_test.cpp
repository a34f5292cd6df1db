// Round trips: a document, imported into a fresh ticket and written again, is the same bytes, and
// the import says nothing is wrong. The golden jobs (their documents are their golden files), the
// tickets of the emitter goldens, values the writer once dropped or changed, and a few hundred
// tickets made from the panels' value domains with a fixed seed, all accepted by xmllint; and the
// round-trip fuzzer's seeds.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "golden_jobs.h"
#include "jobticket/writer/jtkt_export.h"
#include "jtkt_test_support.h"
#include "model/job_level_stock.h"
#include "model/paper_output_keys.h"
#include "model/special_pages_ticket.h"
#include "platform/plist/plist_description.h"
#include "support/test_support.h"
#include "ticket_byte_choice.h"
#include "ticket_generator.h"
#include "vocabulary/printer_default.h"

namespace {

using platform::PlistArray;
using platform::PlistDict;

class RoundTrip : public jtkt_test::ReaderTest {};

// The ticket's own highlight keys (which the export command does not copy, being no "com.korvo"
// items) included.
TEST_F(RoundTrip, EachGoldenJobComesBackByteForByte) {
  const std::pair<const char*, PlistDict> jobs[] = {{"plain_job.xml", JTKTCopyKorvoItems(jtkt_test::GoldenPlainJob())},
                                                    {"special_pages_job.xml", jtkt_test::GoldenSpecialPagesJob()},
                                                    {"booklet.xml", jtkt_test::GoldenBookletJob()},
                                                    {"color_job.xml", jtkt_test::GoldenColorJob()}};
  for (const auto& [file, ticket] : jobs) {
    const std::string golden = jtkt_test::Golden(file);
    jtkt_test::ExpectGolden(jtkt_test::Document(ticket), file);
    PlistDict imported;
    EXPECT_EQ(jtkt_test::ImportErrors(golden, &imported), "") << file;
    PlistDict fresh = jtkt_test::WholeDocumentTicket();
    for (const auto& [key, value] : imported) fresh.insert_or_assign(key, value);
    EXPECT_EQ(jtkt_test::Document(fresh), golden) << file;
  }
}

// An emitter golden holds what no one ticket makes (every value of a command, several media in a
// row); the ticket the reader makes of it round-trips: its export, read again, is the same export.
TEST_F(RoundTrip, TheTicketOfEachEmitterGoldenComesBackByteForByte) {
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

// Values the writer once dropped or changed, each written as the ticket says: the lines present
// and absent in the document.
TEST_F(RoundTrip, ValuesTheWriterOnceDroppedAreWrittenAndComeBack) {
  struct Case {
    std::string name;
    PlistDict ticket;
    std::vector<std::string> present = {}, absent = {};
  };
  const PlistDict range{{"StartPage", 2}, {"EndPage", 3}, {"HalftoneScreen", 27}, {"LightenDarken", 5}};
  PlistDict darker = range;
  darker["LightenDarken"] = 7;
  const PlistDict notNamed{{"CustomNameOnly", false}, {"CustomName", "Bond 90"}, {"Type", 1}, {"Color", 1}};
  PlistDict named = notNamed;
  named["CustomNameOnly"] = true;
  std::vector<Case> cases{
      {"a saved job in the printer's format names no format",
       {{kJobTypeKey, PlistDict{{"JobType", 3}, {"MediaType", kPrinterDefault}, {"SavedJobName", "Q3"}}}},
       {"<save-name syntax=\"name\" xml:space=\"preserve\">Q3</save-name>"},
       {"save-document-format"}},
      {"without the key the format is single-page TIFF", {{kJobTypeKey, PlistDict{{"JobType", 3}}}},
       {"application/X-single-page-tiff"}},
      {"an exception page keeps every screen and darkness the maps know", {{kExceptionListKey, PlistArray{range}}},
       {"\t\t<halftone-images syntax=\"keyword\">107-lpi-dark</halftone-images>\n",
        "<adjust-bw-darkness-value syntax=\"integer\">5</adjust-bw-darkness-value>"}},
      // One the reader would refuse: none is written.
      {"a darkness beyond the menu's steps", {{kExceptionListKey, PlistArray{darker}}}, {}, {"adjust-bw-darkness-value"}},
      {"a type with no sets ignores a leftover modulus", {{kJobLevelStockKey, PlistDict{{"Type", 1}, {"Modulus", 5}}}},
       {},
       {"media-order-count"}},
      {"a cover of sides 7 is no cover", {{kFrontCoverKey, PlistDict{{"SidesImaged", 7}}}},
       {"\t\t\t<cover-type syntax=\"keyword\">no-cover</cover-type>\n"}},
      {"a cover of sides 0 is no cover", {{kFrontCoverKey, PlistDict{{"SidesImaged", 0}}}},
       {"\t\t\t<cover-type syntax=\"keyword\">no-cover</cover-type>\n"}},
      {"a back cover without sides", {{kBackCoverKey, PlistDict{}}}, {"<cover-type syntax=\"keyword\">print-none</cover-type>"}},
      // Size 999 is no row: the stock's own width and length are its size.
      {"a stock's own dimensions", {{kJobLevelStockKey, PlistDict{{"Size", 999}, {"Width", 20000}, {"Length", 25000}}}},
       {"<x-dimension syntax=\"integer\">20000</x-dimension>", "<y-dimension syntax=\"integer\">25000</y-dimension>"}},
      {"a stock not known by name only describes no paper", {{kJobLevelStockKey, notNamed}},
       {"\t\t<media-col syntax=\"collection\">\n\t\t</media-col>\n"}},
      {"a stock known by name only", {{kJobLevelStockKey, named}},
       {"\t\t\t<media-key syntax=\"name\" xml:space=\"preserve\">Bond 90</media-key>\n"},
       {"stationery"}},
  };
  // Tab stock and pre-cut tabs (24, 33, 4), a named type (15) and an ordered stock (6).
  for (int type : {4, 24, 33, 15, 6})
    cases.push_back({"stock type " + std::to_string(type) + " sends its order count",
                     {{kJobLevelStockKey, PlistDict{{"Type", type}, {"Modulus", 5}, {"CustomType", "Set"}}}},
                     {"<media-order-count syntax=\"integer\">5</media-order-count>"}});
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const auto& [key, value] : jtkt_test::WholeDocumentTicket()) c.ticket.insert_or_assign(key, value);
    const std::string document = jtkt_test::Document(c.ticket);
    for (const std::string& line : c.present) EXPECT_NE(document.find(line), std::string::npos) << line << "\n" << document;
    for (const std::string& line : c.absent) EXPECT_EQ(document.find(line), std::string::npos) << line << "\n" << document;
    PlistDict imported;
    EXPECT_EQ(jtkt_test::ImportErrors(document, &imported), "");
    EXPECT_EQ(jtkt_test::ReExported(imported), document);
    EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
  }
}

TEST_F(RoundTrip, EveryGeneratedTicketComesBackByteForByte) {
  std::mt19937 random(20261207);
  const jtkt_test::TicketChoice choose = [&](std::uint32_t bound) {
    return std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(random);
  };
  korvo_test::TempDir dir;
  std::string files;
  int failures = 0;
  // What the corpus must reach, so that it keeps testing every section the writer has.
  std::map<std::string, bool> reached;
  for (const char* element :
       {"<media-key ", ">post-fuser-inserter<", "<cover-back-pad ", ">pads-single-no-cover<", "<booklet-making ",
        "<finishing-template ", ">254<", "<highlight-colorant-color-custom-col ", "<color-srgb-col ",
        "<color-hsv-col ", ">korvo-custom-color-", "<page-ranges ", "<job-accounting-user-id ",
        "<insert-after-page-number syntax=\"integer\">0<", ">no-cover<", ">letter-head<", "<form-save ",
        "<forms-col ", "<save-document-format ", "<media-order-count ", "<page-overrides ", ">107-lpi-dark<",
        ">150-lpi<", ">tray-2<", ">Smpte-240m<", "<media-color syntax=\"name\"", "<job-hold-until ",
        ">none</save-disposition>", "<trc ", "<x-side2-image-shift "})
    reached[element] = false;
  for (int i = 0; i < 600; ++i) {
    const platform::PlistDict ticket = jtkt_test::GenerateTicket(choose);
    const std::string first = jtkt_test::Document(ticket);
    platform::PlistDict imported;
    const std::string errors = jtkt_test::ImportErrors(first, &imported);
    const std::string second = jtkt_test::ReExported(imported);
    if ((first != second || !errors.empty()) && ++failures <= 5) {
      ADD_FAILURE() << "ticket " << i << ": " << platform::PlistDescription(platform::PlistValue(ticket)) << "\n"
                    << errors << "first:\n" << first << "\nsecond:\n" << second;
    }
    for (auto& [element, seen] : reached) seen = seen || first.find(element) != std::string::npos;
    const std::string file = dir.file("t" + std::to_string(i) + ".xml");
    korvo_test::WriteFile(file, first);
    files += " " + file;
  }
  EXPECT_EQ(failures, 0);
  for (const auto& [element, seen] : reached) EXPECT_TRUE(seen) << element;
  std::string output;
  EXPECT_EQ(korvo_test::RunCommand("xmllint --noout --nonet" + files, &output, true), 0) << output;
  EXPECT_EQ(output, "");
}

// The round-trip fuzzer's seeds (and every input it ever found failing) as generated tickets.
TEST_F(RoundTrip, EveryRoundTripSeedComesBackByteForByte) {
  const int seeds = korvo_test::ReplayFuzzCorpus("jobticket_round_trip", [](const std::string& bytes) {
    const platform::PlistDict ticket = jtkt_test::GenerateTicket(
        jtkt_test::ByteChoice(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    const std::string first = jtkt_test::Document(ticket);
    EXPECT_EQ(jtkt_test::ReExported(jtkt_test::Imported(first, "seed.xml")), first);
  });
  EXPECT_GE(seeds, 8);
}

}  // namespace
