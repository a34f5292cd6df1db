// The job-level ticket writers: conversions from the stored settings, the sentinel, missing keys.
#include <gtest/gtest.h>

#include "jobticket/writer/jtkt_commands.h"
#include "jobticket/writer/jtkt_ticket_keys.h"
#include "jtkt_test_support.h"
#include "vocabulary/printer_default.h"

namespace {

using jtkt_test::WrittenByDefaultOutput;
using platform::PlistDict;

std::string Written(void (*writer)(const PlistDict*), const PlistDict& ticket) {
  return WrittenByDefaultOutput([&] { writer(&ticket); });
}

std::string Keyword(const char* element, const char* keyword) {
  return std::string("\t\t<") + element + " syntax=\"keyword\">" + keyword + "</" + element + ">\n";
}

TEST(JTktCommandWriters, DuplexIsAlwaysWritten) {
  EXPECT_EQ(Written(WriteJTKTDuplex, {}), Keyword("sides", "one-sided"));
  EXPECT_EQ(Written(WriteJTKTDuplex, {{kFinishingDuplexKey, 2}}), Keyword("sides", "two-sided-long-edge"));
  EXPECT_EQ(Written(WriteJTKTDuplex, {{kFinishingDuplexKey, 3}}), Keyword("sides", "two-sided-short-edge"));
  EXPECT_EQ(Written(WriteJTKTDuplex, {{kPMDuplexingKey, 3}}), Keyword("sides", "two-sided-short-edge"));
  // The Korvo key wins, even when it holds the printer default.
  EXPECT_EQ(Written(WriteJTKTDuplex, {{kFinishingDuplexKey, kPrinterDefault}, {kPMDuplexingKey, 2}}),
            Keyword("sides", "one-sided"));
  EXPECT_EQ(Written(WriteJTKTDuplex, {{kFinishingDuplexKey, 9}}), Keyword("sides", "one-sided"));
  EXPECT_EQ(WrittenByDefaultOutput([] { WriteJTKTDuplex(nullptr); }), "");
}

TEST(JTktCommandWriters, OutputDestinationFollowsItsTable) {
  const std::pair<std::int32_t, const char*> rows[] = {
      {1, "automatic"}, {2, "top"},       {3, "top"},       {18, "top"},    {4, "stacker"}, {12, "stacker"},
      {5, "stacker-1"}, {6, "stacker-2"}, {8, "top-1"},     {9, "top-2"},   {16, "top"},    {17, "stacker"},
      {20, "tray-1"},   {21, "stacker-3"}, {22, "tray-2"}};
  for (const auto& [stored, keyword] : rows)
    EXPECT_EQ(Written(WriteJTKTOutputDestination, {{kFinishingOutputDestinationKey, stored}}), Keyword("output-bin", keyword))
        << stored;
  for (std::int32_t stored : {0, 7, 10, 19, 23, kPrinterDefault})
    EXPECT_EQ(Written(WriteJTKTOutputDestination, {{kFinishingOutputDestinationKey, stored}}), "") << stored;
}

TEST(JTktCommandWriters, OffsetAndPagesPerSubset) {
  EXPECT_EQ(Written(WriteJTKTOffset, {{kFinishingOffsetEnableSubsetKey, 1}}), "");  // no offset key: nothing at all
  EXPECT_EQ(Written(WriteJTKTOffset, {{kFinishingOffsetKey, 5}}),
            "\t\t<job-offset syntax=\"1setOf\">\n\t\t\t<value syntax=\"keyword\">offset-set</value>\n"
            "\t\t\t<value syntax=\"keyword\">offset-subset</value>\n\t\t</job-offset>\n");
  EXPECT_EQ(Written(WriteJTKTOffset, {{kFinishingOffsetKey, 1}, {kFinishingOffsetEnableSubsetKey, 1},
                                      {kFinishingOffsetPagesPerSubsetKey, 12}}),
            "\t\t<pages-per-subset syntax=\"1setOf\">\n\t\t\t<value syntax=\"integer\">12</value>\n\t\t</pages-per-subset>\n");
  EXPECT_EQ(Written(WriteJTKTOffset, {{kFinishingOffsetKey, 2}, {kFinishingOffsetEnableSubsetKey, kPrinterDefault}}),
            "\t\t<job-offset syntax=\"1setOf\">\n\t\t\t<value syntax=\"keyword\">none</value>\n\t\t</job-offset>\n");
}

TEST(JTktCommandWriters, ResolutionRows) {
  EXPECT_NE(Written(WriteJTKTResolution, {{kResolutionKey, 3}})
                .find("<cross-feed syntax=\"integer\">1200</cross-feed>\n\t\t\t<feed-direction syntax=\"integer\">600<"),
            std::string::npos);
  EXPECT_NE(Written(WriteJTKTResolution, {{kResolutionKey, 1}}).find(">300</feed-direction>"), std::string::npos);
  for (std::int32_t stored : {0, 5, kPrinterDefault}) EXPECT_EQ(Written(WriteJTKTResolution, {{kResolutionKey, stored}}), "");
}

TEST(JTktCommandWriters, PopupPositionsCountFromOne) {
  EXPECT_EQ(Written(WriteJTKTOPIPreScan, {{kOPIPrescanKey, 1}}), "");
  EXPECT_EQ(Written(WriteJTKTOPIPreScan, {{kOPIPrescanKey, 4}}), Keyword("opi-image-pre-scan", "pre-scan-and-gather"));
  EXPECT_EQ(Written(WriteJTKTOPISubsitution, {{kOPISubsitutionKey, 3}}), Keyword("opi-image-insertion", "do-not-insert"));
  EXPECT_EQ(Written(WriteJTKTOPISubsitution, {{kOPISubsitutionKey, -2147483647}}), "");  // no overflow below
}

TEST(JTktCommandWriters, StoredValuesPassAsTheyAre) {
  EXPECT_EQ(Written(WriteJTKTOutputColor, {{kFinishingOutputColorKey, 2}}), Keyword("color-effects-type", "color"));
  EXPECT_EQ(Written(WriteJTKTPrinterEmulation, {{kInkwellEmulationKey, 3}}),
            Keyword("adjust-bw-darkness-mode", "inkwell180-adjustable"));
  EXPECT_EQ(Written(WriteJTKTOutputOrder, {{kOutputOrderKey, 5}}), Keyword("page-delivery", "reverse-order-face-down"));
  EXPECT_EQ(Written(WriteJTKTLightenDarken, {{kLightenDarkenKey, -1}}),
            "\t\t<adjust-bw-darkness-value syntax=\"integer\">-1</adjust-bw-darkness-value>\n");
  EXPECT_EQ(Written(WriteJTKTAntiAliasing, {{kAntialiasingKey, 2}}), Keyword("anti-aliasing", "standard"));
  EXPECT_EQ(Written(WriteJTKTAntiAliasing, {{kAntialiasingKey, "on"}}), "");
  EXPECT_EQ(Written(WriteJTKTImageRotation, {{kAdvancedRotateImage180Key, 1}}), Keyword("page-rotation", "rotate-0"));
  EXPECT_EQ(Written(WriteJTKTImageRotation, {{kAdvancedRotateImage180Key, 2}}), Keyword("page-rotation", "rotate-180"));
  EXPECT_EQ(Written(WriteJTKTImageRotation, {{kAdvancedRotateImage180Key, 0}}), "");
  EXPECT_EQ(Written(WriteJTKTTonerSaver, {{kTonerSaverKey, true}}), Keyword("toner-saver", "standard"));
  EXPECT_EQ(Written(WriteJTKTTonerSaver, {{kTonerSaverKey, false}}), Keyword("toner-saver", "none"));
}

TEST(JTktCommandWriters, SentinelAndWrongKindsWriteNothing) {
  const PlistDict sentinel{{kLightenDarkenKey, kPrinterDefault}, {kOutputOrderKey, kPrinterDefault},
                           {kFinishingOutputColorKey, "2"}, {kInkwellEmulationKey, 1.5},
                           {kAntialiasingKey, kPrinterDefault}, {kTonerSaverKey, 1}};
  for (auto writer : {WriteJTKTLightenDarken, WriteJTKTOutputOrder, WriteJTKTOutputColor, WriteJTKTPrinterEmulation,
                      WriteJTKTAntiAliasing, WriteJTKTTonerSaver})
    EXPECT_EQ(Written(writer, sentinel), "");
}

TEST(JTktCommandWriters, PagesToPrint) {
  EXPECT_EQ(Written(WriteJTKTPagesToPrint, {{kPagesToPrintSelectedKey, 1}, {kPagesToPrintFromKey, 9}, {kPagesToPrintToKey, 4}}),
            "\t\t<page-ranges syntax=\"1setOf\">\n\t\t\t<value syntax=\"rangeOfInteger\">\n"
            "\t\t\t\t<lower-bound syntax=\"integer\">4</lower-bound>\n"
            "\t\t\t\t<upper-bound syntax=\"integer\">9</upper-bound>\n\t\t\t</value>\n\t\t</page-ranges>\n");
  EXPECT_EQ(Written(WriteJTKTPagesToPrint, {{kPagesToPrintSelectedKey, 1}, {kPagesToPrintFromKey, 0}, {kPagesToPrintToKey, 4}}), "");
  EXPECT_EQ(Written(WriteJTKTPagesToPrint, {{kPagesToPrintSelectedKey, 2}, {kPagesToPrintFromKey, 1}, {kPagesToPrintToKey, 4}}), "");
  EXPECT_EQ(Written(WriteJTKTPagesToPrint, {{kPagesToPrintSelectedKey, 1}, {kPagesToPrintToKey, 4}}), "");
}

TEST(JTktCommandWriters, AccountingWhenEnabled) {
  const PlistDict ticket{{kAccountingOnKey, 3}, {kAccountingUserIDKey, "ana<&>"}, {kAccountingAccountIDKey, "dept-7"}};
  std::string document;
  const std::string log = jtkt_test::DiagnosticsOf([&] { document = Written(WriteJTKTAccounting, ticket); });
  EXPECT_EQ(document,
            "\t\t<job-accounting-user-id syntax=\"name\" xml:space=\"preserve\">ana&lt;&amp;&gt;</job-accounting-user-id>\n"
            "\t\t<job-account-id syntax=\"name\" xml:space=\"preserve\">dept-7</job-account-id>\n");
  EXPECT_EQ(log,
            "DEBUG: Ticket is valid\nDEBUG: Found accounting key: 3\nDEBUG: Accounting is enabled\n"
            "DEBUG: user id ana<&>, acct id dept-7\n");
}

TEST(JTktCommandWriters, AccountingOffWritesOnlyItsDiagnostics) {
  std::string document;
  std::string log = jtkt_test::DiagnosticsOf([&] { document = Written(WriteJTKTAccounting, {{kAccountingOnKey, 2}}); });
  EXPECT_EQ(document, "");
  EXPECT_EQ(log, "DEBUG: Ticket is valid\nDEBUG: Found accounting key: 2\n");
  log = jtkt_test::DiagnosticsOf([&] { document = Written(WriteJTKTAccounting, {}); });
  EXPECT_EQ(log, "DEBUG: Ticket is valid\nDEBUG: No accounting ticket present\n");
}

TEST(JTktCommandWriters, AccountingIdentifiersKeepSeventyNineBytesOfWholeCharacters) {
  const std::string user = std::string(78, 'u') + "\xC3\xA9" + "tail";  // the e-acute would straddle byte 79
  const std::string document = Written(WriteJTKTAccounting, {{kAccountingOnKey, 3}, {kAccountingUserIDKey, user}});
  EXPECT_NE(document.find(">" + std::string(78, 'u') + "</job-accounting-user-id>"), std::string::npos) << document;
  EXPECT_NE(document.find("<job-account-id syntax=\"name\" xml:space=\"preserve\"></job-account-id>"), std::string::npos);
}

}  // namespace
