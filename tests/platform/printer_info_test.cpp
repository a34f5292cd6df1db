// The printer-info ticket filled from a printer description's main keywords.
#include "platform/ticket/printer_info.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

TEST(PrinterInfoTicket, NamesComeFromTheMainKeywordsAndFollowThePrinter) {
  korvo_test::TempDir dir;
  // CRLF lines, a Latin-1 name, a translation string and no nickname.
  const std::string first = dir.file("first.ppd");
  korvo_test::WriteFile(first, "*PPD-Adobe: \"4.3\"\r\n*Manufacturer: \"K\xf6rvo\"\r\n*ModelName: \"K\xf6rvo KP9\"\r\n"
                               "*ModelNameX/Other: \"not this\"\r\n");
  auto names = platform::ReadPrinterDescriptionNames(first);
  ASSERT_TRUE(names) << names.error();
  platform::Ticket info;
  platform::FillPrinterInfoTicket(*names, info);
  ASSERT_NE(info.getString(platform::kPMMakeAndModelNameKey), nullptr);
  EXPECT_EQ(*info.getString(platform::kPMMakeAndModelNameKey), "K\u00f6rvo KP9");
  EXPECT_EQ(*info.getString(platform::kPMManufacturerKey), "K\u00f6rvo");
  EXPECT_EQ(*info.clientOf(platform::kPMManufacturerKey), platform::kPrintSystemClient);

  // The nickname wins over the model name; a printer without a manufacturer leaves none behind.
  const std::string second = dir.file("second.ppd");
  korvo_test::WriteFile(second, "*ModelName: \"Model\"\n*NickName: \"Make Model PS\"\n");
  names = platform::ReadPrinterDescriptionNames(second);
  ASSERT_TRUE(names);
  platform::FillPrinterInfoTicket(*names, info);
  EXPECT_EQ(*info.getString(platform::kPMMakeAndModelNameKey), "Make Model PS");
  EXPECT_FALSE(info.contains(platform::kPMManufacturerKey));

  EXPECT_FALSE(platform::ReadPrinterDescriptionNames(dir.file("missing.ppd")));
}

}  // namespace
