// Finishing: the conversion of the ticket's finishing keys, the enum set, templates, coil punch,
// booklet making with square fold and trim, slip sheets and the offset that follows.
#include <gtest/gtest.h>

#include "jobticket/writer/jtkt_finishing.h"
#include "jobticket/writer/jtkt_ticket_keys.h"
#include "jtkt_test_support.h"
#include "platform/status.h"
#include "vocabulary/printer_default.h"

namespace {

using jtkt_test::RecordingContext;
using jtkt_test::WrittenByDefaultOutput;
using platform::PlistDict;

std::string Finishing(const PlistDict& ticket) {
  return WrittenByDefaultOutput([&] { WriteJTKTFinishing(&ticket); });
}

std::string Enum(int value) { return "\t\t\t<value syntax=\"enum\">" + std::to_string(value) + "</value>\n"; }

std::string Set(const std::string& values) {
  return "\t\t<finishings syntax=\"1setOf\">\n" + values + "\t\t</finishings>\n";
}

std::string Booklet(const std::string& members) {
  return "\t\t<finishings-col syntax=\"collection\">\n\t\t\t<booklet-making syntax=\"collection\">\n" + members +
         "\t\t\t</booklet-making>\n\t\t</finishings-col>\n";
}

std::string Member(const char* element, const char* keyword) {
  return std::string("\t\t\t\t<") + element + " syntax=\"keyword\">" + keyword + "</" + element + ">\n";
}

std::string NoTrim() {
  return Member("booklet-trim-type", "none") + "\t\t\t\t<booklet-trim-width syntax=\"integer\">0</booklet-trim-width>\n";
}

// Square fold and trim "off", as the Paper/Output panel stores them.
PlistDict Off(PlistDict ticket) {
  ticket.insert_or_assign(kFinishingSquareFoldValueKey, -1);
  ticket.insert_or_assign(kFinishingTrimLengthValueKey, -1);
  return ticket;
}

TEST(JTktFinishing, StapleFromTheFirstStapleKeyThatHoldsOne) {
  EXPECT_EQ(Finishing(Off({{kFinishingOptionsKey, 4}, {kFinishingStaple1ValueKey, 0}, {kFinishingStaple2ValueKey, 6}})),
            Set(Enum(21)));
  EXPECT_EQ(Finishing(Off({{kFinishingOptionsKey, 9}, {kFinishingStaple1ValueKey, kPrinterDefault},
                           {kFinishingStapleCenterValueKey, 8}})),
            Set(Enum(23)));
}

TEST(JTktFinishing, PunchWithoutHoleCountKeyTakesTheDefaultCount) {
  EXPECT_EQ(Finishing(Off({{kFinishingOptionsKey, 32}})), Set(Enum(93) + Enum(91)));
  EXPECT_EQ(Finishing(Off({{kFinishingOptionsKey, 33}, {kFinishingHolePunchOptionsKey, 5}})), Set(Enum(94) + Enum(92)));
  // A count the dialog never stores sends the punch alone.
  EXPECT_EQ(Finishing(Off({{kFinishingOptionsKey, 34}, {kFinishingHolePunchOptionsKey, 9}})), Set(Enum(96)));
  EXPECT_EQ(Finishing(Off({{kFinishingOptionsKey, 34}, {kFinishingHolePunchOptionsKey, kPrinterDefault}})),
            Set(Enum(96)));
}

TEST(JTktFinishing, PunchAndStapleInStapleFoldPunchOrder) {
  EXPECT_EQ(Finishing(Off({{kFinishingOptionsKey, 49}, {kFinishingHolePunchValueKey, 35}, {kFinishingStaple1ValueKey, 29},
                           {kFinishingHolePunchOptionsKey, 3}})),
            Set(Enum(34) + Enum(95) + Enum(90)));
  EXPECT_EQ(Finishing(Off({{kFinishingOptionsKey, 50}, {kFinishingZFoldValueKey, 39}, {kFinishingHolePunchValueKey, 32},
                           {kFinishingStaple1ValueKey, 5}})),
            Set(Enum(20) + Enum(1008) + Enum(93) + Enum(91)));
}

TEST(JTktFinishing, TemplateAloneEscaped) {
  EXPECT_EQ(Finishing(Off({{kFinishingOptionsKey, 22}, {kFinishingCustomKey, "Bind <A&B> \"x\""},
                           {kFinishingStaple1ValueKey, 5}})),
            "\t\t<finishings-col syntax=\"collection\">\n"
            "\t\t\t<finishing-template syntax=\"name\" xml:space=\"preserve\">Bind &lt;A&amp;B&gt; &quot;x&quot;"
            "</finishing-template>\n\t\t</finishings-col>\n");
  EXPECT_EQ(Finishing(Off({{kFinishingOptionsKey, 22}})), "");
}

TEST(JTktFinishing, CoilPunch) {
  EXPECT_EQ(Finishing(Off({{kFinishingOptionsKey, 58}, {kFinishingCoilPunchValueKey, 257}})), Set(Enum(256)));
  EXPECT_EQ(Finishing(Off({{kFinishingOptionsKey, 58}, {kFinishingCoilPunchValueKey, 255}})), Set(Enum(254)));
  EXPECT_EQ(Finishing(Off({{kFinishingOptionsKey, 58}, {kFinishingCoilPunchValueKey, 256}})), "");
}

TEST(JTktFinishing, BookletMakingOnlyWithSquareFoldOrTrim) {
  EXPECT_EQ(Finishing(Off({{kFinishingOptionsKey, 1}})), Set(Enum(3)));
  PlistDict squareFold = Off({{kFinishingOptionsKey, 1}});
  squareFold.insert_or_assign(kFinishingSquareFoldValueKey, 64);
  EXPECT_EQ(Finishing(squareFold), Set(Enum(3)) + Booklet(Member("booklet-square-fold-type", "normal") + NoTrim()));
}

TEST(JTktFinishing, MissingSquareFoldAndTrimMeanNone) {
  EXPECT_EQ(Finishing({{kFinishingOptionsKey, 1}}), Set(Enum(3)));
  EXPECT_EQ(Finishing({{kFinishingOptionsKey, 1}, {kFinishingSquareFoldValueKey, kPrinterDefault},
                       {kFinishingTrimLengthValueKey, kPrinterDefault}}),
            Set(Enum(3)));
  EXPECT_EQ(Finishing({{kFinishingTrimLengthValueKey, 120}}),
            Booklet(Member("booklet-square-fold-type", "none") + Member("booklet-trim-type", "trim-width") +
                    "\t\t\t\t<booklet-trim-width syntax=\"integer\">120</booklet-trim-width>\n"));
}

TEST(JTktFinishing, BookletFoldWithSquareFold) {
  PlistDict ticket = Off({{kFinishingOptionsKey, 24}, {kFinishingFoldValueKey, 43}});
  ticket.insert_or_assign(kFinishingSquareFoldValueKey, 62);
  EXPECT_EQ(Finishing(ticket), Set(Enum(111)) + Booklet(Member("booklet-fold-type", "short-edge-n-sheet-convex") +
                                                         Member("booklet-square-fold-type", "high-2") +
                                                         Member("booklet-staple-type", "none") + NoTrim()));
  // An unknown square fold writes no square-fold member; the rest stays.
  ticket.insert_or_assign(kFinishingSquareFoldValueKey, 61);
  EXPECT_EQ(Finishing(ticket), Set(Enum(111)) + Booklet(Member("booklet-fold-type", "short-edge-n-sheet-convex") +
                                                         Member("booklet-staple-type", "none") + NoTrim()));
}

TEST(JTktFinishing, CodesWithoutEnumWriteNoEmptySet) {
  // Punch code 38 has no enum of its own; its hole count still goes with it.
  EXPECT_EQ(Finishing(Off({{kFinishingOptionsKey, 49}, {kFinishingHolePunchValueKey, 49}})), Set(Enum(91)));
  JTktFinishing record;
  record.nStapleOptions = 8;
  record.nFoldOptions = 99;
  RecordingContext out;
  EXPECT_EQ(WriteJTktFinishing(out.get(), &record), platform::noErr);
  EXPECT_EQ(out.text(), "");
  record.nHolePunchOptions = 31;
  record.nHolePunchNumHoles = 40;
  WriteJTktFinishing(out.get(), &record);
  EXPECT_EQ(out.text(), Set(Enum(93)));
}

TEST(JTktFinishing, EachLineIsItsOwnFragment) {
  JTktFinishing record;
  record.nStapleOptions = 0;
  record.trimWidth = 5;
  RecordingContext out;
  WriteJTktFinishing(out.get(), &record);
  ASSERT_EQ(out.fragments().size(), 10u);
  for (const std::string& fragment : out.fragments()) EXPECT_EQ(fragment.find('\n'), fragment.size() - 1) << fragment;
  EXPECT_EQ(WriteJTktFinishing(nullptr, &record), platform::paramErr);
  EXPECT_EQ(WriteJTktFinishing(out.get(), nullptr), platform::paramErr);
}

TEST(JTktFinishing, SlipSheetsFirstAndOffsetLast) {
  const std::string written = Finishing(Off(
      {{kFinishingSlipSheetKey, 2}, {kFinishingOptionsKey, 3}, {kFinishingOffsetKey, 3}}));
  EXPECT_EQ(written,
            "\t\t<separator-sheets syntax=\"collection\">\n"
            "\t\t\t<separator-sheets-type syntax=\"keyword\">slip-sheets</separator-sheets-type>\n"
            "\t\t</separator-sheets>\n" +
                Set(Enum(13)) +
                "\t\t<job-offset syntax=\"1setOf\">\n\t\t\t<value syntax=\"keyword\">offset-set</value>\n"
                "\t\t</job-offset>\n");
  EXPECT_EQ(Finishing(Off({{kFinishingSlipSheetKey, 1}})), "");
  const std::string log = jtkt_test::DiagnosticsOf([] {
    const PlistDict ticket{{kFinishingSlipSheetKey, 2}};
    WrittenByDefaultOutput([&] { WriteJTKTFinishing(&ticket); });
  });
  EXPECT_NE(log.find("DEBUG: ************** SLIPSHEET ON ****************\n"), std::string::npos);
  EXPECT_EQ(WrittenByDefaultOutput([] { WriteJTKTFinishing(nullptr); }), "");
}

// Every finishing option with the values that make it write, each ticket's output in turn.
TEST(JTktFinishing, EveryFinishingMatchesTheGoldenFile) {
  const std::vector<PlistDict> tickets{
      {{kFinishingOptionsKey, 0}, {kBookletFoldStapleKey, 7}, {kFinishingSquareFoldValueKey, 63}},
      {{kFinishingOptionsKey, 0}, {kBookletFoldStapleKey, 8}, {kFinishingTrimLengthValueKey, 250}},
      {{kFinishingOptionsKey, 1}},
      {{kFinishingOptionsKey, 3}},
      {{kFinishingOptionsKey, 4}, {kFinishingStaple1ValueKey, 10}},
      {{kFinishingOptionsKey, 9}, {kFinishingStaple2ValueKey, 11}},
      {{kFinishingOptionsKey, 25}, {kFinishingStapleCenterValueKey, 12}},
      {{kFinishingOptionsKey, 25}, {kFinishingStaple1ValueKey, 13}},
      {{kFinishingOptionsKey, 4}, {kFinishingStaple1ValueKey, 26}},
      {{kFinishingOptionsKey, 4}, {kFinishingStaple1ValueKey, 27}},
      {{kFinishingOptionsKey, 4}, {kFinishingStaple1ValueKey, 28}},
      {{kFinishingOptionsKey, 4}, {kFinishingStaple1ValueKey, 7}},
      {{kFinishingOptionsKey, 14}, {kFinishingBindValueKey, 15}},
      {{kFinishingOptionsKey, 14}, {kFinishingBindValueKey, 16}},
      {{kFinishingOptionsKey, 18}, {kFinishingFoldValueKey, 19}},
      {{kFinishingOptionsKey, 18}, {kFinishingFoldValueKey, 20}},
      {{kFinishingOptionsKey, 22}, {kFinishingCustomKey, "Ring & Wire \xE2\x80\x94 A4"}},
      {{kFinishingOptionsKey, 24}, {kFinishingFoldValueKey, 41}, {kFinishingSquareFoldValueKey, 65}},
      {{kFinishingOptionsKey, 24}, {kFinishingFoldValueKey, 42}, {kFinishingSquareFoldValueKey, 66},
       {kFinishingTrimLengthValueKey, 80}},
      {{kFinishingOptionsKey, 40}, {kFinishingFoldValueKey, 44}},
      {{kFinishingOptionsKey, 40}, {kFinishingFoldValueKey, 45}},
      {{kFinishingOptionsKey, 40}, {kFinishingFoldValueKey, 46}},
      {{kFinishingOptionsKey, 40}, {kFinishingFoldValueKey, 47}},
      {{kFinishingOptionsKey, 40}, {kFinishingFoldValueKey, 48}},
      {{kFinishingOptionsKey, 40}, {kFinishingFoldValueKey, 53}, {kFinishingSquareFoldValueKey, -1},
       {kFinishingTrimLengthValueKey, 30}},
      {{kFinishingOptionsKey, 30}, {kFinishingHolePunchValueKey, 34}, {kFinishingHolePunchOptionsKey, 4}},
      {{kFinishingOptionsKey, 35}},
      {{kFinishingOptionsKey, 36}, {kFinishingZFoldValueKey, 38}},
      {{kFinishingOptionsKey, 51}, {kFinishingZFoldValueKey, 39}, {kFinishingStaple1ValueKey, 6}},
      {{kFinishingOptionsKey, 52}, {kFinishingZFoldValueKey, 38}, {kFinishingHolePunchValueKey, 33}},
      {{kFinishingOptionsKey, 58}, {kFinishingCoilPunchValueKey, 255}},
      {{kFinishingOptionsKey, 59}, {kFinishingStaple1ValueKey, 5}},
  };
  std::string body;
  for (const PlistDict& ticket : tickets) body += Finishing(ticket);
  const std::string document = jtkt_test::Framed(body);
  EXPECT_EQ(document, jtkt_test::Golden("finishing.xml"));
  EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
}

TEST(JTktFinishing, WholeDocumentPlacesFinishingAfterTheMedia) {
  PlistDict ticket = jtkt_test::WholeDocumentTicket();
  ticket.insert_or_assign(kFinishingOptionsKey, 32);
  const std::string document = jtkt_test::Document(ticket);
  const auto media = document.find("</media-col>");
  const auto finishing = document.find("<finishings syntax=\"1setOf\">");
  const auto sides = document.find("<sides ");
  ASSERT_NE(finishing, std::string::npos);
  EXPECT_LT(media, finishing);
  EXPECT_LT(finishing, sides);
  EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
}

}  // namespace
