// Special pages: covers, inserts, exception ranges and pads, and the job-level image shift.
#include <gtest/gtest.h>

#include "jobticket/writer/jtkt_export.h"
#include "jobticket/writer/jtkt_image_shift.h"
#include "jobticket/writer/jtkt_special_pages.h"
#include "jobticket/writer/jtkt_ticket_keys.h"
#include "golden_jobs.h"
#include "jtkt_test_support.h"
#include "model/image_shift_options.h"
#include "model/job_level_stock.h"
#include "model/special_pages_ticket.h"
#include "platform/status.h"
#include "shell/client_information.h"

namespace {

using jtkt_test::RecordingContext;
using jtkt_test::WrittenByDefaultOutput;
using platform::PlistArray;
using platform::PlistDict;

std::string CoverType(const char* keyword) {
  return std::string("\t\t\t<cover-type syntax=\"keyword\">") + keyword + "</cover-type>\n";
}

std::string FrontCover(const PlistDict& ticket, int coverMode) {
  return WrittenByDefaultOutput([&] { WriteJTKTFrontCover(&ticket, coverMode); });
}

constexpr const char* kEmptyMedia = "\t\t<media-col syntax=\"collection\">\n\t\t</media-col>\n";

TEST(JTktCovers, CoverTypes) {
  const auto front = [](PlistDict cover) { return PlistDict{{kFrontCoverKey, std::move(cover)}}; };
  const std::string start = "\t\t<cover-front syntax=\"collection\">\n";
  const std::string end = "\t\t</cover-front>\n";
  EXPECT_EQ(FrontCover(front({}), 0), start + CoverType("print-none") + kEmptyMedia + end);
  EXPECT_EQ(FrontCover(front({{"SidesImaged", 3}}), 0), start + CoverType("print-back") + kEmptyMedia + end);
  EXPECT_EQ(FrontCover(front({{"SidesImaged", 2}}), 1), start + CoverType("print-none") + kEmptyMedia + end);
  EXPECT_EQ(FrontCover(front({{"SidesImaged", 4}}), 1), start + CoverType("print-both") + kEmptyMedia + end);
  // The cover model takes only sides 1 to 4; anything else is its default, blank.
  EXPECT_EQ(FrontCover(front({{"SidesImaged", 7}}), 0), start + CoverType("print-none") + kEmptyMedia + end);
  EXPECT_EQ(FrontCover({}, 0), "");
  EXPECT_EQ(FrontCover({{kFrontCoverKey, "not a cover"}}, 0), "");
}

TEST(JTktCovers, EmitterCoverTypesAndSides) {
  _MEDIADATA media;
  RecordingContext out;
  WriteJTktCovers(out.get(), kJTktBackCover, 0, &media);
  EXPECT_EQ(out.text(), "\t\t<cover-back syntax=\"collection\">\n" + CoverType("no-cover") + kEmptyMedia +
                            "\t\t</cover-back>\n");
  out.clear();
  WriteJTktCovers(out.get(), kJTktFrontCover, 9, &media);
  EXPECT_EQ(out.text(), std::string("\t\t<cover-front syntax=\"collection\">\n") + kEmptyMedia + "\t\t</cover-front>\n");
  out.clear();
  WriteJTktCovers(out.get(), 2, 1, &media);
  EXPECT_EQ(out.text(), "");
  EXPECT_EQ(WriteJTktCovers(out.get(), 0, 1, nullptr), platform::paramErr);
}

TEST(JTktCovers, BookletCoverTakesTheJobsSize) {
  PlistDict ticket{{kFrontCoverKey, PlistDict{{"Stock", PlistDict{{"Size", 6}}}}},
                   {kJobLevelStockKey, PlistDict{{"Size", 4}}},
                   {kBookletLayoutKey, true},
                   {kBookletForceNewSizeKey, true}};
  PlistDict jobSized{{kFrontCoverKey, PlistDict{{"Stock", PlistDict{{"Size", 4}}}}}};
  EXPECT_EQ(FrontCover(ticket, 0), FrontCover(jobSized, 0));
  ticket.insert_or_assign(kBookletForceNewSizeKey, false);
  EXPECT_NE(FrontCover(ticket, 0), FrontCover(jobSized, 0));
}

TEST(JTktInserts, DefaultsAndEmptyList) {
  const PlistDict one{{kInsertListKey, PlistArray{PlistDict{{"StartPage", 3}}}}};
  EXPECT_EQ(WrittenByDefaultOutput([&] { WriteJTKTInserts(&one); }),
            "\t\t<insert-sheet syntax=\"1setOf\">\n"
            "\t\t\t<value syntax=\"collection\">\n"
            "\t\t\t<insert-after-page-number syntax=\"integer\">3</insert-after-page-number>\n"
            "\t\t\t<insert-count syntax=\"integer\">1</insert-count>\n" +
                std::string(kEmptyMedia) + "\t\t\t</value>\n\t\t</insert-sheet>\n");
  const PlistDict empty{{kInsertListKey, PlistArray{}}};
  EXPECT_EQ(WrittenByDefaultOutput([&] { WriteJTKTInserts(&empty); }), "");
  const PlistDict junk{{kInsertListKey, PlistArray{platform::PlistValue(4)}}};
  EXPECT_EQ(WrittenByDefaultOutput([&] { WriteJTKTInserts(&junk); }), "");
}

TEST(JTktExceptions, RangeSidesAndNothingElse) {
  const PlistDict ticket{{kExceptionListKey, PlistArray{PlistDict{{"StartPage", 5}, {"EndPage", 7}, {"SidesImaged", 3}}}}};
  EXPECT_EQ(WrittenByDefaultOutput([&] { WriteJTKTExceptions(&ticket); }),
            "\t\t<page-overrides syntax=\"1setOf\">\n"
            "\t\t\t<value syntax=\"collection\">\n"
            "\t\t\t<input-documents syntax=\"1setOf\">\n\t\t\t\t<value syntax=\"rangeOfInteger\">\n"
            "\t\t\t\t\t<lower-bound syntax=\"integer\">1</lower-bound>\n"
            "\t\t\t\t\t<upper-bound syntax=\"integer\">1</upper-bound>\n\t\t\t\t</value>\n\t\t\t</input-documents>\n"
            "\t\t\t<pages syntax=\"1setOf\">\n\t\t\t\t<value syntax=\"rangeOfInteger\">\n"
            "\t\t\t\t\t<lower-bound syntax=\"integer\">5</lower-bound>\n"
            "\t\t\t\t\t<upper-bound syntax=\"integer\">7</upper-bound>\n\t\t\t\t</value>\n\t\t\t</pages>\n"
            "\t\t<sides syntax=\"keyword\">two-sided-short-edge</sides>\n" +
                std::string(kEmptyMedia) + "\t\t\t</value>\n\t\t</page-overrides>\n");
  // Ranges no list could hold are left out, and with them the whole set.
  const PlistDict invalid{{kExceptionListKey, PlistArray{PlistDict{{"EndPage", 7}}, PlistDict{{"StartPage", 9}, {"EndPage", 2}}}}};
  EXPECT_EQ(WrittenByDefaultOutput([&] { WriteJTKTExceptions(&invalid); }), "");
}

TEST(JTktPads, BlankBackCoverInAnyCase) {
  _MEDIADATA media;
  RecordingContext out;
  WriteJTktPads(out.get(), "bLaNk BACK cover", 50, &media);
  EXPECT_EQ(out.text(), "\t<pad-printing syntax=\"collection\">\n\t\t<cover-back-pad syntax=\"collection\">\n" +
                            std::string(kEmptyMedia) +
                            "\t\t</cover-back-pad>\n"
                            "\t\t<number-of-sheets-per-pad syntax=\"integer\">50</number-of-sheets-per-pad>\n"
                            "\t\t<pad-printing-type syntax=\"keyword\">pads-single-back-cover</pad-printing-type>\n"
                            "\t</pad-printing>\n");
  out.clear();
  WriteJTktPads(out.get(), "Glued", 0, &media);
  EXPECT_EQ(out.text(), "\t<pad-printing syntax=\"collection\">\n\t</pad-printing>\n");
  EXPECT_EQ(WrittenByDefaultOutput([] {
              const PlistDict ticket{{kNoOfPadsKey, 3}};
              WriteJTKTPad(&ticket);
            }),
            "");
}

TEST(JTktPads, PadsAloneGetTheDocumentFrame) {
  const PlistDict ticket{{kJTKTOptionsKey, PlistDict{{kJTKTOptionCoversKey, true}}},
                         {kNoOfPadsKey, 2},
                         {kPadBackCoverKey, "No Back Cover"},
                         {kPagesPerPadsKey, 25}};
  const std::string document = jtkt_test::Document(ticket);
  EXPECT_EQ(document, jtkt_test::Framed("\t<pad-printing syntax=\"collection\">\n"
                                        "\t\t<number-of-sheets-per-pad syntax=\"integer\">25</number-of-sheets-per-pad>\n"
                                        "\t\t<pad-printing-type syntax=\"keyword\">pads-single-no-cover</pad-printing-type>\n"
                                        "\t</pad-printing>\n"));
  EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
}

TEST(JTktImageShift, UnitsAndFullPrecision) {
  _ImageShiftSelections shift;
  const PlistDict inches{{"Inches", 1}, {"X1", 100}, {"Y1", 2}, {"X2", -3}};
  FillImageShift(&inches, &shift);
  EXPECT_EQ(shift.xSide1, 2540);
  EXPECT_EQ(shift.ySide1, 50);  // 50.8, truncated exactly
  EXPECT_EQ(shift.xSide2, -76);
  EXPECT_EQ(shift.ySide2, 0);
  const PlistDict millimetres{{"Inches", 0}, {"X1", 15}};
  FillImageShift(&millimetres, &shift);
  EXPECT_EQ(shift.xSide1, 150);
  // A missing unit is inches, as the model reads it.
  const PlistDict noUnit{{"X1", 1}};
  FillImageShift(&noUnit, &shift);
  EXPECT_EQ(shift.xSide1, 25);
  const PlistDict full{{"Inches", 1}, {"FullPrecision", true}, {"X1", 1234}};
  FillImageShift(&full, &shift);
  EXPECT_EQ(shift.xSide1, 1234);
  // Only the boolean true is full precision, as the model reads it.
  const PlistDict notBoolean{{"Inches", 0}, {"FullPrecision", 1}, {"X1", 12}};
  FillImageShift(&notBoolean, &shift);
  EXPECT_EQ(shift.xSide1, 120);
  // No truncation past 32 bits.
  const PlistDict big{{"Inches", 1}, {"X1", 2147483647}};
  FillImageShift(&big, &shift);
  EXPECT_EQ(shift.xSide1, 54546084633);
  EXPECT_EQ(WrittenByDefaultOutput([] {
              const PlistDict zero{};
              WriteJTKTImageShift(&zero);
            }),
            "\t\t<x-side1-image-shift syntax=\"integer\">0</x-side1-image-shift>\n"
            "\t\t<x-side2-image-shift syntax=\"integer\">0</x-side2-image-shift>\n"
            "\t\t<y-side1-image-shift syntax=\"integer\">0</y-side1-image-shift>\n"
            "\t\t<y-side2-image-shift syntax=\"integer\">0</y-side2-image-shift>\n");
}

// A job with both covers, inserts, exception ranges with their own shift, darkness and colour,
// and the job's own image shift.
TEST(JTktSpecialPages, JobWithSpecialPagesMatchesTheGoldenFile) {
  const PlistDict ticket = jtkt_test::GoldenSpecialPagesJob();
  const std::string document = jtkt_test::Document(ticket);
  EXPECT_EQ(document, jtkt_test::Golden("special_pages_job.xml"));
  EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
}

// A booklet: the cover on the job's size, booklet folding with staples, square fold and trim.
TEST(JTktSpecialPages, BookletMatchesTheGoldenFile) {
  const PlistDict ticket = jtkt_test::GoldenBookletJob();
  const std::string document = jtkt_test::Document(ticket);
  EXPECT_EQ(document, jtkt_test::Golden("booklet.xml"));
  EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
  // In cover mode the back cover is not written and the front keeps print-none or print-both.
  const std::string coverMode = JTKTWriteDocument(ticket, 1).value_or("");
  EXPECT_EQ(coverMode.find("cover-back"), std::string::npos);
  EXPECT_NE(coverMode.find(CoverType("print-both")), std::string::npos);
}

}  // namespace
