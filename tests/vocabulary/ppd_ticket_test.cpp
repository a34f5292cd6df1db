#include "ppd_test_support.h"
#include "vocabulary/printer_default.h"

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
