// The job-level command emitter and the three structured job-level emitters.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "jobticket/writer/jtkt_commands.h"
#include "jtkt_test_support.h"
#include "platform/status.h"
#include "vocabulary/printer_default.h"

namespace {

using jtkt_test::RecordingContext;

// Every command with the values its row lists and a few it does not; unknown values and codes
// write an empty fragment.
const std::vector<std::pair<int, std::int32_t>> kCalls = {
    {0, 2},   {1, 1},   {1, 0},   {1, 7},   {2, 0},   {2, 1},   {2, 2},   {2, 5},   {3, 0},   {3, 1},   {3, 2},
    {3, 3},   {3, 9},   {4, 0},   {4, 1},   {4, 2},   {4, 3},   {4, 4},   {4, 5},   {4, 6},   {4, 7},   {4, 8},
    {4, 9},   {4, 10},  {4, 11},  {4, 12},  {4, 13},  {5, -3},  {6, 0},   {6, 1},   {6, 2},   {7, 0},   {7, 1},
    {7, 2},   {7, 3},   {7, 4},   {7, 9},   {8, 25},  {9, 2},   {9, 3},   {9, 1},   {10, 1},  {10, 0},  {10, 2},
    {11, 0},  {12, 0},  {12, 1},  {13, 0},  {13, 1},  {13, 2},  {13, 3},  {14, 1},  {14, 2},  {14, 0},  {15, 1},
    {16, -10}, {17, 20}, {18, 30}, {19, -5}, {20, 5},  {21, 0},  {22, 1},  {22, 2},  {22, 3},  {23, 3},  {24, 4},
    {25, 1},  {25, 2},  {26, 1},  {26, 2},  {26, 3},  {26, 4},  {26, 5},  {26, 6},  {26, 7},  {27, 5},  {28, 6},
    {29, 2},  {29, 3},  {29, 4},  {29, 5},  {29, 1},  {30, 1},  {30, 2},  {30, 0},  {31, 1},  {-1, 1},  {1000, 0}, {-7, 0},
};

TEST(JTktCommands, EveryCommandMatchesTheGoldenFile) {
  RecordingContext out;
  for (const auto& [command, value] : kCalls) EXPECT_EQ(WriteJTktCommands(out.get(), command, value), 0);
  EXPECT_EQ(out.fragments().size(), kCalls.size());  // one write per call, empty or not
  jtkt_test::ExpectGolden(jtkt_test::Framed(out.text()), "commands.xml");
}

TEST(JTktCommands, ThePrinterDefaultIsNeverSent) {
  for (int command = 0; command <= 30; ++command) {
    if (command == kJTktSeparatorSheets) continue;
    RecordingContext out;
    WriteJTktCommands(out.get(), command, kPrinterDefault);
    EXPECT_EQ(out.text(), "") << command;  // not "uncollated", not portrait, not -2147483648
  }
  RecordingContext slip;
  WriteJTktCommands(slip.get(), kJTktSeparatorSheets, kPrinterDefault);  // the value is not read
  EXPECT_NE(slip.text().find("slip-sheets"), std::string::npos);
}

TEST(JTktCommands, EachCallLogsItsDiagnosticLine) {
  RecordingContext out;
  const std::string log = jtkt_test::DiagnosticsOf([&](const JTktWriter& w) {
    JTktWriteContext logged = *out.get();
    logged.diagnostics = w.context.diagnostics;
    WriteJTktCommands(&logged, kJTktSides, 1);
    WriteJTktCommands(&logged, 15, 1);
  });
  EXPECT_EQ(log, "DEBUG: in WriteJTktCommands funcion \nDEBUG: in WriteJTktCommands funcion \n");
  EXPECT_EQ(jtkt_test::DiagnosticsOf([](const JTktWriter&) {}), "");
}

// Resolution is one fragment, accounting one per identifier, the page range four; no context, no write.
TEST(JTktJobEmitters, FragmentsPerElementAndNoContextNoWrite) {
  RecordingContext out;
  const JTktResolution resolution{1200, 600, kJTktDotsPerInch};
  WriteJTktResolution(out.get(), &resolution);
  EXPECT_EQ(out.fragments().size(), 1u);
  WriteJTktAccounting(out.get(), "a", "b");
  WriteJTktAccounting(out.get(), nullptr, "c");  // a missing identifier writes no element
  EXPECT_EQ(out.fragments().size(), 4u);
  WriteJTktPageRanges(out.get(), 4, 9);
  EXPECT_EQ(out.fragments().size(), 8u);
  EXPECT_EQ(out.fragments()[5], "\t\t\t\t<lower-bound syntax=\"integer\">4</lower-bound>\n");
  EXPECT_EQ(WriteJTktCommands(nullptr, 0, 1), platform::paramErr);
  EXPECT_EQ(WriteJTktResolution(nullptr, nullptr), platform::paramErr);
  EXPECT_EQ(WriteJTktAccounting(nullptr, "a", "b"), platform::paramErr);
  EXPECT_EQ(WriteJTktPageRanges(nullptr, 1, 2), platform::paramErr);
}

}  // namespace
