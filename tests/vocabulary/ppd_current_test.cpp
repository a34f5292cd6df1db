#include <array>

#include "ppd_test_support.h"
#include "vocabulary/printer_default.h"

using CurrentDescription = CurrentPPDTest;

TEST_F(CurrentDescription, OpensTheSessionPrinterDescriptionOnceAndCachesIt) {
  session_.printer().ppdPath = korvo_test::SamplePPDPath();
  PPDFile* first = PPDGetCurrent();
  ASSERT_NE(first, nullptr);
  session_.printer().ppdPath = korvo_test::DataPath("ppd/constraints.ppd");
  EXPECT_EQ(PPDGetCurrent(), first);  // still the cached one
  EXPECT_EQ(PPDCopyManufacturer(first), "Korvo");
  PPDCloseCurrent();
  PPDFile* second = PPDGetCurrent();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(PPDCopyDefaultChoice(second, "MediaType"), "Transparency");
}

TEST_F(CurrentDescription, NoneWithoutAReadableDescription) {
  EXPECT_EQ(UseTestPPD("no-such-file.ppd"), nullptr);
  EXPECT_EQ(UseTestPPD("garbage.ppd"), nullptr);
  EXPECT_EQ(UsePPD(korvo_test::DataPath("ppd")), nullptr);  // a folder
  EXPECT_EQ(UsePPD(""), nullptr);
  SetCurrentPrintSession(nullptr);
  EXPECT_EQ(PPDGetCurrent(), nullptr);
  EXPECT_EQ(PPDCopyChoiceText(nullptr, "Duplex", "None"), std::nullopt);
  EXPECT_EQ(PPDCopyDefaultChoice(nullptr, "Duplex"), std::nullopt);
  EXPECT_TRUE(PPDCopyOfferedChoices(nullptr, "Duplex", true).empty());
}

TEST_F(CurrentDescription, MediaLimitsComeFromTheCustomPageSize) {
  const auto limits = [] {
    std::array<float, 4> l{};
    GetMediaLimits(l[0], l[1], l[2], l[3]);
    return l;
  };
  UsePPD("");
  EXPECT_EQ(limits(), (std::array<float, 4>{432, 432, 864, 864}));
  ASSERT_NE(UsePPD(korvo_test::SamplePPDPath()), nullptr);
  EXPECT_EQ(limits(), (std::array<float, 4>{283, 420, 936, 1368}));
  // A description without a custom page size gives the same limits as none, not 0 by 0.
  ASSERT_NE(UseTestPPD("constraints.ppd"), nullptr);
  EXPECT_EQ(limits(), (std::array<float, 4>{432, 432, 864, 864}));
}

TEST_F(CurrentDescription, ChoicesAndDefaults) {
  PPDFile* ppd = UsePPD(korvo_test::SamplePPDPath());
  ASSERT_NE(ppd, nullptr);
  EXPECT_EQ(PPDCopyChoiceText(ppd, "Duplex", "DuplexTumble"), "Short-Edge Binding");
  EXPECT_EQ(PPDCopyChoiceText(ppd, "Duplex", "Tumble"), std::nullopt);
  EXPECT_EQ(PPDCopyChoiceText(ppd, "NoSuchOption", "None"), std::nullopt);
  EXPECT_EQ(PPDCopyChoiceText(ppd, "", "None"), std::nullopt);
  EXPECT_EQ(PPDCopyDefaultChoice(ppd, "Option1"), "CSS");
  EXPECT_EQ(PPDCopyDefaultChoice(ppd, "JCLBanner"), "False");
  EXPECT_EQ(PPDCopyDefaultChoice(ppd, "NoSuchOption"), std::nullopt);
}

// Texts come out as UTF-8 whatever the file's LanguageEncoding; MacRoman when it names none we know.
TEST_F(CurrentDescription, TextsAreDecodedFromTheDeclaredEncoding) {
  const std::string quality = "Qualit\u00e9 sup\u00e9rieure";
  const struct {
    const char *file, *option, *choice;
    std::string text;
  } cases[] = {
      {"latin1_text.ppd", "JCLPrintQuality", "HighQuality", quality},
      {"shift_jis_text.ppd", "KVColorMode", "Color", "\u30ab\u30e9\u30fc"},
      {"shift_jis_text.ppd", "KVColorMode", "Grayscale", "\u767d\u9ed2"},
      {"latin5_text.ppd", "MediaType", "Standard", "D\u00fcz ka\u011f\u0131t"},
      {"utf8_without_hyphen.ppd", "JCLPrintQuality", "HighQuality", quality},
      {"unknown_encoding.ppd", "JCLPrintQuality", "HighQuality", quality},
  };
  for (const auto& c : cases) EXPECT_EQ(PPDCopyChoiceText(UseTestPPD(c.file), c.option, c.choice), c.text) << c.file;
}

