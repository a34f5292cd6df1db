// The job-level ticket writers: each stored setting through its conversion, against one golden
// file; the sentinel and values of the wrong kind; the accounting diagnostics.
#include <gtest/gtest.h>

#include "jobticket/writer/jtkt_commands.h"
#include "jtkt_test_support.h"
#include "model/advanced_keys.h"
#include "model/image_options_keys.h"
#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "vocabulary/printer_default.h"

namespace {

using platform::PlistDict;
using Writer = void (*)(const JTktWriter&, const PlistDict*);
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
  });
  EXPECT_EQ(written, "");
}

TEST(JTktCommandWriters, AccountingTellsWhatItDecides) {
  const PlistDict on{{kAccountingOnKey, 3}, {kAccountingUserIDKey, "ana"}, {kAccountingAccountIDKey, "7"}};
  const PlistDict off = One(kAccountingOnKey, 2);
  const PlistDict none;
  const std::string log = jtkt_test::DiagnosticsOf([&](const JTktWriter& w) {
    for (const PlistDict* ticket : {&on, &off, &none}) WriteJTKTAccounting(w, ticket);
  });
  EXPECT_EQ(log,
            "DEBUG: Ticket is valid\nDEBUG: Found accounting key: 3\nDEBUG: Accounting is enabled\n"
            "DEBUG: user id ana, acct id 7\n"
            "DEBUG: Ticket is valid\nDEBUG: Found accounting key: 2\n"
            "DEBUG: Ticket is valid\nDEBUG: No accounting ticket present\n");
}

}  // namespace
