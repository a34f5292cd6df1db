// The job's own attributes: image shift, accounting, messages, recipient, hold and saved jobs.
#include <gtest/gtest.h>

#include "ipp/ipp_job_template.h"
#include "ipp_test_support.h"
#include "model/advanced_keys.h"
#include "model/image_shift_options.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_keys.h"
#include "model/platform_keys.h"

namespace {

using platform::PlistDict;

TEST(IppJobAttributes, ImageShiftInHundredthsOfAMillimetreWithoutZeros) {
  const PlistDict ticket{{kImageShiftOptionsJobKey, PlistDict{{"Option", 1}, {"Inches", 1}, {"FullPrecision", true},
                                                               {"X1", 2540}, {"Y1", -127}, {"X2", 0}, {"Y2", 3}}}};
  EXPECT_EQ(ipp_test::FamilyText(AddIppImageShift, ticket),
            "x-side1-image-shift=2540\ny-side1-image-shift=-127\ny-side2-image-shift=3\n");
}

TEST(IppJobAttributes, NotesAndAccounting) {
  PlistDict ticket{{kJobNotesMessageKey, "Use \"blue\" {tray}\nthen stop"},
                   {kJobNotesSheetMessageKey, "Banner"},
                   {kJobNotesRecipientKey, "Ann"},
                   {kJobNotesAdditionalInfoKey, "not standard"},
                   {kAccountingUserIDKey, "u1"},
                   {kAccountingAccountIDKey, "a2"}};
  const std::string notes =
      "job-message-to-operator=Use \\\"blue\\\" {tray}\nthen stop\njob-sheet-message=Banner\njob-recipient-name=Ann\n";
  EXPECT_EQ(ipp_test::FamilyText(AddIppJobNotes, ticket), notes);
  ticket.insert_or_assign(kAccountingOnKey, 3);
  EXPECT_EQ(ipp_test::FamilyText(AddIppJobNotes, ticket), "job-accounting-user-id=u1\njob-account-id=a2\n" + notes);
}

TEST(IppJobAttributes, HoldAndSavedJobs) {
  const auto disposition = [](const PlistDict& jobType) {
    return ipp_test::FamilyText(AddIppJobDisposition, PlistDict{{kJobTypeKey, jobType}, {kPMJobNameKey, "Report"}});
  };
  EXPECT_EQ(disposition({{kJobTypeJobTypeKey, 2}}), "job-hold-until=indefinite\n");
  EXPECT_EQ(disposition({{kJobTypeJobTypeKey, 3}, {kJobTypeSavedJobNameKey, "Kept"}, {kJobTypeMediaTypeKey, 3}}),
            "job-save-disposition={save-disposition=save-only save-info={save-location=file:///job-repository/ "
            "save-name=Kept save-document-format=application/pdf}}\n");
  EXPECT_EQ(disposition({{kJobTypeJobTypeKey, 4}, {kJobTypeUseJobNameKey, true}}),
            "job-save-disposition={save-disposition=print-save save-info={save-location=file:///job-repository/ "
            "save-name=Report save-document-format=application/X-single-page-tiff}}\n");
  EXPECT_EQ(disposition({{kJobTypeJobTypeKey, 1}}), "");
  EXPECT_EQ(ipp_test::FamilyText(AddIppJobDisposition, PlistDict{}), "");
}

}  // namespace
