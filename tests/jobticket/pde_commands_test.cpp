// korvo-pde export and import, run as a user or a print room runs them: the dialog opens on the
// session, the plug-in writes or merges the file, import saves the session and prints the summary,
// a bad file or a bad argument changes nothing; and a session's export, imported into a fresh
// session and exported again, is the same file (the panels' Sync before each export changes
// nothing the first export said).
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "jtkt_test_support.h"
#include "model/job_level_stock.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_keys.h"
#include "model/special_pages_ticket.h"
#include "platform/ticket/print_session.h"
#include "support/test_support.h"
#include "ticket_generator.h"

namespace {

namespace fs = std::filesystem;
using korvo_test::ReadFile;

class PdeCommands : public ::testing::Test {
 protected:
  // Answers korvo-pde's status for the arguments; what it wrote goes to out and err.
  int Pde(const std::string& arguments, std::string* err = nullptr, std::string* out = nullptr) {
    std::string ignored;
    const std::string program = std::string(KORVO_BIN_DIR) + "/korvo-pde ";
    const int status = korvo_test::RunCommand(program + arguments + " 2>" + dir.file("err.txt"), out ? out : &ignored);
    if (err) *err = ReadFile(dir.file("err.txt"));
    return status;
  }
  void Run(const std::string& arguments) {
    std::string err;
    ASSERT_EQ(Pde(arguments, &err), 0) << arguments << "\n" << err;
  }
  // A fresh session of the sample printer, as `show` leaves it.
  std::string NewSession() {
    const std::string session = dir.file("s" + std::to_string(++shown) + ".plist");
    Run("show --session " + session);
    return session;
  }
  // A session holding what the document describes.
  std::string SessionOf(const std::string& document) {
    const std::string session = NewSession(), file = dir.file("in.xml");
    korvo_test::WriteFile(file, document);
    Run("import --session " + session + " " + file);
    return session;
  }
  // export -> a; import a into a fresh session; export -> b; a and b are returned.
  std::pair<std::string, std::string> Cycle(const std::string& session) {
    const std::string fresh = NewSession(), a = dir.file("a.xml"), b = dir.file("b.xml");
    Run("export --session " + session + " -o " + a);
    Run("import --session " + fresh + " " + a);
    Run("export --session " + fresh + " -o " + b);
    EXPECT_EQ(jtkt_test::XmllintComplaint(ReadFile(a)), "");
    return {ReadFile(a), ReadFile(b)};
  }
  korvo_test::TempDir dir;
  int shown = 0;
};

// Standard output and a link to it (followed, and kept a link) get the file's document.
TEST_F(PdeCommands, ExportOfTheSamplePrintersDefaultSessionGivesAWellFormedFileOnEveryOutput) {
  const std::string session = NewSession(), before = ReadFile(session);
  std::string err, piped, linked;
  ASSERT_EQ(Pde("export --session " + session + " -o " + dir.file("job.xml"), &err), 0) << err;
  EXPECT_EQ(err, "");
  const std::string written = ReadFile(dir.file("job.xml"));
  EXPECT_TRUE(written.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n")) << written;
  EXPECT_TRUE(written.ends_with("</jtkt>"));
  EXPECT_EQ(jtkt_test::XmllintComplaint(written), "");
  EXPECT_EQ(ReadFile(session), before);  // export saves nothing
  ASSERT_EQ(Pde("export --session " + session + " -o -", nullptr, &piped), 0);
  EXPECT_EQ(piped, written);
  ASSERT_EQ(korvo_test::RunCommand("ln -s /proc/self/fd/1 " + dir.file("out"), nullptr), 0);
  ASSERT_EQ(Pde("export --session " + session + " -o " + dir.file("out"), nullptr, &linked), 0);
  EXPECT_EQ(linked, piped);
  EXPECT_TRUE(fs::is_symlink(dir.file("out")));
}

// A folder or a session file that is not there: one "ERROR:" line naming it, and no file; bad
// arguments are usage errors.
TEST_F(PdeCommands, ExportFailuresSayWhyInOneLineAndLeaveNoFile) {
  const std::string session = NewSession(), target = dir.file("missing/job.xml");
  struct Case {
    std::string arguments, named, absent;
  };
  for (const Case& c : {Case{"--session " + session + " -o " + target, target, dir.file("missing")},
                        Case{"--session " + dir.file("nope.plist") + " -o " + dir.file("job.xml"), "nope.plist",
                             dir.file("job.xml")}}) {
    std::string err;
    EXPECT_EQ(Pde("export " + c.arguments, &err), 1) << c.arguments;
    EXPECT_TRUE(err.starts_with("ERROR: ")) << err;
    EXPECT_NE(err.find(c.named), std::string::npos) << err;
    EXPECT_EQ(jtkt_test::Lines(err), 1) << err;
    EXPECT_FALSE(fs::exists(c.absent));
  }
  std::string err;
  EXPECT_EQ(Pde("export --session " + session, &err), 2);
  EXPECT_NE(err.find("usage:"), std::string::npos) << err;
  for (const std::string& arguments : {"-o " + dir.file("job.xml"), "--session " + session + " -o",
                                       "--session " + session + " -o " + dir.file("a.xml") + " extra.xml"})
    EXPECT_EQ(Pde("export " + arguments), 2) << arguments;
  EXPECT_FALSE(fs::exists(dir.file("a.xml")));
}

// What the summary says is the reader's (ReaderSummary); what reaches the session, the export
// of the session below.
TEST_F(PdeCommands, AGoodImportPrintsTheSummaryAndABadFileOrBadArgumentsLeaveTheSessionAsItWas) {
  const std::string session = NewSession(), good = dir.file("good.xml"), bad = dir.file("bad.xml");
  korvo_test::WriteFile(good, jtkt_test::Golden("plain_job.xml"));
  korvo_test::WriteFile(bad, "<jtkt><job-template-attributes><sides>");
  std::string out, err;
  ASSERT_EQ(Pde("import --session " + session + " " + good, &err, &out), 0) << err;
  EXPECT_EQ(err, "");
  EXPECT_NE(out.find("\t\tJob Name: Spring catalogue\n"), std::string::npos) << out;
  const std::string before = ReadFile(session);
  EXPECT_EQ(Pde("import --session " + session + " " + good + " " + bad, &err), 1);
  EXPECT_EQ(err.rfind("ERROR: " + bad + ": not well-formed XML", 0), 0u) << err;
  EXPECT_EQ(Pde("import --session " + session + " " + dir.file("missing.xml"), &err), 1);
  EXPECT_TRUE(err.starts_with("ERROR: cannot open " + dir.file("missing.xml"))) << err;
  EXPECT_EQ(Pde("import --session " + session), 2);
  EXPECT_EQ(Pde("import " + good), 2);
  EXPECT_EQ(ReadFile(session), before);
}

// Golden jobs, generated tickets, sessions made with `set` and sessions holding what the reader
// once took differently, each brought into a session through the dialog first: what the panels
// keep of it comes back whole. Background-form offsets stay in thousandths of a millimetre through
// the panels' Sync; texts past the printer's lengths are written cut to them (counted in
// characters, however many bytes), a darkness past its steps not at all, and a pad cover paper
// that says nothing of punching keeps saying nothing.
TEST_F(PdeCommands, EverySessionExportsTheSameFileTwice) {
  struct Session {
    std::string path;
    std::vector<std::string> present = {}, absent = {};
  };
  std::vector<Session> sessions;
  // The job's importable settings are all in the export of the session that imported it.
  sessions.push_back({SessionOf(jtkt_test::Golden("plain_job.xml")),
                      {"<job-name syntax=\"name\" xml:space=\"preserve\">Spring catalogue</job-name>",
                       "<media-weight-metric syntax=\"integer\">105</media-weight-metric>",
                       "<sides syntax=\"keyword\">two-sided-long-edge</sides>",
                       "<page-delivery syntax=\"keyword\">reverse-order-face-up</page-delivery>",
                       ">Ana Lima</requesting-user-name>", "<cross-feed syntax=\"integer\">600</cross-feed>"}});
  for (const char* job : {"special_pages_job.xml", "booklet.xml", "color_job.xml"})
    sessions.push_back({SessionOf(jtkt_test::Golden(job))});
  std::mt19937 random(7);
  const jtkt_test::TicketChoice choose = [&](std::uint32_t bound) {
    return std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(random);
  };
  for (int i = 0; i < 8; ++i) sessions.push_back({SessionOf(jtkt_test::Document(jtkt_test::GenerateTicket(choose)))});
  for (const char* choice : {
           "\"Paper=Color>Blue\" \"TwoSided=Two-Sided (Long Edge)\" "
           "\"Finishing=1 Staple...>Portrait - Top Left or Landscape - Top Right\"",
           "\"Finishing=Booklet Creation...>Booklet Fold\" \"Panel=Advanced\" PagesToPrint=on PagesFrom=3 PagesTo=9",
           "\"Finishing=Offset/Subset...>Offset Each Subset>Offset Subsets>PagesPerSubset=12\" \"Finishing=Slip Sheets\"",
           "\"Panel=Image Options\" \"Halftone=Stochastic\" \"ImageShiftSetup=Option=Independent>Units=Millimeters>X1=2.5\"",
           "\"Panel=Job Notes\" \"BannerMessage=Hello & all\" \"Recipient=Ana\""}) {
    sessions.push_back({dir.file("set" + std::to_string(sessions.size()) + ".plist")});
    Run("set --session " + sessions.back().path + " " + choice);
  }
  const std::string formX = "<forms-x-image-shift syntax=\"integer\">6350</forms-x-image-shift>\n";
  const std::string formY = "<forms-y-image-shift syntax=\"integer\">-254</forms-y-image-shift>\n";
  sessions.push_back({SessionOf(jtkt_test::Framed("\t\t<forms-col syntax=\"1setOf\">\n\t\t\t<value syntax=\"collection\">\n"
                                                  "\t\t\t\t<form-name syntax=\"name\" xml:space=\"preserve\">Letterhead</form-name>\n"
                                                  "\t\t\t\t<form-cycle-start syntax=\"integer\">2</form-cycle-start>\n\t\t\t\t" +
                                                  formX + "\t\t\t\t" + formY + "\t\t\t</value>\n\t\t</forms-col>\n")),
                      {formX, formY}});
  platform::PrintSession made;
  platform::Ticket& t = made.ensureTicket(platform::kPDE_PMPrintSettingsRef);
  std::string laughs;
  for (int i = 0; i < 1100; ++i) laughs += "\xF0\x9F\x98\x80";
  t.set(kJobNotesMessageKey, laughs, "K");
  t.set(kJobNotesRecipientKey, std::string(300, 'r'), "K");
  t.set(kExceptionListKey, platform::PlistArray{platform::PlistDict{{"StartPage", 2}, {"EndPage", 3}, {"LightenDarken", 7}}}, "K");
  t.set(kJobLevelStockKey,
        platform::PlistDict{{"Type", 7}, {"CustomType", std::string(40, 't')}, {"Color", 10}, {"CustomColor", std::string(40, 'c')}},
        "K");
  t.set(kFinishingOptionsKey, 22, "K");
  t.set(kFinishingCustomKey, std::string(300, 'f'), "K");
  sessions.push_back({dir.file("made.plist"),
                      {">" + laughs.substr(0, 1023 * 4) + "</job-message-to-operator>",
                       ">" + std::string(255, 'r') + "</job-recipient-name>", ">" + std::string(30, 't') + "<",
                       ">" + std::string(30, 'c') + "<", ">" + std::string(255, 'f') + "<"},
                      {"adjust-bw-darkness-value"}});
  ASSERT_TRUE(made.save(sessions.back().path));
  const std::string pads = jtkt_test::Document(platform::PlistDict{
      {"com.korvo.print.JTKTOptions", platform::PlistDict{{"JTKTOptionAll", true}}}, {kNoOfPadsKey, 1},
      {kPadBackCoverKey, "Blank Back Cover"}, {kPadLevelStockKey, platform::PlistDict{{"Weight", 120}}}});
  ASSERT_EQ(pads.find("media-hole-count"), std::string::npos);
  sessions.push_back({SessionOf(pads), {"<pad-printing "}, {"media-hole-count"}});
  for (const Session& session : sessions) {
    SCOPED_TRACE(session.path);
    const auto [first, second] = Cycle(session.path);
    EXPECT_EQ(second, first);
    for (const std::string& text : session.present) EXPECT_NE(first.find(text), std::string::npos) << text;
    for (const std::string& text : session.absent) EXPECT_EQ(first.find(text), std::string::npos) << text;
  }
}

}  // namespace
