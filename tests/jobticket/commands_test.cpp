// The job-level commands: the command emitter and the three structured job-level emitters, and the
// ticket writers that convert each stored setting, against golden files; the sentinel and values
// of the wrong kind; what each writer logs of what it decides.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "jobticket/writer/jtkt_commands.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "jobticket/writer/jtkt_job_attributes.h"
#include "jtkt_test_support.h"
#include "model/advanced_keys.h"
#include "model/background_forms_options.h"
#include "model/image_options_keys.h"
#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "platform/status.h"
#include "support/test_support.h"
#include "vocabulary/printer_default.h"

namespace {

using jtkt_test::RecordingContext;
using platform::PlistDict;
using Writer = void (*)(const JTktWriter&, const PlistDict*);

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

constexpr std::int32_t kSentinel = kPrinterDefault;

// One writer per ticket; the commented cases write nothing.
PlistDict One(const char* key, platform::PlistValue value) { return PlistDict{{key, std::move(value)}}; }

std::vector<std::pair<Writer, PlistDict>> Cases() {
  std::vector<std::pair<Writer, PlistDict>> cases = {
      {WriteJTKTDuplex, {}},
      {WriteJTKTDuplex, One(kFinishingDuplexKey, 2)},
      {WriteJTKTDuplex, One(kFinishingDuplexKey, 3)},
      {WriteJTKTDuplex, One(kPMDuplexingKey, 3)},
      {WriteJTKTDuplex, {{kFinishingDuplexKey, kSentinel}, {kPMDuplexingKey, 2}}},  // the Korvo key wins
      {WriteJTKTDuplex, One(kFinishingDuplexKey, 9)}};
  for (int stored : {1, 2, 3, 18, 4, 12, 5, 6, 8, 9, 16, 17, 20, 21, 22, 0, 7, 10, 19, 23, kSentinel})
    cases.push_back({WriteJTKTOutputDestination, One(kFinishingOutputDestinationKey, stored)});
  cases.push_back({WriteJTKTOffset, One(kFinishingOffsetEnableSubsetKey, 1)});  // no offset key: nothing
  cases.push_back({WriteJTKTOffset, One(kFinishingOffsetKey, 5)});
  cases.push_back({WriteJTKTOffset, {{kFinishingOffsetKey, 1}, {kFinishingOffsetEnableSubsetKey, 1},
                                     {kFinishingOffsetPagesPerSubsetKey, 12}}});
  cases.push_back({WriteJTKTOffset, {{kFinishingOffsetKey, 2}, {kFinishingOffsetEnableSubsetKey, kSentinel}}});
  for (int stored : {1, 2, 3, 4, 0, 5, kSentinel}) cases.push_back({WriteJTKTResolution, One(kResolutionKey, stored)});
  for (int stored : {1, 2, 3, 4}) cases.push_back({WriteJTKTOPIPreScan, One(kOPIPrescanKey, stored)});
  for (int stored : {2, 3, -2147483647}) cases.push_back({WriteJTKTOPISubsitution, One(kOPISubsitutionKey, stored)});
  for (int stored : {1, 2}) cases.push_back({WriteJTKTOutputColor, One(kFinishingOutputColorKey, stored)});
  for (int stored : {2, 3}) cases.push_back({WriteJTKTPrinterEmulation, One(kInkwellEmulationKey, stored)});
  for (int stored : {2, 3, 4, 5}) cases.push_back({WriteJTKTOutputOrder, One(kOutputOrderKey, stored)});
  for (int stored : {-5, 0, 5}) cases.push_back({WriteJTKTLightenDarken, One(kLightenDarkenKey, stored)});
  cases.push_back({WriteJTKTAntiAliasing, One(kAntialiasingKey, 1)});
  cases.push_back({WriteJTKTAntiAliasing, One(kAntialiasingKey, 2)});
  cases.push_back({WriteJTKTAntiAliasing, One(kAntialiasingKey, "on")});
  for (int stored : {1, 2, 0}) cases.push_back({WriteJTKTImageRotation, One(kAdvancedRotateImage180Key, stored)});
  cases.push_back({WriteJTKTTonerSaver, One(kTonerSaverKey, true)});
  cases.push_back({WriteJTKTTonerSaver, One(kTonerSaverKey, false)});
  cases.push_back({WriteJTKTPagesToPrint, {{kPagesToPrintSelectedKey, 1}, {kPagesToPrintFromKey, 9}, {kPagesToPrintToKey, 4}}});
  cases.push_back({WriteJTKTPagesToPrint, {{kPagesToPrintSelectedKey, 1}, {kPagesToPrintFromKey, 0}, {kPagesToPrintToKey, 4}}});
  cases.push_back({WriteJTKTPagesToPrint, {{kPagesToPrintSelectedKey, 2}, {kPagesToPrintFromKey, 1}, {kPagesToPrintToKey, 4}}});
  cases.push_back({WriteJTKTPagesToPrint, {{kPagesToPrintSelectedKey, 1}, {kPagesToPrintToKey, 4}}});
  cases.push_back({WriteJTKTAccounting, {{kAccountingOnKey, 3}, {kAccountingUserIDKey, "ana<&>"}, {kAccountingAccountIDKey, "dept-7"}}});
  cases.push_back({WriteJTKTAccounting, One(kAccountingOnKey, 2)});
  // An identifier keeps 79 bytes of whole characters: the e-acute would straddle the limit.
  cases.push_back({WriteJTKTAccounting, {{kAccountingOnKey, 3}, {kAccountingUserIDKey, std::string(78, 'u') + "\xC3\xA9tail"}}});
  return cases;
}

TEST(JTktCommandWriters, EveryConversionMatchesTheGoldenFile) {
  const std::string body = jtkt_test::WrittenThrough([](const JTktWriter& w) {
    for (const auto& [writer, ticket] : Cases()) writer(w, &ticket);
  });
  jtkt_test::ExpectGolden(jtkt_test::Framed(body), "command_writers.xml");
}

TEST(JTktCommandWriters, SentinelWrongKindsAndNoTicketWriteNothing) {
  const PlistDict odd{{kLightenDarkenKey, kSentinel}, {kOutputOrderKey, kSentinel}, {kFinishingOutputColorKey, "2"},
                      {kInkwellEmulationKey, 1.5}, {kAntialiasingKey, kSentinel}, {kTonerSaverKey, 1}};
  const std::string written = jtkt_test::WrittenThrough([&](const JTktWriter& w) {
    for (Writer writer : {WriteJTKTLightenDarken, WriteJTKTOutputOrder, WriteJTKTOutputColor, WriteJTKTPrinterEmulation,
                          WriteJTKTAntiAliasing, WriteJTKTTonerSaver})
      writer(w, &odd);
    for (const auto& [writer, ticket] : Cases()) writer(w, nullptr);
    WriteJTKTFinishing(w, nullptr);
  });
  EXPECT_EQ(written, "");
}

// What each writer logs of what it decides.
TEST(JTktDiagnostics, EachWriterLogsWhatItDecides) {
  korvo_test::ScopedXdgHome home;
  struct Case {
    const char* name;
    std::function<void(const JTktWriter&)> write;
    std::string log;
  };
  const Case cases[] = {
      {"commands",
       [](const JTktWriter& w) {
         RecordingContext out;
         JTktWriteContext logged = *out.get();
         logged.diagnostics = w.context.diagnostics;
         WriteJTktCommands(&logged, kJTktSides, 1);
         WriteJTktCommands(&logged, 15, 1);
       },
       "DEBUG: in WriteJTktCommands funcion \nDEBUG: in WriteJTktCommands funcion \n"},
      {"accounting",
       [](const JTktWriter& w) {
         const PlistDict on{{kAccountingOnKey, 3}, {kAccountingUserIDKey, "ana"}, {kAccountingAccountIDKey, "7"}};
         const PlistDict off = One(kAccountingOnKey, 2), none;
         for (const PlistDict* ticket : {&on, &off, &none}) WriteJTKTAccounting(w, ticket);
       },
       "DEBUG: Ticket is valid\nDEBUG: Found accounting key: 3\nDEBUG: Accounting is enabled\n"
       "DEBUG: user id ana, acct id 7\n"
       "DEBUG: Ticket is valid\nDEBUG: Found accounting key: 2\n"
       "DEBUG: Ticket is valid\nDEBUG: No accounting ticket present\n"},
      {"slip sheets",
       [](const JTktWriter& w) {
         const PlistDict ticket{{kFinishingSlipSheetKey, 2}};
         WriteJTKTFinishing(w, &ticket);
       },
       "DEBUG: ************ SLIPSHEET ************\nDEBUG: ************** SLIPSHEET ON ****************\n"
       "DEBUG: in WriteJTktCommands funcion \nDEBUG: ******* finishingOptions = 0, foldOptions = 0, stapleValue = 0, "
       "holePunchValue = 0, simpleFoldValue = 0, bindValue = 0, bookletValue = 0\n"},
      {"forms",
       [](const JTktWriter& w) {
         const PlistDict forms{{kBackgroundFormsOptionsKey, PlistDict{{"NewFormString", "Letterhead"}}},
                               {kJobTypeKey, PlistDict{{"JobType", 3}}}};
         WriteJTKTBackgroundForms(w, &forms);
       },
       "DEBUG: ******* WriteJTKTBackgroundForms\nDEBUG: ******* WriteJTKTBackgroundForms: valid ticket\n"
       "DEBUG: ******* WriteJTKTBackgroundForms: valid bg options ticket\nDEBUG: ******** jobType = 3\n"},
      {"nothing", [](const JTktWriter&) {}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(jtkt_test::DiagnosticsOf(c.write), c.log) << c.name;
}

}  // namespace
