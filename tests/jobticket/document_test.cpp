// Whole documents and their frame: the prolog per document-type version, operation attributes,
// the group tags and the trailer, one write per fragment; which options give which document; export
// to a file, what is copied from the ticket, and failures that leave no file behind and say so in
// one line; the export fuzzer's seeds give well-formed documents.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "golden_jobs.h"
#include "jobticket/writer/jtkt_driver.h"
#include "jobticket/writer/jtkt_export.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "jobticket/writer/jtkt_frame.h"
#include "jobticket/writer/jtkt_job_attributes.h"
#include "jtkt_test_support.h"
#include "model/client_information_keys.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "model/special_pages_ticket.h"
#include "platform/plist/xml_plist.h"
#include "platform/status.h"
#include "platform/ticket/print_session.h"
#include "shell/client_information.h"
#include "support/test_support.h"

namespace {

using jtkt_test::RecordingContext;
using jtkt_test::Document;
using jtkt_test::Framed;
using platform::PlistDict;
namespace fs = std::filesystem;

constexpr const char* kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
constexpr const char* kRoot = "<jtkt version=\"1.0\" xml:lang=\"en-US\" cpss-version=\"2.01\">\n";

// The document type of the current version is in every golden file; a version without one writes
// none.
TEST(JTktFrame, AHeaderOfAnUnknownVersionNamesNoDocumentType) {
  for (int version : {-1, 6, 1000}) {
    RecordingContext out;
    EXPECT_EQ(WriteJTktHeader(out.get(), version), 0);
    EXPECT_EQ(out.text(), std::string(kDeclaration) + kRoot) << version;
  }
}

TEST(JTktFrame, OperationAttributesMatchTheGoldenFile) {
  RecordingContext out;
  WriteJTktHeader(out.get(), kJTktCurrentDTDVersion);
  WriteJTktOpAttrib(out.get(), false, "Quarterly report & <draft> \"v2\" 'final'", "Zo\xC3\xAB \xC3\x85ngstr\xC3\xB6m");
  WriteJTktJobAttribStart(out.get());
  WriteJTktJobAttribEnd(out.get());
  WriteJTktTrailer(out.get());
  EXPECT_EQ(out.fragments().size(), 5u);  // one per emitter: the whole group is one fragment
  EXPECT_EQ(out.text(), jtkt_test::Golden("frame_operation_attributes.xml"));
}

// Recipient-only writes the user name as recipient; a long one whole, in one fragment; a missing
// name writes no group; no context, no write.
TEST(JTktFrame, RecipientMissingNamesAndMissingContext) {
  RecordingContext out;
  WriteJTktOpAttrib(out.get(), true, "ignored", "Ops <night>");
  EXPECT_EQ(out.fragments(), std::vector<std::string>{"\t\t<job-recipient-name syntax=\"name\" xml:space=\"preserve\">"
                                                      "Ops &lt;night&gt;</job-recipient-name>\n"});
  const std::string name(100 * 1024, 'n');
  out.clear();
  WriteJTktOpAttrib(out.get(), true, nullptr, name.c_str());
  ASSERT_EQ(out.fragments().size(), 1u);
  EXPECT_NE(out.fragments()[0].find(name + "</job-recipient-name>\n"), std::string::npos);
  out.clear();
  EXPECT_EQ(WriteJTktOpAttrib(out.get(), false, "job", nullptr), 0);
  EXPECT_EQ(WriteJTktOpAttrib(out.get(), false, nullptr, "user"), 0);
  EXPECT_EQ(WriteJTktOpAttrib(out.get(), true, "job", nullptr), 0);
  EXPECT_TRUE(out.fragments().empty());
  JTktWriteContext noCallback{nullptr, nullptr};
  EXPECT_EQ(WriteJTktHeader(nullptr, 5), platform::paramErr);
  EXPECT_EQ(WriteJTktTrailer(&noCallback), platform::paramErr);
  EXPECT_EQ(WriteJTktOpAttrib(nullptr, false, "a", "b"), platform::paramErr);
}

TEST(JTktFrame, DefaultOutputWritesEveryByteOfTheFragment) {
  jtkt_test::MemoryStream memory;
  ASSERT_NE(memory.get(), nullptr);
  EXPECT_EQ(DevWriteJtkt(memory.get(), "ab\0cd", 5), 0);  // the length counts, not the NUL
  EXPECT_EQ(DevWriteJtkt(memory.get(), "ignored", 0), 0);
  EXPECT_EQ(DevWriteJtkt(nullptr, "x", 1), EOF);
  EXPECT_EQ(memory.bytes(), std::string("ab\0cd", 5));
}

PlistDict With(PlistDict ticket, std::initializer_list<std::pair<const char*, platform::PlistValue>> values) {
  for (const auto& [key, value] : values) ticket.insert_or_assign(key, value);
  return ticket;
}

// Which options give which document: nothing at all without options; the operation attributes
// need both names, and "use job name" takes the platform's, if any; covers only frame the document
// without job-level parts, and selected special pages frame it only when present.
TEST(JTktDriver, EachOptionGivesItsDocument) {
  struct Case {
    const char* name;
    PlistDict ticket;
    std::vector<std::string> present = {}, absent = {};  // none present: no document at all
  };
  const PlistDict names{{kJobNotesJobNameKey, "job"}, {kJobNotesSenderNameKey, "me"}};
  const PlistDict whole = With(jtkt_test::WholeDocumentTicket(), {{kJobNotesJobNameKey, "Brochure"}});
  const PlistDict covers = With(names, {{kJTKTOptionsKey, PlistDict{{kJTKTOptionCoversKey, true}}}});
  const PlistDict inserts{{kJTKTOptionsKey, PlistDict{{kJTKTOptionInsertsKey, true}}}};
  const PlistDict exceptions{{kJTKTOptionsKey, PlistDict{{kJTKTOptionExceptionsKey, true}}}};
  const std::string head = Framed("").substr(0, Framed("").find("\t</job-template-attributes>"));
  const Case cases[] = {
      {"no options", names},
      {"options that are no dictionary", With(names, {{kJTKTOptionsKey, "JTKTOptionAll"}})},
      {"a job name alone", whole, {"</jtkt>"}, {"jtkt-operation-attributes"}},
      {"both names", With(whole, {{kJobNotesSenderNameKey, "Ana"}}),
       {"<job-name syntax=\"name\" xml:space=\"preserve\">Brochure</job-name>"}},
      {"use job name", With(whole, {{kJobNotesSenderNameKey, "Ana"}, {kJobNotesUseJobNameKey, true}, {kPMJobNameKey, "d.pdf"}}),
       {">d.pdf</job-name>"}},
      {"use job name without one", With(whole, {{kJobNotesSenderNameKey, "Ana"}, {kJobNotesUseJobNameKey, true}}),
       {"</jtkt>"}, {"<job-name"}},
      {"covers without a cover", covers},
      // Job-level commands belong to whole documents.
      {"covers", With(covers, {{kFrontCoverKey, PlistDict{{"SidesImaged", 2}}}}),
       {head, "<cover-front ", "\t</job-template-attributes>\n</jtkt>"}, {"jtkt-operation-attributes", "<sides "}},
      // Pads alone get the document frame.
      {"pads", With(covers, {{kNoOfPadsKey, 2}, {kPadBackCoverKey, "No Back Cover"}, {kPagesPerPadsKey, 25}}),
       {head + "\t<pad-printing syntax=\"collection\">\n\t\t<number-of-sheets-per-pad syntax=\"integer\">25"
               "</number-of-sheets-per-pad>\n\t\t<pad-printing-type syntax=\"keyword\">pads-single-no-cover"
               "</pad-printing-type>\n\t</pad-printing>\n\t</job-template-attributes>\n</jtkt>"},
       {"jtkt-operation-attributes"}},
      {"inserts without a list", inserts},
      {"exceptions without a list", exceptions},
      {"inserts", With(inserts, {{kInsertListKey, platform::PlistArray{PlistDict{{"StartPage", 3}}}}}), {"</jtkt>"}},
      {"exceptions", With(exceptions, {{kExceptionListKey, platform::PlistArray{PlistDict{{"StartPage", 1}, {"EndPage", 2}}}}}),
       {"</jtkt>"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string document = Document(c.ticket);
    if (c.present.empty()) EXPECT_EQ(document, "");
    else EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
    for (const std::string& text : c.present) EXPECT_NE(document.find(text), std::string::npos) << text << "\n" << document;
    for (const std::string& text : c.absent) EXPECT_EQ(document.find(text), std::string::npos) << text << "\n" << document;
  }
}

// In a whole document the notes come before the job type, the media before the finishing, and
// both before the job-level commands.
TEST(JTktDriver, WholeDocumentPlacesEachFamily) {
  const std::string document = Document(With(jtkt_test::WholeDocumentTicket(),
                                             {{kFinishingOptionsKey, 32}, {kJobTypeKey, PlistDict{{"JobType", 2}}},
                                              {kJobNotesRecipientKey, "Desk 4"}}));
  const auto at = [&](const char* element) { return document.find(element); };
  ASSERT_NE(at("<job-hold-until"), std::string::npos);
  ASSERT_NE(at("<finishings syntax=\"1setOf\">"), std::string::npos);
  EXPECT_LT(at("<job-recipient-name"), at("<job-hold-until"));
  EXPECT_LT(at("<job-hold-until"), at("<sides "));
  EXPECT_LT(at("</media-col>"), at("<finishings syntax=\"1setOf\">"));
  EXPECT_LT(at("<finishings syntax=\"1setOf\">"), at("<sides "));
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

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  return names;
}

TEST(JTktExport, WritesTheDocumentOfTheKorvoItems) {
  korvo_test::TempDir dir;
  platform::Ticket ticket = jtkt_test::GoldenPlainJob();
  ASSERT_EQ(JTKTExportTicketToFile(&ticket, dir.file("job.xml")), platform::noErr);
  EXPECT_EQ(korvo_test::ReadFile(dir.file("job.xml")), jtkt_test::Golden("plain_job.xml"));
  EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::string>{"job.xml"});  // no temporary left
  // "Use job name" finds no platform name in the copy.
  ticket.set(kPMJobNameKey, "platform.pdf", "com.apple.print");
  ticket.set(kJobNotesUseJobNameKey, true, "K");
  ASSERT_EQ(JTKTExportTicketToFile(&ticket, dir.file("job.xml")), platform::noErr);
  EXPECT_EQ(korvo_test::ReadFile(dir.file("job.xml")).find("jtkt-operation-attributes"), std::string::npos);
  // A ticket without options gives an empty file.
  platform::Ticket bare;
  bare.set(kJobNotesJobNameKey, "x", "K");
  ASSERT_EQ(JTKTExportTicketToFile(&bare, dir.file("empty.xml")), platform::noErr);
  EXPECT_TRUE(fs::exists(dir.file("empty.xml")));
  EXPECT_EQ(korvo_test::ReadFile(dir.file("empty.xml")), "");
}

// Each failure: its status, one "ERROR:" line naming the file, and nothing left in the folder
// (a folder standing where the file should go stays as it was).
TEST(JTktExport, FailuresSayWhyInOneLineAndLeaveNoFile) {
  korvo_test::TempDir dir;
  const platform::Ticket ticket = jtkt_test::GoldenPlainJob();
  const std::string locked = dir.file("locked");
  fs::create_directory(locked);
  ::chmod(locked.c_str(), 0555);
  fs::create_directory(dir.file("folder.xml"));
  // The superuser writes through permission bits; /proc takes no new files from anyone.
  const std::string readOnly = (::geteuid() == 0 ? std::string("/proc") : locked) + "/job.xml";
  struct Case {
    const platform::Ticket* ticket;
    std::string path;
    platform::OSStatus status;
  };
  const Case cases[] = {{nullptr, dir.file("job.xml"), platform::kPMInvalidTicket},
                        {&ticket, dir.file("no-such-folder/job.xml"), platform::fnfErr},
                        {&ticket, readOnly, platform::ioErr},
                        {&ticket, dir.file("folder.xml"), platform::ioErr},
                        {nullptr, "", platform::paramErr}};
  for (const Case& c : cases) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(JTKTExportTicketToFile(c.ticket, c.path), c.status) << c.path;
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(log.starts_with("ERROR: ")) << log;
    EXPECT_NE(log.find(c.path), std::string::npos) << log;
    EXPECT_EQ(jtkt_test::Lines(log), 1) << log;
  }
  EXPECT_FALSE(fs::exists(readOnly));
  EXPECT_TRUE(FolderEntries(locked).empty());
  EXPECT_EQ(FolderEntries(dir.path()).size(), 2u);  // "locked" and "folder.xml", nothing else
  EXPECT_TRUE(fs::is_directory(dir.file("folder.xml")));
  ::chmod(locked.c_str(), 0755);
}

// The export fuzzer's seeds (and every input it ever found failing) as tickets: each document is
// accepted by xmllint.
TEST(JTktExportFuzzCorpus, EverySeedGivesAWellFormedDocument) {
  const int seeds = korvo_test::ReplayFuzzCorpus("jobticket_export", [](const std::string& bytes) {
    auto value = platform::ReadXMLPlist(bytes);
    ASSERT_TRUE(value && value->asDictionary()) << (value ? "not a dictionary" : value.error());
    platform::Ticket ticket;
    for (const auto& [key, item] : *value->asDictionary()) ticket.set(key, item, "K");
    const std::string document = jtkt_test::Document(JTKTCopyKorvoItems(ticket));
    ASSERT_FALSE(document.empty());
    EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
  });
  EXPECT_GE(seeds, 5);
}

}  // namespace
