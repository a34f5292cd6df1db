// korvo-pde's own round trip, as a print room runs it: a session's export, imported into a fresh
// session and exported again, is the same file; the panels' Sync before each export changes
// nothing the first export said.
#include <gtest/gtest.h>

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

using jtkt_test::Program;
class RoundTripCommand : public ::testing::Test {
 protected:
  void Run(const std::string& arguments) {
    std::string out;
    ASSERT_EQ(korvo_test::RunCommand(Program() + " " + arguments + " 2>" + dir.file("err.txt"), &out), 0)
        << arguments << "\n" << out << korvo_test::ReadFile(dir.file("err.txt"));
  }
  // export(s) -> a; import a into a fresh session; export -> b; a and b are returned.
  std::pair<std::string, std::string> Cycle(const std::string& session) {
    const std::string fresh = dir.file("fresh" + std::to_string(++cycles) + ".plist");
    const std::string a = dir.file("a.xml"), b = dir.file("b.xml");
    Run("export --session " + session + " -o " + a);
    Run("show --session " + fresh);
    Run("import --session " + fresh + " " + a);
    Run("export --session " + fresh + " -o " + b);
    const std::string first = korvo_test::ReadFile(a);
    EXPECT_EQ(jtkt_test::XmllintComplaint(first), "");
    return {first, korvo_test::ReadFile(b)};
  }
  // A session holding what the file at path describes.
  std::string SessionOf(const std::string& document) {
    const std::string session = dir.file("s" + std::to_string(++cycles) + ".plist"), file = dir.file("in.xml");
    korvo_test::WriteFile(file, document);
    Run("show --session " + session);
    Run("import --session " + session + " " + file);
    return session;
  }
  korvo_test::TempDir dir;
  int cycles = 0;
};

// The golden jobs and generated tickets, each brought into a session through the dialog first:
// what the panels keep of it comes back whole.
TEST_F(RoundTripCommand, GoldenJobsAndGeneratedTicketsInASessionExportTheSameFileTwice) {
  std::vector<std::string> documents;
  for (const char* job : {"plain_job.xml", "special_pages_job.xml", "booklet.xml", "color_job.xml"})
    documents.push_back(jtkt_test::Golden(job));
  std::mt19937 random(7);
  const jtkt_test::TicketChoice choose = [&](std::uint32_t bound) {
    return std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(random);
  };
  for (int i = 0; i < 8; ++i) documents.push_back(jtkt_test::Document(jtkt_test::GenerateTicket(choose)));
  for (std::size_t i = 0; i < documents.size(); ++i) {
    const auto [first, second] = Cycle(SessionOf(documents[i]));
    EXPECT_EQ(second, first) << i;
  }
}

TEST_F(RoundTripCommand, SessionsMadeWithSetExportTheSameFileTwice) {
  const std::vector<std::string> choices = {
      "\"Paper=Color>Blue\" \"TwoSided=Two-Sided (Long Edge)\" \"Finishing=1 Staple...>Portrait - Top Left or Landscape - Top Right\"",
      "\"Finishing=Booklet Creation...>Booklet Fold\" \"Panel=Advanced\" PagesToPrint=on PagesFrom=3 PagesTo=9",
      "\"Finishing=Offset/Subset...>Offset Each Subset>Offset Subsets>PagesPerSubset=12\" \"Finishing=Slip Sheets\"",
      "\"Panel=Image Options\" \"Halftone=Stochastic\" \"ImageShiftSetup=Option=Independent>Units=Millimeters>X1=2.5\"",
      "\"Panel=Job Notes\" \"BannerMessage=Hello & all\" \"Recipient=Ana\"",
  };
  for (const std::string& choice : choices) {
    const std::string session = dir.file("set" + std::to_string(++cycles) + ".plist");
    Run("set --session " + session + " " + choice);
    const auto [first, second] = Cycle(session);
    EXPECT_EQ(second, first) << choice;
  }
}

// Background-form offsets come back in thousandths of a millimetre and stay so through the
// panels' Sync: the offset of the file is the offset of every later export.
TEST_F(RoundTripCommand, BackgroundFormOffsetsKeepTheirPrecision) {
  const std::string forms = jtkt_test::Framed(
      "\t\t<forms-col syntax=\"1setOf\">\n\t\t\t<value syntax=\"collection\">\n"
      "\t\t\t\t<form-name syntax=\"name\" xml:space=\"preserve\">Letterhead</form-name>\n"
      "\t\t\t\t<form-cycle-start syntax=\"integer\">2</form-cycle-start>\n"
      "\t\t\t\t<forms-x-image-shift syntax=\"integer\">6350</forms-x-image-shift>\n"
      "\t\t\t\t<forms-y-image-shift syntax=\"integer\">-254</forms-y-image-shift>\n"
      "\t\t\t</value>\n\t\t</forms-col>\n");
  const auto [first, second] = Cycle(SessionOf(forms));
  EXPECT_NE(first.find("<forms-x-image-shift syntax=\"integer\">6350</forms-x-image-shift>"), std::string::npos) << first;
  EXPECT_NE(first.find("<forms-y-image-shift syntax=\"integer\">-254</forms-y-image-shift>"), std::string::npos) << first;
  EXPECT_EQ(second, first);
}

// What the writer writes, the reader takes: texts past the printer's lengths are written cut to
// them (counted in characters, however many bytes), a darkness past its steps not at all, and a
// pad cover paper that says nothing of punching keeps saying nothing.
TEST_F(RoundTripCommand, TextsStepsAndPadPapersPastWhatTheReaderTakesComeBackAsWritten) {
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
  const std::string session = dir.file("made.plist");
  ASSERT_TRUE(made.save(session));
  const auto [first, second] = Cycle(session);
  EXPECT_EQ(second, first);
  std::string kept;
  for (int i = 0; i < 1023; ++i) kept += "\xF0\x9F\x98\x80";
  EXPECT_NE(first.find(">" + kept + "</job-message-to-operator>"), std::string::npos);
  EXPECT_NE(first.find(">" + std::string(255, 'r') + "</job-recipient-name>"), std::string::npos);
  EXPECT_EQ(first.find("adjust-bw-darkness-value"), std::string::npos);
  for (const std::string& name : {std::string(30, 't'), std::string(30, 'c'), std::string(255, 'f')})
    EXPECT_NE(first.find(">" + name + "<"), std::string::npos) << name.substr(0, 1) << " is not cut to its length";

  const std::string pads = jtkt_test::Document(platform::PlistDict{
      {"com.korvo.print.JTKTOptions", platform::PlistDict{{"JTKTOptionAll", true}}}, {kNoOfPadsKey, 1},
      {kPadBackCoverKey, "Blank Back Cover"}, {kPadLevelStockKey, platform::PlistDict{{"Weight", 120}}}});
  ASSERT_EQ(pads.find("media-hole-count"), std::string::npos);
  EXPECT_EQ(Cycle(SessionOf(pads)).first.find("media-hole-count"), std::string::npos);
}

}  // namespace
