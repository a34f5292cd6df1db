// Round trips through the writer: each golden job's document, imported into a fresh ticket and
// exported again. The special-pages job comes back byte for byte; the others lose exactly the
// elements that no importable feature reads (their second exports are kept under round_trip/),
// and every setting of each job comes back except those listed below with the reason.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "golden_jobs.h"
#include "jobticket/writer/jtkt_export.h"
#include "jtkt_test_support.h"
#include "reader_test_support.h"

namespace {

using platform::PlistDict;

struct GoldenJob {
  const char* file;
  PlistDict ticket;
  bool identical;  // the second export is the golden file itself
};

std::vector<GoldenJob> GoldenJobs() {
  return {{"plain_job.xml", JTKTCopyKorvoItems(jtkt_test::GoldenPlainJob()), false},
          {"special_pages_job.xml", jtkt_test::GoldenSpecialPagesJob(), true},
          {"booklet.xml", jtkt_test::GoldenBookletJob(), false},
          {"color_job.xml", jtkt_test::GoldenColorJob(), false}};
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  return lines;
}

class ReaderRoundTrip : public jtkt_test::ReaderTest {};

TEST_F(ReaderRoundTrip, EachGoldenJobExportsAgainWithoutInventingAnything) {
  for (const GoldenJob& job : GoldenJobs()) {
    const std::string golden = jtkt_test::Golden(job.file);
    ASSERT_EQ(jtkt_test::Document(job.ticket), golden) << job.file;
    const std::string again = jtkt_test::ReExported(jtkt_test::Imported(golden, job.file));
    EXPECT_EQ(again, job.identical ? golden : jtkt_test::Golden(std::string("round_trip/") + job.file)) << job.file;
    // Every line of the second export is a line of the first.
    const std::vector<std::string> first = LinesOf(golden), second = LinesOf(again);
    EXPECT_TRUE(std::includes(first.begin(), first.end(), second.begin(), second.end())) << job.file;
    // And a third pass changes nothing more.
    EXPECT_EQ(jtkt_test::ReExported(jtkt_test::Imported(again, job.file)), again) << job.file;
  }
}

TEST_F(ReaderRoundTrip, EverySettingComesBackButTheListedOnes) {
  std::vector<std::string> differences;
  for (const GoldenJob& job : GoldenJobs()) {
    const PlistDict imported = jtkt_test::Imported(jtkt_test::Golden(job.file), job.file);
    for (const std::string& d : jtkt_test::Differences(job.ticket, imported)) differences.push_back(job.file + (": " + d));
  }
  const std::vector<std::string> expected = {
      // Not job settings the reader has a feature for: accounting, the page range to print, the
      // shell's own export options.
      "plain_job.xml: com.korvo.Act.jtkt.AID: \"MKT-2024\", not imported",
      "plain_job.xml: com.korvo.Act.jtkt.On: 3, not imported",
      "plain_job.xml: com.korvo.Act.jtkt.UID: \"ana.lima\", not imported",
      "plain_job.xml: com.korvo.print.JTKTOptions: {\"JTKTOptionAll\" = true}, not imported",
      "plain_job.xml: com.korvo.print.PagesToPrintFrom: 2, not imported",
      "plain_job.xml: com.korvo.print.PagesToPrintSelected: 1, not imported",
      "plain_job.xml: com.korvo.print.PagesToPrintTo: 10, not imported",
      // Image shifts come back in hundredths of a millimetre, marked full precision: the same shift.
      "special_pages_job.xml: com.korvo.print.ImageShiftOptionsJob/Inches: 1, not imported",
      "special_pages_job.xml: com.korvo.print.JTKTOptions: {\"JTKTOptionAll\" = true}, not imported",
      // The writer sends no size for stock size 6, so there is no stock to read.
      "special_pages_job.xml: com.korvo.print.SpecialPages.ExceptionList/[0]/Stock: {\"Size\" = 6}, not imported",
      "special_pages_job.xml: com.korvo.print.SpecialPages.ExceptionList/[0]/com.korvo.print.ImageShiftOptionsPage/"
      "Inches: 0, not imported",
      "special_pages_job.xml: com.korvo.print.SpecialPages.ExceptionList/[0]/com.korvo.print.ImageShiftOptionsPage/"
      "X1: 50, imported 500",
      "special_pages_job.xml: com.korvo.print.SpecialPages.ExceptionList/[0]/com.korvo.print.ImageShiftOptionsPage/"
      "X2: 5, imported 50",
      "special_pages_job.xml: com.korvo.print.SpecialPages.ExceptionList/[0]/com.korvo.print.ImageShiftOptionsPage/"
      "Y1: -20, imported -200",
      // Booklet making (square fold, trim, layout) has no importable feature.
      "booklet.xml: com.korvo.print.BookletForceNewSize: true, not imported",
      "booklet.xml: com.korvo.print.BookletLayout: true, not imported",
      "booklet.xml: com.korvo.print.FinishingSquareFoldValue: 64, not imported",
      "booklet.xml: com.korvo.print.FinishingTrimLengthValue: 120, not imported",
      "booklet.xml: com.korvo.print.JTKTOptions: {\"JTKTOptionAll\" = true}, not imported",
      // A booklet's cover is written on the job's paper size.
      "booklet.xml: com.korvo.print.SpecialPages.FrontCover/Stock/Size: 4, imported 204",
      // The colour job holds two highlight groups (the ticket's own keys and the dictionary); the
      // first element of each name is read. Custom and printer-custom highlight colours and the
      // "134-lpi-normal" screen have no keyword of their feature.
      "color_job.xml: HighlightColorMappingH: 120, not imported",
      "color_job.xml: HighlightColorMappingRGB: 0, not imported",
      "color_job.xml: HighlightColorMappingS: 50, not imported",
      "color_job.xml: HighlightColorMappingV: 75, not imported",
      "color_job.xml: HighlightKorvoPrintingColor: 7, not imported",
      "color_job.xml: HighlightMappingAlgorithm: 4, not imported",
      "color_job.xml: HighlightMappingColor: 13, not imported",
      "color_job.xml: HighlightMismatchAction: 3, not imported",
      "color_job.xml: HiglightPrintingColor: 15, not imported",
      "color_job.xml: com.korvo.print.HalftoneScreen: 45, imported -2147483648",
      "color_job.xml: com.korvo.print.HighlightColorOptionsJob/HighlightKorvoMappingColor: 3, not imported",
      "color_job.xml: com.korvo.print.HighlightColorOptionsJob/HighlightMappingAlgorithm: 1, imported 4",
      "color_job.xml: com.korvo.print.HighlightColorOptionsJob/HighlightMappingColor: 15, imported 13",
      "color_job.xml: com.korvo.print.HighlightColorOptionsJob/HighlightMismatchAction: 1, imported 3",
      "color_job.xml: com.korvo.print.JTKTOptions: {\"JTKTOptionAll\" = true}, not imported",
  };
  EXPECT_EQ(differences, expected);
}

}  // namespace