// The sample printer's description is what an installed queue would carry, so CUPS' own checker
// must accept it.
TEST(SamplePrinterDescription, PassesCupsTestPPD) {
  const std::string path = korvo_test::SamplePPDPath();
  ASSERT_FALSE(korvo_test::ReadFile(path).empty()) << path;
  std::string output;
  const int status = korvo_test::RunCommand("cupstestppd -W translations '" + path + "'", &output, true);
  EXPECT_EQ(status, 0) << output;
  EXPECT_NE(output.find(": PASS"), std::string::npos) << output;
}

// The printer description's choices kept in the ticket.
using TicketChoices = CurrentPPDTest;

TEST_F(TicketChoices, DictionaryRoundTrip) {
  platform::Ticket ticket;
  EXPECT_EQ(PPDCopyCurrentChoice(&ticket, "Duplex"), std::nullopt);
  EXPECT_FALSE(ticket.contains(platform::kPMPPDDictKey));  // reading creates nothing
  PPDSetCurrentChoice(&ticket, "Duplex", "DuplexTumble");
  PPDSetCurrentChoice(&ticket, "MediaType", "Labels");
  PPDSetCurrentChoice(&ticket, "Duplex", "DuplexNoTumble");
  PPDSetCurrentChoice(&ticket, "", "Labels");
  PPDSetCurrentChoice(nullptr, "Duplex", "None");
  EXPECT_EQ(PPDCopyCurrentChoice(&ticket, "Duplex"), "DuplexNoTumble");
  EXPECT_EQ(PPDCopyCurrentChoice(&ticket, "MediaType"), "Labels");
  EXPECT_EQ(ticket.ppdDict().size(), 2u);
  auto copy = platform::Ticket::fromPlist(ticket.toPlist());
  ASSERT_TRUE(copy);
  EXPECT_EQ(PPDCopyCurrentChoice(&*copy, "Duplex"), "DuplexNoTumble");
  EXPECT_EQ(PPDCopyCurrentChoice(nullptr, "Duplex"), std::nullopt);
}

TEST_F(TicketChoices, ValueComesFromTheStoredChoiceThenTheDefaultAndMinusOneIsAValue) {
  PPDFile* ppd = UsePPD(korvo_test::SamplePPDPath());
  ASSERT_NE(ppd, nullptr);
  platform::Ticket ticket;
  std::int32_t value = 99;
  EXPECT_TRUE(PPDGetTicketValueForChoiceOrDefault(ppd, &ticket, "MediaType", value));
  EXPECT_EQ(value, 1);  // the default, "Standard"
  PPDSetCurrentChoice(&ticket, "MediaType", "CardStock");
  EXPECT_TRUE(PPDGetTicketValueForChoiceOrDefault(ppd, &ticket, "MediaType", value));
  EXPECT_EQ(value, 12);
  PPDSetCurrentChoice(&ticket, "MediaType", "Plastic");
  EXPECT_FALSE(PPDGetTicketValueForChoiceOrDefault(ppd, &ticket, "MediaType", value));
  EXPECT_EQ(value, -1);  // stored, but no map row
  value = 99;
  EXPECT_FALSE(PPDGetTicketValueForChoiceOrDefault(ppd, &ticket, "NoSuchOption", value));
  EXPECT_EQ(value, 99);  // neither stored nor default
  EXPECT_FALSE(PPDGetTicketValueForChoiceOrDefault(ppd, &ticket, "Option1", value));
  EXPECT_EQ(value, -1);  // a default, but MainKeywordMap does not name the option
  // "Lighten1" maps to -1: found, and told apart from a choice no map knows.
  PPDSetCurrentChoice(&ticket, "KVImageQuality", "Lighten1");
  value = 99;
  EXPECT_TRUE(PPDGetTicketValueForChoiceOrDefault(ppd, &ticket, "KVImageQuality", value));
  EXPECT_EQ(value, -1);
}

// The values themselves are the keyword map's rows (walked whole in SamplePrinterChoicesRoundTrip).
TEST_F(TicketChoices, KeywordsAndTicketValues) {
  EXPECT_EQ(PPDTicketValueForChoice("OutputBin", "PrinterDefault"), kPrinterDefault);
  for (const auto& [option, choice] : {std::pair{"MediaType", "Plastic"}, std::pair{"Option1", "CSS"},
                                       std::pair{"", "CSS"}, std::pair{"mediatype", "CardStock"},
                                       std::pair{"MediaType", ""}})
    EXPECT_EQ(PPDTicketValueForChoice(option, choice), std::nullopt) << option << " " << choice;  // case counts
  EXPECT_STREQ(PPDChoiceForTicketValue("KVBackCoverSheet", 100), "Bypass");
  EXPECT_EQ(PPDChoiceForTicketValue("MediaType", 9999), nullptr);
  EXPECT_EQ(PPDChoiceForTicketValue("Option1", 1), nullptr);
}
