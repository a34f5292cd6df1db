// Finishing: the conversion of the ticket's finishing keys, the enum set, templates, coil punch,
// booklet making with square fold and trim, slip sheets and the offset that follows.
#include <gtest/gtest.h>

#include "jobticket/writer/jtkt_finishing.h"
#include "jtkt_test_support.h"
#include "model/paper_output_keys.h"
#include "platform/status.h"
#include "vocabulary/printer_default.h"

namespace {

using jtkt_test::RecordingContext;
using jtkt_test::WrittenThrough;
using platform::PlistDict;

std::string Finishing(const PlistDict& ticket) {
  return WrittenThrough([&](const JTktWriter& w) { WriteJTKTFinishing(w, &ticket); });
}

// Square fold and trim "off", as the Paper/Output panel stores them.
PlistDict Off(PlistDict ticket) {
  ticket.insert_or_assign(kFinishingSquareFoldValueKey, -1);
  ticket.insert_or_assign(kFinishingTrimLengthValueKey, -1);
  return ticket;
}

// Every finishing option with the values that make it write, then the cases that choose between
// keys, orders and codes; each ticket's output in turn.
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
      // The first staple key that holds a staple gives it.
      Off({{kFinishingOptionsKey, 4}, {kFinishingStaple1ValueKey, 0}, {kFinishingStaple2ValueKey, 6}}),
      Off({{kFinishingOptionsKey, 9}, {kFinishingStaple1ValueKey, kPrinterDefault}, {kFinishingStapleCenterValueKey, 8}}),
      // A punch without its hole-count key takes the default count; a count the dialog never
      // stores sends the punch alone.
      Off({{kFinishingOptionsKey, 32}}),
      Off({{kFinishingOptionsKey, 33}, {kFinishingHolePunchOptionsKey, 5}}),
      Off({{kFinishingOptionsKey, 34}, {kFinishingHolePunchOptionsKey, 9}}),
      Off({{kFinishingOptionsKey, 34}, {kFinishingHolePunchOptionsKey, kPrinterDefault}}),
      // Punch and staple in staple, fold, punch order.
      Off({{kFinishingOptionsKey, 49}, {kFinishingHolePunchValueKey, 35}, {kFinishingStaple1ValueKey, 29},
           {kFinishingHolePunchOptionsKey, 3}}),
      Off({{kFinishingOptionsKey, 50}, {kFinishingZFoldValueKey, 39}, {kFinishingHolePunchValueKey, 32},
           {kFinishingStaple1ValueKey, 5}}),
      // Punch code 38 has no enum of its own; its hole count still goes with it.
      Off({{kFinishingOptionsKey, 49}, {kFinishingHolePunchValueKey, 49}}),
      // A template goes alone, escaped; without its name nothing is written.
      Off({{kFinishingOptionsKey, 22}, {kFinishingCustomKey, "Bind <A&B> \"x\""}, {kFinishingStaple1ValueKey, 5}}),
      Off({{kFinishingOptionsKey, 22}}),
      Off({{kFinishingOptionsKey, 58}, {kFinishingCoilPunchValueKey, 257}}),
      Off({{kFinishingOptionsKey, 58}, {kFinishingCoilPunchValueKey, 256}}),  // no such coil punch
      // Booklet making only with a square fold or a trim; missing ones mean none.
      Off({{kFinishingOptionsKey, 1}}),
      {{kFinishingOptionsKey, 1}, {kFinishingSquareFoldValueKey, 64}, {kFinishingTrimLengthValueKey, -1}},
      {{kFinishingOptionsKey, 1}},
      {{kFinishingOptionsKey, 1}, {kFinishingSquareFoldValueKey, kPrinterDefault},
       {kFinishingTrimLengthValueKey, kPrinterDefault}},
      {{kFinishingTrimLengthValueKey, 120}},
      // A booklet fold with square fold; an unknown square fold writes no square-fold member.
      {{kFinishingOptionsKey, 24}, {kFinishingFoldValueKey, 43}, {kFinishingSquareFoldValueKey, 62},
       {kFinishingTrimLengthValueKey, -1}},
      {{kFinishingOptionsKey, 24}, {kFinishingFoldValueKey, 43}, {kFinishingSquareFoldValueKey, 61},
       {kFinishingTrimLengthValueKey, -1}},
      // Slip sheets first and the offset last; slip sheets off write nothing.
      Off({{kFinishingSlipSheetKey, 2}, {kFinishingOptionsKey, 3}, {kFinishingOffsetKey, 3}}),
      Off({{kFinishingSlipSheetKey, 1}}),
  };
  std::string body;
  for (const PlistDict& ticket : tickets) body += Finishing(ticket);
  jtkt_test::ExpectGolden(jtkt_test::Framed(body), "finishing.xml");
}

TEST(JTktFinishing, RecordsWriteEachLineAsItsOwnFragmentAndNoEmptySet) {
  JTktFinishing record;
  record.nStapleOptions = 0;
  record.trimWidth = 5;
  RecordingContext out;
  WriteJTktFinishing(out.get(), &record);
  ASSERT_EQ(out.fragments().size(), 10u);
  for (const std::string& fragment : out.fragments()) EXPECT_EQ(fragment.find('\n'), fragment.size() - 1) << fragment;
  EXPECT_EQ(WriteJTktFinishing(nullptr, &record), platform::paramErr);
  EXPECT_EQ(WriteJTktFinishing(out.get(), nullptr), platform::paramErr);
  // Codes without an enum write no empty set; a hole count beside them still does.
  JTktFinishing codes;
  codes.nStapleOptions = 8;
  codes.nFoldOptions = 99;
  out.clear();
  EXPECT_EQ(WriteJTktFinishing(out.get(), &codes), platform::noErr);
  EXPECT_EQ(out.text(), "");
  codes.nHolePunchOptions = 31;
  codes.nHolePunchNumHoles = 40;
  out.clear();
  WriteJTktFinishing(out.get(), &codes);
  EXPECT_EQ(out.text(), "\t\t<finishings syntax=\"1setOf\">\n\t\t\t<value syntax=\"enum\">93</value>\n\t\t</finishings>\n");
}

}  // namespace
