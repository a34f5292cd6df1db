#include "ppd_test_support.h"

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
  EXPECT_EQ(PPDGetEncoding(nullptr), PPDEncoding::MacRoman);
  EXPECT_EQ(PPDCopyChoiceText(nullptr, "Duplex", "None"), std::nullopt);
  EXPECT_EQ(PPDCopyDefaultChoice(nullptr, "Duplex"), std::nullopt);
  EXPECT_TRUE(PPDCopyOfferedChoices(nullptr, "Duplex", true).empty());
}

TEST_F(CurrentDescription, MediaLimitsComeFromTheCustomPageSize) {
  float minWidth = 0, minLength = 0, maxWidth = 0, maxLength = 0;
  UsePPD("");
  GetMediaLimits(minWidth, minLength, maxWidth, maxLength);
  EXPECT_EQ(minWidth, 432.0f);
  EXPECT_EQ(minLength, 432.0f);
  EXPECT_EQ(maxWidth, 864.0f);
  EXPECT_EQ(maxLength, 864.0f);
  ASSERT_NE(UsePPD(korvo_test::SamplePPDPath()), nullptr);
  GetMediaLimits(minWidth, minLength, maxWidth, maxLength);
  EXPECT_EQ(minWidth, 283.0f);
  EXPECT_EQ(minLength, 420.0f);
  EXPECT_EQ(maxWidth, 936.0f);
  EXPECT_EQ(maxLength, 1368.0f);
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

// Texts come out as UTF-8 whatever the file's LanguageEncoding.
TEST_F(CurrentDescription, TextsAreDecodedFromTheDeclaredEncoding) {
  struct Case {
    const char* file;
    PPDEncoding encoding;
    const char *option, *choice, *text;
  };
  const std::string quality = "Qualit\u00e9 sup\u00e9rieure";
  const Case cases[] = {
      {"latin1_text.ppd", PPDEncoding::ISOLatin1, "JCLPrintQuality", "HighQuality", quality.c_str()},
      {"shift_jis_text.ppd", PPDEncoding::ShiftJIS, "KVColorMode", "Color", "\u30ab\u30e9\u30fc"},
      {"shift_jis_text.ppd", PPDEncoding::ShiftJIS, "KVColorMode", "Grayscale", "\u767d\u9ed2"},
      {"latin5_text.ppd", PPDEncoding::ISOLatin5, "MediaType", "Standard", "D\u00fcz ka\u011f\u0131t"},
      {"utf8_without_hyphen.ppd", PPDEncoding::UTF8, "JCLPrintQuality", "HighQuality", quality.c_str()},
      {"unknown_encoding.ppd", PPDEncoding::MacRoman, "JCLPrintQuality", "HighQuality", quality.c_str()},
  };
  for (const Case& c : cases) {
    PPDFile* ppd = UseTestPPD(c.file);
    EXPECT_EQ(PPDGetEncoding(ppd), c.encoding) << c.file;
    EXPECT_EQ(PPDCopyChoiceText(ppd, c.option, c.choice), c.text) << c.file;
  }
  EXPECT_EQ(PPDGetEncoding(UseTestPPD("no_encoding.ppd")), PPDEncoding::MacRoman);
}
