// Special pages: covers, inserts, exception ranges and pads, and the job-level image shift.
#include <gtest/gtest.h>

#include "jobticket/writer/jtkt_image_shift.h"
#include "jobticket/writer/jtkt_special_pages.h"
#include "jtkt_test_support.h"
#include "model/image_shift_options.h"
#include "model/paper_output_keys.h"
#include "model/special_pages_ticket.h"
#include "platform/status.h"

namespace {

using jtkt_test::RecordingContext;
using jtkt_test::WrittenThrough;
using platform::PlistArray;
using platform::PlistDict;

std::string FrontCover(const PlistDict& ticket, int coverMode) {
  return WrittenThrough([&](const JTktWriter& w) { WriteJTKTFrontCover(w, &ticket, coverMode); });
}

// Covers of every kind (sides other than 1 to 4 are no cover), inserts with their defaults, exception ranges (ranges no list could hold are left out,
// and with them the whole set), pads and the job's image shift with nothing set.
TEST(JTktSpecialPages, EachPartMatchesTheGoldenFile) {
  const auto front = [](PlistDict cover) { return PlistDict{{kFrontCoverKey, std::move(cover)}}; };
  std::string body;
  for (const auto& [ticket, mode] : std::vector<std::pair<PlistDict, int>>{
           {front({}), 0}, {front({{"SidesImaged", 3}}), 0}, {front({{"SidesImaged", 2}}), 1},
           {front({{"SidesImaged", 4}}), 1}, {front({{"SidesImaged", 7}}), 0}, {{}, 0},
           {{{kFrontCoverKey, "not a cover"}}, 0}})
    body += FrontCover(ticket, mode);
  _MEDIADATA media;
  body += jtkt_test::Recorded([&](const JTktWriteContext* out) {
    WriteJTktCovers(out, kJTktBackCover, 0, &media);
    WriteJTktCovers(out, kJTktFrontCover, 9, &media);
    WriteJTktCovers(out, 2, 1, &media);
    WriteJTktPads(out, "bLaNk BACK cover", 50, &media);
    WriteJTktPads(out, "Glued", 0, &media);
  });
  const std::vector<PlistDict> tickets{
      {{kInsertListKey, PlistArray{PlistDict{{"StartPage", 3}}}}},
      {{kInsertListKey, PlistArray{}}},
      {{kInsertListKey, PlistArray{platform::PlistValue(4)}}},
      {{kExceptionListKey, PlistArray{PlistDict{{"StartPage", 5}, {"EndPage", 7}, {"SidesImaged", 3}}}}},
      {{kExceptionListKey, PlistArray{PlistDict{{"EndPage", 7}}, PlistDict{{"StartPage", 9}, {"EndPage", 2}}}}},
      {{kNoOfPadsKey, 3}},
      {}};
  body += WrittenThrough([&](const JTktWriter& w) {
    for (const PlistDict& ticket : tickets) {
      WriteJTKTInserts(w, &ticket);
      WriteJTKTExceptions(w, &ticket);
      WriteJTKTPad(w, &ticket);
    }
    WriteJTKTImageShift(w, &tickets.back());
  });
  jtkt_test::ExpectGolden(jtkt_test::Framed(body), "special_pages_parts.xml");
  jtkt_test::RecordingContext out;
  EXPECT_EQ(WriteJTktCovers(out.get(), 0, 1, nullptr), platform::paramErr);
}

// Shifts in hundredths of a millimetre: a missing unit is inches and only the boolean true is
// full precision, as the model reads them; no truncation past 32 bits.
TEST(JTktImageShift, UnitsAndFullPrecision) {
  struct Case {
    PlistDict dictionary;
    std::int64_t x1, y1, x2;
  };
  const Case cases[] = {{{{"Inches", 1}, {"X1", 100}, {"Y1", 2}, {"X2", -3}}, 2540, 50, -76},  // 50.8 truncated exactly
                        {{{"Inches", 0}, {"X1", 15}}, 150, 0, 0},
                        {{{"X1", 1}}, 25, 0, 0},
                        {{{"Inches", 1}, {"FullPrecision", true}, {"X1", 1234}}, 1234, 0, 0},
                        {{{"Inches", 0}, {"FullPrecision", 1}, {"X1", 12}}, 120, 0, 0},
                        {{{"Inches", 1}, {"X1", 2147483647}}, 54546084633, 0, 0}};
  for (const Case& c : cases) {
    _ImageShiftSelections shift;
    FillImageShift(&c.dictionary, &shift);
    EXPECT_EQ(shift.xSide1, c.x1) << c.x1;
    EXPECT_EQ(shift.ySide1, c.y1) << c.x1;
    EXPECT_EQ(shift.xSide2, c.x2) << c.x1;
    EXPECT_EQ(shift.ySide2, 0) << c.x1;
  }
}

}  // namespace
