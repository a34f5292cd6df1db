// Job notes, the job type and background forms; and a hostile ticket through every family of
// this writer.
#include <gtest/gtest.h>

#include "jobticket/writer/jtkt_color.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "jobticket/writer/jtkt_job_attributes.h"
#include "jobticket/writer/jtkt_special_pages.h"
#include "jobticket/writer/jtkt_ticket_keys.h"
#include "jtkt_test_support.h"
#include "model/background_forms_options.h"
#include "model/full_color_options.h"
#include "model/image_shift_options.h"
#include "model/special_pages_ticket.h"
#include "platform/status.h"
#include "support/test_support.h"
#include "vocabulary/printer_default.h"

namespace {

using jtkt_test::RecordingContext;
using jtkt_test::WrittenByDefaultOutput;
using platform::PlistArray;
using platform::PlistDict;

std::string JobType(const PlistDict& ticket) {
  return WrittenByDefaultOutput([&] { WriteJTKTJobType(&ticket); });
}

std::string Forms(const PlistDict& ticket) {
  return WrittenByDefaultOutput([&] { WriteJTKTBackgroundForms(&ticket); });
}

std::string SaveInfo(const std::string& disposition, const std::string& location, const std::string& name,
                     const std::string& format) {
  return "\t\t<job-save-disposition syntax=\"collection\">\n\t\t\t<save-disposition syntax=\"keyword\">" + disposition +
         "</save-disposition>\n\t\t\t<save-info syntax=\"1setOf\">\n\t\t\t\t<value syntax=\"collection\">\n"
         "\t\t\t\t\t<save-location syntax=\"uri\">" + location + "</save-location>\n"
         "\t\t\t\t\t<save-name syntax=\"name\" xml:space=\"preserve\">" + name + "</save-name>\n" + format +
         "\t\t\t\t</value>\n\t\t\t</save-info>\n\t\t</job-save-disposition>\n";
}

std::string Format(const char* type) {
  return std::string("\t\t\t\t\t<save-document-format syntax=\"mimeMediaType\">") + type + "</save-document-format>\n";
}

TEST(JTktJobNotes, EachTextInOrderEscapedAndWhole) {
  const std::string longNote(100 * 1024, 'n');
  const PlistDict ticket{{kJobNotesMessageKey, "Use <blue> & \"white\""},
                         {kJobNotesRecipientKey, "R\xC3\xA9my"},
                         {kJobNotesSheetMessageKey, longNote},
                         {kJobNotesAdditionalInfoKey, std::string("a\x01" "b\xFF", 4)}};
  EXPECT_EQ(WrittenByDefaultOutput([&] { WriteJTKTJobNotes(&ticket); }),
            "\t\t<job-message-to-operator syntax=\"text\" xml:space=\"preserve\">Use &lt;blue&gt; &amp; &quot;white&quot;"
            "</job-message-to-operator>\n"
            "\t\t<job-recipient-name syntax=\"name\" xml:space=\"preserve\">R\xC3\xA9my</job-recipient-name>\n"
            "\t\t<job-sheet-message syntax=\"text\" xml:space=\"preserve\">" + longNote + "</job-sheet-message>\n"
            "\t\t<job-accounting-data syntax=\"text\" xml:space=\"preserve\">ab\xEF\xBF\xBD</job-accounting-data>\n");
  EXPECT_EQ(WrittenByDefaultOutput([] {
              const PlistDict none{{kJobNotesMessageKey, 4}};
              WriteJTKTJobNotes(&none);
            }),
            "");
  JTktJobNotes notes;
  EXPECT_EQ(WriteJTktJobNotes(nullptr, &notes), platform::paramErr);
}

TEST(JTktJobType, HoldSaveAndNothing) {
  EXPECT_EQ(JobType({{kJobTypeKey, PlistDict{{"JobType", 2}}}}),
            "\t\t\t<job-hold-until syntax=\"keyword\">indefinite</job-hold-until>\n");
  EXPECT_EQ(JobType({{kJobTypeKey, PlistDict{{"JobType", 9}}}}), "");
  EXPECT_EQ(JobType({}), "");
  EXPECT_EQ(JobType({{kJobTypeKey, PlistDict{}}}), "\t\t<job-save-disposition syntax=\"collection\">\n"
                                                   "\t\t\t<save-disposition syntax=\"keyword\">none</save-disposition>\n"
                                                   "\t\t</job-save-disposition>\n");
  EXPECT_EQ(JobType({{kJobTypeKey, PlistDict{{"JobType", 3}, {"SavedJobName", "Q3 <draft>"}}}}),
            SaveInfo("save-only", "file:///job-repository/", "Q3 &lt;draft&gt;", Format("application/X-single-page-tiff")));
  EXPECT_EQ(JobType({{kJobTypeKey, PlistDict{{"JobType", 3}, {"SaveDisposition", 2}, {"MediaType", 3},
                                              {"SavedJobLocation", "file:///a&b/"}}}}),
            SaveInfo("print-save", "file:///a&amp;b/", "", Format("application/pdf")));
  EXPECT_EQ(JobType({{kJobTypeKey, PlistDict{{"JobType", 4}, {"MediaType", 9}, {"UseJobName", true}, {"SavedJobName", "x"}}},
                     {kPMJobNameKey, "Report"}}),
            SaveInfo("print-save", "file:///job-repository/", "Report", ""));
  EXPECT_EQ(JobType({{kJobTypeKey, PlistDict{{"JobType", 3}, {"SaveDisposition", 1}, {"MediaType", 5}}}}),
            SaveInfo("save-only", "file:///job-repository/", "", Format("application/X-fast-reprint-and-dri")));
  _JOBDATA job;
  job.jobType = 7;
  RecordingContext out;
  EXPECT_EQ(WriteJTktJobTypes(out.get(), &job), platform::noErr);
  EXPECT_EQ(out.text(), "");
}

TEST(JTktBackgroundForms, OnlyForAFormsJob) {
  korvo_test::ScopedXdgHome home;
  const PlistDict options{{"UseDocumentName", 0}, {"NewFormString", "Letterhead"}, {"MergeWithString", "Invoice & Co"},
                          {"CyclePages", 3}, {"Inches", 1}, {"X1", 10}, {"Y1", -5}};
  const std::string both =
      "\t\t<form-save syntax=\"collection\">\n"
      "\t\t\t<form-save-disposition syntax=\"keyword\">save-only</form-save-disposition>\n"
      "\t\t\t<form-save-info syntax=\"1setOf\">\n"
      "\t\t\t\t<value syntax=\"collection\">\n"
      "\t\t\t\t\t<form-save-location syntax=\"uri\">file:///form-repository/</form-save-location>\n"
      "\t\t\t\t\t<form-save-name syntax=\"name\" xml:space=\"preserve\">Letterhead</form-save-name>\n"
      "\t\t\t\t\t<form-save-format syntax=\"mimeMediaType\">application/X-single-page-tiff</form-save-format>\n"
      "\t\t\t\t</value>\n"
      "\t\t\t</form-save-info>\n"
      "\t\t</form-save>\n"
      "\t\t<forms-col syntax=\"1setOf\">\n"
      "\t\t\t<value syntax=\"collection\">\n"
      "\t\t\t\t<form-name syntax=\"name\" xml:space=\"preserve\">Invoice &amp; Co</form-name>\n"
      "\t\t\t\t<form-cycle-start syntax=\"integer\">3</form-cycle-start>\n"
      "\t\t\t\t<forms-x-image-shift syntax=\"integer\">2540</forms-x-image-shift>\n"
      "\t\t\t\t<forms-y-image-shift syntax=\"integer\">-1270</forms-y-image-shift>\n"
      "\t\t\t</value>\n"
      "\t\t</forms-col>\n";
  EXPECT_EQ(Forms({{kBackgroundFormsOptionsKey, options}, {kJobTypeKey, PlistDict{{"JobType", 9}}}}), both);
  EXPECT_EQ(Forms({{kBackgroundFormsOptionsKey, options}, {kJobTypeKey, PlistDict{{"JobType", 3}}}}), "");
  EXPECT_EQ(Forms({{kBackgroundFormsOptionsKey, options}}), "");
  const std::string log = jtkt_test::DiagnosticsOf([&] {
    Forms({{kBackgroundFormsOptionsKey, options}, {kJobTypeKey, PlistDict{{"JobType", 3}}}});
  });
  EXPECT_EQ(log, "DEBUG: ******* WriteJTKTBackgroundForms\nDEBUG: ******* WriteJTKTBackgroundForms: valid ticket\n"
                 "DEBUG: ******* WriteJTKTBackgroundForms: valid bg options ticket\nDEBUG: ******** jobType = 3\n");
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
  // A cut never splits an entity.
  forms.existingFormName = std::string(254, 'g') + "&";
  out.clear();
  WriteJTktBackgroundForms(out.get(), &forms);
  EXPECT_NE(out.text().find(">" + std::string(254, 'g') + "</form-name>"), std::string::npos);
  EXPECT_EQ(jtkt_test::XmllintComplaint(jtkt_test::Framed(out.text())), "");
}

TEST(JTktJobType, WholeDocumentPlacesTheJobTypeAfterTheNotes) {
  PlistDict ticket = jtkt_test::WholeDocumentTicket();
  ticket.insert_or_assign(kJobTypeKey, PlistDict{{"JobType", 2}});
  ticket.insert_or_assign(kJobNotesRecipientKey, "Desk 4");
  const std::string document = jtkt_test::Document(ticket);
  const auto notes = document.find("<job-recipient-name");
  const auto hold = document.find("<job-hold-until");
  const auto sides = document.find("<sides ");
  ASSERT_NE(hold, std::string::npos);
  EXPECT_LT(notes, hold);
  EXPECT_LT(hold, sides);
  EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
}

// Names with the XML specials, control characters and broken UTF-8, the sentinel and codes out of
// range in every key these families read: the document stays well-formed and sends no sentinel.
TEST(JTktJobAttributes, HostileTicketStillGivesAWellFormedDocument) {
  korvo_test::ScopedXdgHome home;
  const std::string nasty = std::string("<&\"'>\x01\x1F\xC3\x28\xED\xA0\x80", 12) + std::string(100 * 1024, 'x');
  PlistDict ticket = jtkt_test::WholeDocumentTicket();
  for (const char* key : {kFinishingOptionsKey, kFinishingSquareFoldValueKey, kFinishingTrimLengthValueKey,
                          kFinishingStaple1ValueKey, kFinishingHolePunchOptionsKey, kHalftoneScreenKey})
    ticket.insert_or_assign(key, kPrinterDefault);
  ticket.insert_or_assign(kFinishingCustomKey, nasty);
  ticket.insert_or_assign(kJobNotesMessageKey, nasty);
  ticket.insert_or_assign(kJobNotesRecipientKey, nasty);
  ticket.insert_or_assign(kJobNotesSheetMessageKey, nasty);
  ticket.insert_or_assign(kJobNotesAdditionalInfoKey, nasty);
  ticket.insert_or_assign(kJobTypeKey, PlistDict{{"JobType", 9}, {"SavedJobName", nasty}});
  ticket.insert_or_assign(kBackgroundFormsOptionsKey,
                          PlistDict{{"UseDocumentName", 0}, {"NewFormString", nasty}, {"MergeWithString", nasty},
                                    {"X1", kPrinterDefault}});
  ticket.insert_or_assign(kFullColorOptionsKey, PlistDict{{"FCTRC", nasty.substr(0, 200)}, {"RGBImagesProfile", 99},
                                                          {"DestinationProfile", kPrinterDefault}, {"FCLightness", 900}});
  ticket.insert_or_assign("HiglightPrintingColor", 99);
  ticket.insert_or_assign("HighlightMappingColor", kPrinterDefault);
  ticket.insert_or_assign(kFrontCoverKey, PlistDict{{"SidesImaged", kPrinterDefault}, {"Stock", PlistDict{{"Description", nasty}}}});
  ticket.insert_or_assign(kInsertListKey, PlistArray{PlistDict{{"StartPage", kPrinterDefault}, {"Quantity", -4}}});
  ticket.insert_or_assign(kExceptionListKey,
                          PlistArray{PlistDict{{"StartPage", 1}, {"EndPage", 2}, {"SidesImaged", 44}, {"HalftoneScreen", 48},
                                               {"com.korvo.print.ImageShiftOptionsPage", PlistDict{{"X1", "left"}}}}});
  ticket.insert_or_assign(kNoOfPadsKey, 1);
  ticket.insert_or_assign(kPadBackCoverKey, nasty);
  ticket.insert_or_assign(kImageShiftOptionsJobKey, PlistDict{{"X1", kPrinterDefault}, {"Inches", kPrinterDefault}});
  const std::string document = jtkt_test::Document(ticket);
  EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
  EXPECT_EQ(document.find("-2147483648"), std::string::npos);
  EXPECT_NE(document.find("<form-save-name"), std::string::npos);
  EXPECT_NE(document.find("<job-message-to-operator"), std::string::npos);
  EXPECT_EQ(document.find("booklet-making"), std::string::npos);
  EXPECT_EQ(document.rfind("</jtkt>"), document.size() - 7);
}

}  // namespace
