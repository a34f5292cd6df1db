// Keeping what the printer supports: a listed keyword or enum, an integer in range, a listed
// member, a size the printer has; one warning for each thing left out. The supported-attributes
// fuzzer's seed corpus (with every input it ever found failing) is replayed as printers' answers.
#include <gtest/gtest.h>

#include "ipp/ipp_job_template.h"
#include "ipp/ipp_supported.h"
#include "ipp_test_support.h"
#include "platform/ipp_bytes.h"
#include "model/job_level_stock.h"
#include "model/paper_output_keys.h"
#include "support/test_support.h"

namespace {

platform::IppMessagePtr Printer() {
  platform::IppMessagePtr printer(ippNew());
  ipp_t* p = printer.get();
  const char* members[] = {"media-size", "media-type"};
  ippAddStrings(p, IPP_TAG_PRINTER, IPP_TAG_KEYWORD, "media-col-supported", 2, nullptr, members);
  const platform::IppMessagePtr a4(ippNew());
  ippAddInteger(a4.get(), IPP_TAG_ZERO, IPP_TAG_INTEGER, "x-dimension", 21000);
  ippAddInteger(a4.get(), IPP_TAG_ZERO, IPP_TAG_INTEGER, "y-dimension", 29700);
  ippAddCollection(p, IPP_TAG_PRINTER, "media-size-supported", a4.get());
  const int finishings[] = {3, 20, 74, 75, 76, 77};
  ippAddIntegers(p, IPP_TAG_PRINTER, IPP_TAG_ENUM, "finishings-supported", 6, finishings);
  ippAddRange(p, IPP_TAG_PRINTER, "x-side1-image-shift-supported", -5000, 5000);
  return printer;
}

platform::IppMessagePtr Job(int width, int shift) {
  platform::IppMessagePtr job(ippNew());
  const platform::IppMessagePtr size(ippNew());
  ippAddInteger(size.get(), IPP_TAG_ZERO, IPP_TAG_INTEGER, "x-dimension", width);
  ippAddInteger(size.get(), IPP_TAG_ZERO, IPP_TAG_INTEGER, "y-dimension", 29700);
  const platform::IppMessagePtr col(ippNew());
  ippAddCollection(col.get(), IPP_TAG_ZERO, "media-size", size.get());
  ippAddString(col.get(), IPP_TAG_ZERO, IPP_TAG_KEYWORD, "media-color", nullptr, "blue");
  ippAddCollection(job.get(), IPP_TAG_JOB, "media-col", col.get());
  const int finishings[] = {20, 78};
  ippAddIntegers(job.get(), IPP_TAG_JOB, IPP_TAG_ENUM, "finishings", 2, finishings);
  ippAddInteger(job.get(), IPP_TAG_JOB, IPP_TAG_INTEGER, "x-side1-image-shift", shift);
  ippAddString(job.get(), IPP_TAG_JOB, IPP_TAG_KEYWORD, "page-delivery", nullptr, "same-order-face-up");
  return job;
}

TEST(IppSupported, OnlyWhatThePrinterListsIsKeptWithAWarningForTheRest) {
  const platform::IppMessagePtr printer = Printer();
  std::vector<std::string> warnings;
  platform::IppMessagePtr kept = IppKeepSupported(Job(21000, 200).get(), printer.get(), &warnings);
  EXPECT_EQ(ipp_test::AttributesText(kept.get()),
            "media-col={media-size={x-dimension=21000 y-dimension=29700}}\nfinishings=staple-top-left\n"
            "x-side1-image-shift=200\n");
  EXPECT_EQ(warnings, (std::vector<std::string>{
                          "WARNING: Paper: the printer does not support media-col/media-color; it is not sent",
                          "WARNING: Finishing: the printer does not take finishings = punch-triple-left; it is not sent",
                          "WARNING: Output Order: the printer does not support page-delivery; it is not sent"}));

  warnings.clear();
  kept = IppKeepSupported(Job(20000, 999999).get(), printer.get(), &warnings);
  EXPECT_EQ(ipp_test::AttributesText(kept.get()), "finishings=staple-top-left\n");
  ASSERT_EQ(warnings.size(), 5u);
  EXPECT_EQ(warnings[0],
            "WARNING: Paper: the printer does not take media-col/media-size = {x-dimension=20000 y-dimension=29700}; "
            "it is not sent");
  EXPECT_EQ(warnings[3], "WARNING: Image Shift: the printer does not take x-side1-image-shift = 999999; it is not sent");
}

int Count(ipp_t* message) {
  int n = 0;
  for (ipp_attribute_t* a = ippFirstAttribute(message); a != nullptr; a = ippNextAttribute(message)) ++n;
  return n;
}

TEST(IppSupportedCorpus, EverySeedKeepsNoMoreThanTheJobAndNamesWhatItDrops) {
  const platform::PlistDict ticket{
      {kJobLevelStockKey, platform::PlistDict{{"Size", 4}, {"Color", 2}, {"Weight", 120}}},
      {kFinishingOptionsKey, 4},
      {kFinishingStaple1ValueKey, 5},
  };
  platform::IppMessagePtr job(ippNew());
  AddIppJobTemplate(job.get(), &ticket);
  ASSERT_GT(Count(job.get()), 0);
  const int seeds = korvo_test::ReplayFuzzCorpus("printer_supported", [&job](const std::string& bytes) {
    platform::IppMessagePtr printer = platform::ReadIppMessage(bytes);
    ASSERT_TRUE(printer);
    std::vector<std::string> warnings;
    platform::IppMessagePtr kept = IppKeepSupported(job.get(), printer.get(), &warnings);
    ASSERT_TRUE(kept);
    EXPECT_LE(Count(kept.get()), Count(job.get()));
    // Whatever a printer leaves out is said.
    EXPECT_TRUE(Count(kept.get()) == Count(job.get()) || !warnings.empty());
    for (const std::string& warning : warnings) EXPECT_TRUE(warning.starts_with("WARNING: ")) << warning;
  });
  EXPECT_GE(seeds, 6);
}

}  // namespace
