// Job notes, the job type and background forms.
#include <gtest/gtest.h>

#include "jobticket/writer/jtkt_job_attributes.h"
#include "jtkt_test_support.h"
#include "model/background_forms_options.h"
#include "model/job_notes_keys.h"
#include "model/platform_keys.h"
#include "platform/status.h"
#include "support/test_support.h"
#include "vocabulary/printer_default.h"

namespace {

using jtkt_test::RecordingContext;
using jtkt_test::WrittenThrough;
using platform::PlistArray;
using platform::PlistDict;

// Notes, every job type and background forms, each ticket's output in turn.
TEST(JTktJobAttributes, NotesJobTypesAndFormsMatchTheGoldenFile) {
  korvo_test::ScopedXdgHome home;
  const PlistDict notes{{kJobNotesMessageKey, "Use <blue> & \"white\""},
                        {kJobNotesRecipientKey, "R\xC3\xA9my"},
                        {kJobNotesSheetMessageKey, "Sheet"},
                        {kJobNotesAdditionalInfoKey, std::string("a\x01" "b\xFF", 4)}};
  const PlistDict notNotes{{kJobNotesMessageKey, 4}};
  const std::vector<PlistDict> jobTypes{
      {{kJobTypeKey, PlistDict{{"JobType", 2}}}},
      {{kJobTypeKey, PlistDict{{"JobType", 9}}}},
      {},
      {{kJobTypeKey, PlistDict{}}},
      {{kJobTypeKey, PlistDict{{"JobType", 3}, {"SavedJobName", "Q3 <draft>"}}}},
      {{kJobTypeKey, PlistDict{{"JobType", 3}, {"SaveDisposition", 2}, {"MediaType", 3}, {"SavedJobLocation", "file:///a&b/"}}}},
      {{kJobTypeKey, PlistDict{{"JobType", 4}, {"MediaType", 9}, {"UseJobName", true}, {"SavedJobName", "x"}}},
       {kPMJobNameKey, "Report"}},
      {{kJobTypeKey, PlistDict{{"JobType", 3}, {"SaveDisposition", 1}, {"MediaType", 5}}}}};
  // Forms are written only for a forms job.
  const PlistDict options{{"UseDocumentName", 0}, {"NewFormString", "Letterhead"}, {"MergeWithString", "Invoice & Co"},
                          {"CyclePages", 3}, {"Inches", 1}, {"X1", 10}, {"Y1", -5}};
  const std::vector<PlistDict> forms{{{kBackgroundFormsOptionsKey, options}, {kJobTypeKey, PlistDict{{"JobType", 9}}}},
                                     {{kBackgroundFormsOptionsKey, options}, {kJobTypeKey, PlistDict{{"JobType", 3}}}},
                                     {{kBackgroundFormsOptionsKey, options}}};
  std::string body = WrittenThrough([&](const JTktWriter& w) {
    WriteJTKTJobNotes(w, &notes);
    WriteJTKTJobNotes(w, &notNotes);
    for (const PlistDict& ticket : jobTypes) WriteJTKTJobType(w, &ticket);
    for (const PlistDict& ticket : forms) WriteJTKTBackgroundForms(w, &ticket);
  });
  body += jtkt_test::Recorded([](const JTktWriteContext* out) {
    _JOBDATA job;
    job.jobType = 7;
    EXPECT_EQ(WriteJTktJobTypes(out, &job), platform::noErr);
    const JTktJobNotes none{};
    EXPECT_EQ(WriteJTktJobNotes(nullptr, &none), platform::paramErr);
  });
  jtkt_test::ExpectGolden(jtkt_test::Framed(body), "job_attributes.xml");
}

TEST(JTktBackgroundForms, UnitsDocumentNameAndLongNames) {
  korvo_test::ScopedXdgHome home;
  _BGFORMSDATA forms;
  const PlistDict millimetres{{"UseDocumentName", 1}, {"Inches", 0}, {"X1", 7}, {"MergeWithString", std::string(300, 'f')}};
  const PlistDict ticket{{kPMJobNameKey, "Doc"}};
  FillBGFormsData(&forms, &millimetres, &ticket);
  EXPECT_EQ(forms.newFormName, std::optional<std::string>("Doc"));
  EXPECT_EQ(forms.xShift, 700);
  RecordingContext out;
  forms.newFormName.reset();
  WriteJTktBackgroundForms(out.get(), &forms);
  EXPECT_NE(out.text().find(">" + std::string(255, 'f') + "</form-name>"), std::string::npos);
  const PlistDict full{{"FullPrecision", true}, {"X1", 1234}, {"Inches", 1}};
  FillBGFormsData(&forms, &full, nullptr);
  EXPECT_EQ(forms.xShift, 1234);
}

}  // namespace
