// The job template, one family at a time: each setting the panels store becomes the attribute a
// production printer registers (finishings by their enum, media-col members, covers, inserts,
// overrides, image shift, notes, accounting, hold and saved jobs); the ticket's private values,
// words IPP does not register and printer defaults send nothing.
#include <gtest/gtest.h>

#include "ipp/ipp_job_template.h"
#include "ipp_test_support.h"
#include "model/advanced_keys.h"
#include "model/image_shift_options.h"
#include "model/job_level_stock.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "model/special_pages_ticket.h"

namespace {

using platform::PlistArray;
using platform::PlistDict;
using Family = void (*)(ipp_t*, const PlistDict*);

PlistDict JobStock(PlistDict stock) { return PlistDict{{kJobLevelStockKey, std::move(stock)}}; }
PlistDict JobType(PlistDict jobType) { return PlistDict{{kJobTypeKey, std::move(jobType)}, {kPMJobNameKey, "Report"}}; }

const PlistDict kSpecialPages{
    {kFrontCoverKey, PlistDict{{"SidesImaged", 2}, {"Stock", PlistDict{{"Size", 4}, {"Weight", 250}, {"Color", 2}}}}},
    {kBackCoverKey, PlistDict{{"SidesImaged", 1}}},
    {kInsertListKey, PlistArray{PlistDict{{"StartPage", 4}, {"Quantity", 2}, {"Stock", PlistDict{{"Color", 3}}}},
                                PlistDict{{"StartPage", 1}}}},
    {kExceptionListKey,
     PlistArray{PlistDict{{"StartPage", 2}, {"EndPage", 3}, {"SidesImaged", 2}, {"Stock", PlistDict{{"Size", 6}}},
                          {"com.korvo.print.ImageShiftOptionsPage",
                           PlistDict{{"Option", 1}, {"Inches", 0}, {"X1", 50}, {"Y1", -20}, {"X2", 5}, {"Y2", 0}}}},
                PlistDict{{"StartPage", 8}, {"EndPage", 8}}}}};

const PlistDict kNotes{{kJobNotesMessageKey, "Use \"blue\" {tray}\nthen stop"}, {kJobNotesSheetMessageKey, "Banner"},
                       {kJobNotesRecipientKey, "Ann"},  {kJobNotesAdditionalInfoKey, "not standard"},
                       {kAccountingUserIDKey, "u1"},    {kAccountingAccountIDKey, "a2"}};
constexpr const char* kNotesText =
    "job-message-to-operator=Use \\\"blue\\\" {tray}\nthen stop\njob-sheet-message=Banner\njob-recipient-name=Ann\n";

PlistDict With(PlistDict ticket, const char* key, platform::PlistValue value) {
  ticket.insert_or_assign(key, std::move(value));
  return ticket;
}

TEST(IppJobTemplate, EachFamilySendsWhatThePrinterRegisters) {
  struct Case {
    Family add;
    PlistDict ticket;
    std::string expected;
  };
  const Case cases[] = {
      {AddIppFinishings, {{kFinishingOptionsKey, 1}}, "finishings=none\n"},
      {AddIppFinishings, {{kFinishingOptionsKey, 4}, {kFinishingStaple1ValueKey, 5}}, "finishings=staple-top-left\n"},
      {AddIppFinishings, {{kFinishingOptionsKey, 9}, {kFinishingStaple2ValueKey, 10}}, "finishings=staple-dual-left\n"},
      {AddIppFinishings, {{kFinishingOptionsKey, 25}, {kFinishingStapleCenterValueKey, 27}}, "finishings=staple-triple-top\n"},
      {AddIppFinishings, {{kFinishingOptionsKey, 30}, {kFinishingHolePunchValueKey, 32}, {kFinishingHolePunchOptionsKey, 3}},
       "finishings=punch-dual-left\n"},
      {AddIppFinishings, {{kFinishingOptionsKey, 30}, {kFinishingHolePunchValueKey, 34}, {kFinishingHolePunchOptionsKey, 5}},
       "finishings=punch-quad-bottom\n"},
      {AddIppFinishings, {{kFinishingOptionsKey, 14}, {kFinishingBindValueKey, 15}}, "finishings=bind-left\n"},
      {AddIppFinishings, {{kFinishingOptionsKey, 3}}, "finishings=booklet-maker\n"},
      {AddIppFinishings, {{kFinishingOptionsKey, 40}, {kFinishingFoldValueKey, 41}}, "finishings=fold-half\n"},
      {AddIppFinishings, {{kFinishingOptionsKey, 18}, {kFinishingFoldValueKey, 19}}, "finishings=fold-letter\n"},
      {AddIppFinishings, {{kFinishingOptionsKey, 36}, {kFinishingZFoldValueKey, 38}}, "finishings=fold-half-z\n"},
      {AddIppFinishings, {{kFinishingOptionsKey, 24}, {kFinishingFoldValueKey, 53}}, "finishings=saddle-stitch\n"},
      {AddIppFinishings, {{kFinishingOptionsKey, 49}, {kFinishingStaple1ValueKey, 5}, {kFinishingHolePunchValueKey, 32}},
       "finishings=staple-top-left,punch-triple-left\n"},
      {AddIppFinishings,
       {{kFinishingOptionsKey, 1}, {kFinishingOffsetKey, 3}, {kFinishingOffsetEnableSubsetKey, 1},
        {kFinishingOffsetPagesPerSubsetKey, 12}},
       "finishings=jog-offset\npages-per-subset=12\n"},
      {AddIppFinishings, {{kFinishingOptionsKey, 22}, {kFinishingCustomKey, "Ring & \"Wire\""}},
       "finishings-col={finishing-template=Ring & \\\"Wire\\\"}\n"},
      {AddIppFinishings, {{kFinishingSlipSheetKey, 2}, {kOutputOrderKey, 3}},
       "separator-sheets={separator-sheets-type=slip-sheets}\npage-delivery=reverse-order-face-up\n"},
      // Square fold and trim are the job ticket's own: the fold goes alone.
      {AddIppFinishings,
       {{kFinishingOptionsKey, 24}, {kFinishingFoldValueKey, 43}, {kFinishingSquareFoldValueKey, 64},
        {kFinishingTrimLengthValueKey, 30}},
       "finishings=fold-half\n"},
      {AddIppFinishings, {{kFinishingOptionsKey, 0}, {kFinishingSlipSheetKey, 1}, {kFinishingOffsetKey, 1}}, ""},
      {AddIppFinishings, {{kFinishingOptionsKey, 58}, {kFinishingCoilPunchValueKey, 255}}, ""},
      {AddIppJobMedia,
       JobStock({{"Type", 1}, {"Weight", 90}, {"Description", "Bright \"white\" {FSC}"}, {"Punched", 1}, {"Color", 1},
                 {"Size", 4}, {"Finish", 1}, {"kGrain", 1}, {"SidesCoated", 2}, {"kCoatingType", 4}}),
       "media-col={media-size={x-dimension=21000 y-dimension=29700} media-type=stationery media-color=white "
       "media-weight-metric=90 media-front-coating=satin media-back-coating=none media-tooth=fine "
       "media-grain=y-direction media-info=Bright \\\"white\\\" {FSC}}\n"},
      {AddIppJobMedia,
       JobStock({{"Size", 75}, {"Width", 20000}, {"Length", 30000}, {"Color", 10}, {"CustomColor", "Sea green"},
                 {"Finish", 2}, {"kGrain", 2}, {"SidesCoated", 3}, {"kCoatingType", 1}}),
       "media-col={media-size={x-dimension=20000 y-dimension=30000} media-color=Sea green "
       "media-front-coating=glossy media-back-coating=glossy media-tooth=medium media-grain=x-direction}\n"},
      {AddIppJobMedia, JobStock({{"Type", 6}, {"CustomType", "Heavy card"}, {"Modulus", 5}, {"Punched", 2}}),
       "media-col={media-type=Heavy card media-order-count=5 media-hole-count=3}\n"},
      // Inch sizes go in PWG 5101.1's exact dimensions, which printers list (the job ticket keeps
      // its own: the writer's media tests).
      {AddIppJobMedia, JobStock({{"Size", 204}}), "media-col={media-size={x-dimension=21590 y-dimension=27940}}\n"},
      {AddIppJobMedia, JobStock({{"CustomNameOnly", true}, {"CustomName", "Gloss 300"}, {"Type", 1}, {"Color", 3}}),
       "media-col={media-key=Gloss 300}\n"},
      {AddIppJobMedia, JobStock({}), ""},
      {AddIppJobMedia, JobStock({{"Type", 13}}), ""},
      {AddIppJobMedia, JobStock({{"Finish", 4}}), ""},
      {AddIppCovers, kSpecialPages,
       "cover-front={cover-type=print-front media-col={media-size={x-dimension=21000 y-dimension=29700} "
       "media-color=blue media-weight-metric=250}}\ncover-back={cover-type=print-none}\n"},
      // A booklet forcing a new size prints its front cover on the job's size.
      {AddIppCovers,
       {{kBookletLayoutKey, true}, {kBookletForceNewSizeKey, true},
        {kJobLevelStockKey, PlistDict{{"Size", 75}, {"Width", 20000}, {"Length", 30000}}},
        {kFrontCoverKey, PlistDict{{"SidesImaged", 4}, {"Stock", PlistDict{{"Size", 4}}}}},
        {kBackCoverKey, PlistDict{{"SidesImaged", 4}, {"Stock", PlistDict{{"Size", 4}}}}}},
       "cover-front={cover-type=print-both media-col={media-size={x-dimension=20000 y-dimension=30000}}}\n"
       "cover-back={cover-type=print-both media-col={media-size={x-dimension=21000 y-dimension=29700}}}\n"},
      {AddIppInserts, kSpecialPages,
       "insert-sheet={insert-after-page-number=4 insert-count=2 media-col={media-color=yellow}},"
       "{insert-after-page-number=1 insert-count=1}\n"},
      // Tenths of a millimetre become hundredths; a size without dimensions sends no paper.
      {AddIppOverrides, kSpecialPages,
       "overrides={pages=2-3 sides=two-sided-long-edge x-side1-image-shift=500 x-side2-image-shift=50 "
       "y-side1-image-shift=-200},{pages=8-8}\n"},
      // In hundredths of a millimetre, without the zeros.
      {AddIppImageShift,
       {{kImageShiftOptionsJobKey, PlistDict{{"Option", 1}, {"Inches", 1}, {"FullPrecision", true}, {"X1", 2540},
                                             {"Y1", -127}, {"X2", 0}, {"Y2", 3}}}},
       "x-side1-image-shift=2540\ny-side1-image-shift=-127\ny-side2-image-shift=3\n"},
      {AddIppJobNotes, kNotes, kNotesText},
      {AddIppJobNotes, With(kNotes, kAccountingOnKey, 3), std::string("job-accounting-user-id=u1\njob-account-id=a2\n") + kNotesText},
      {AddIppJobDisposition, JobType({{kJobTypeJobTypeKey, 2}}), "job-hold-until=indefinite\n"},
      {AddIppJobDisposition, JobType({{kJobTypeJobTypeKey, 3}, {kJobTypeSavedJobNameKey, "Kept"}, {kJobTypeMediaTypeKey, 3}}),
       "job-save-disposition={save-disposition=save-only save-info={save-location=file:///job-repository/ "
       "save-name=Kept save-document-format=application/pdf}}\n"},
      {AddIppJobDisposition, JobType({{kJobTypeJobTypeKey, 4}, {kJobTypeUseJobNameKey, true}}),
       "job-save-disposition={save-disposition=print-save save-info={save-location=file:///job-repository/ "
       "save-name=Report save-document-format=application/X-single-page-tiff}}\n"},
      {AddIppJobDisposition, JobType({{kJobTypeJobTypeKey, 1}}), ""},
      {AddIppJobTemplate,
       {{kJobLevelStockKey, PlistDict{{"Size", -1}}}, {kInsertListKey, PlistArray{}}, {kExceptionListKey, PlistArray{}}}, ""},
  };
  int row = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE("row " + std::to_string(row++) + ": " + c.expected);
    EXPECT_EQ(ipp_test::FamilyText(c.add, c.ticket), c.expected);
  }
  for (Family add : {AddIppJobMedia, AddIppFinishings, AddIppCovers, AddIppInserts, AddIppOverrides, AddIppImageShift,
                     AddIppJobNotes, AddIppJobDisposition, AddIppJobTemplate})
    EXPECT_EQ(ipp_test::FamilyText(add, PlistDict{}), "");
}

TEST(IppJobTemplate, NamesAndTextsAreCutBetweenCharacters) {
  EXPECT_EQ(IppName(std::string(254, 'a') + "\xC3\xA9"), std::string(254, 'a'));
  EXPECT_EQ(IppText(std::string(1021, 'b') + "\xE2\x80\x94"), std::string(1021, 'b'));
  EXPECT_EQ(IppText("short"), "short");
}

}  // namespace
