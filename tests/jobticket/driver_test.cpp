// The driver: which options give which document, the frame rule, and the process-wide stream.
#include <gtest/gtest.h>

#include "jobticket/writer/jtkt_driver.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "jobticket/writer/jtkt_job_attributes.h"
#include "jtkt_test_support.h"
#include "model/client_information_keys.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "model/special_pages_ticket.h"
#include "shell/client_information.h"

namespace {

using jtkt_test::Document;
using jtkt_test::Framed;
using platform::PlistDict;

PlistDict WithOptions(PlistDict options) { return PlistDict{{kJTKTOptionsKey, std::move(options)}}; }

TEST(JTktDriver, WithoutOptionsNothingAtAllIsWritten) {
  PlistDict ticket{{kJobNotesJobNameKey, "job"}, {kJobNotesSenderNameKey, "me"}};
  EXPECT_EQ(Document(ticket), "");
  ticket[kJTKTOptionsKey] = "JTKTOptionAll";  // not a dictionary: no options either
  EXPECT_EQ(Document(ticket), "");
}

// In a whole document the notes come before the job type, the media before the finishing, and
// both before the job-level commands.
TEST(JTktDriver, WholeDocumentPlacesEachFamily) {
  PlistDict ticket = jtkt_test::WholeDocumentTicket();
  ticket.insert_or_assign(kFinishingOptionsKey, 32);
  ticket.insert_or_assign(kJobTypeKey, PlistDict{{"JobType", 2}});
  ticket.insert_or_assign(kJobNotesRecipientKey, "Desk 4");
  const std::string document = Document(ticket);
  const auto at = [&](const char* element) { return document.find(element); };
  ASSERT_NE(at("<job-hold-until"), std::string::npos);
  ASSERT_NE(at("<finishings syntax=\"1setOf\">"), std::string::npos);
  EXPECT_LT(at("<job-recipient-name"), at("<job-hold-until"));
  EXPECT_LT(at("<job-hold-until"), at("<sides "));
  EXPECT_LT(at("</media-col>"), at("<finishings syntax=\"1setOf\">"));
  EXPECT_LT(at("<finishings syntax=\"1setOf\">"), at("<sides "));
  EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
}

// The operation attributes need both names; "use job name" takes the platform's, if any.
TEST(JTktDriver, OperationAttributesNeedBothNames) {
  PlistDict ticket = jtkt_test::WholeDocumentTicket();
  ticket[kJobNotesJobNameKey] = "Brochure";
  EXPECT_EQ(Document(ticket).find("jtkt-operation-attributes"), std::string::npos);
  ticket[kJobNotesSenderNameKey] = "Ana";
  EXPECT_NE(Document(ticket).find("<job-name syntax=\"name\" xml:space=\"preserve\">Brochure</job-name>"),
            std::string::npos);
  ticket[kPMJobNameKey] = "document.pdf";
  ticket[kJobNotesUseJobNameKey] = true;
  EXPECT_NE(Document(ticket).find(">document.pdf</job-name>"), std::string::npos);
  ticket.erase(kPMJobNameKey);
  EXPECT_EQ(Document(ticket).find("<job-name"), std::string::npos);
}

TEST(JTktDriver, CoversOnlyFramesTheDocumentWithoutJobLevelParts) {
  PlistDict ticket = WithOptions({{kJTKTOptionCoversKey, true}});
  ticket[kJobNotesJobNameKey] = "job";
  ticket[kJobNotesSenderNameKey] = "me";
  EXPECT_EQ(Document(ticket), "");  // no cover in the ticket: nothing
  ticket[kFrontCoverKey] = PlistDict{{"SidesImaged", 2}};
  const std::string document = Document(ticket);
  ASSERT_TRUE(document.starts_with(Framed("").substr(0, Framed("").find("\t</job-template-attributes>"))));
  EXPECT_TRUE(document.ends_with("\t</job-template-attributes>\n</jtkt>"));
  EXPECT_EQ(document.find("jtkt-operation-attributes"), std::string::npos);
  EXPECT_EQ(document.find("<sides "), std::string::npos);  // job-level commands belong to whole documents
}

TEST(JTktDriver, SelectedSpecialPagesFrameTheDocumentOnlyWhenPresent) {
  EXPECT_EQ(Document(WithOptions({{kJTKTOptionInsertsKey, true}})), "");
  EXPECT_EQ(Document(WithOptions({{kJTKTOptionExceptionsKey, true}})), "");
  PlistDict inserts = WithOptions({{kJTKTOptionInsertsKey, true}});
  inserts[kInsertListKey] = platform::PlistArray{PlistDict{{"StartPage", 3}}};
  EXPECT_TRUE(Document(inserts).ends_with("</jtkt>"));
  PlistDict exceptions = WithOptions({{kJTKTOptionExceptionsKey, true}});
  exceptions[kExceptionListKey] = platform::PlistArray{PlistDict{{"StartPage", 1}, {"EndPage", 2}}};
  EXPECT_TRUE(Document(exceptions).ends_with("</jtkt>"));
}

TEST(JTktDriver, NullArgumentsWriteNothing) {
  jtkt_test::MemoryStream target, untouched;
  const PlistDict ticket = jtkt_test::WholeDocumentTicket();
  WriteJTKT(target.get(), &ticket, 0);
  EXPECT_TRUE(target.bytes().ends_with("</jtkt>"));
  WriteJTKT(static_cast<std::FILE*>(nullptr), &ticket, 0);
  WriteJTKT(untouched.get(), nullptr, 0);
  EXPECT_EQ(untouched.bytes(), "");
}

}  // namespace
