// A few hundred tickets made from the panels' value domains with a fixed seed: each one's export,
// imported into a fresh ticket and exported again, is the same bytes; the import says nothing is
// wrong; and xmllint accepts every export.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <random>

#include "jobticket/reader/jtkt_reader.h"
#include "jtkt_test_support.h"
#include "platform/plist/plist_description.h"
#include "reader_test_support.h"
#include "support/test_support.h"
#include "ticket_generator.h"

namespace {

constexpr int kTickets = 600;

class RoundTripCorpus : public jtkt_test::ReaderTest {};

TEST_F(RoundTripCorpus, EveryGeneratedTicketComesBackByteForByte) {
  std::mt19937 random(20261207);
  const jtkt_test::TicketChoice choose = [&](std::uint32_t bound) {
    return std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(random);
  };
  const auto start = std::chrono::steady_clock::now();
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
  for (int i = 0; i < kTickets; ++i) {
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
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  std::string output;
  EXPECT_EQ(korvo_test::RunCommand("xmllint --noout --nonet" + files, &output, true), 0) << output;
  EXPECT_EQ(output, "");
}

}  // namespace
