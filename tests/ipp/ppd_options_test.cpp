// PPD options as IPP attributes: each option of the sample printer description reaches the
// printer as the attribute the panels' maps give it, or is named in a warning; a typed attribute
// wins over the option that says the same.
#include <gtest/gtest.h>

#include <sstream>

#include "ipp/ipp_ppd_options.h"
#include "ipp_test_support.h"
#include "support/test_support.h"

namespace {

std::string Sent(const std::vector<PPDOption>& options, std::vector<std::string>* warnings = nullptr) {
  std::vector<std::string> ignored;
  const platform::IppMessagePtr job = NewIppFromPPDOptions(options, warnings ? warnings : &ignored);
  return ipp_test::AttributesText(job.get());
}

TEST(IppPPDOptions, EachOptionBecomesItsAttribute) {
  struct Case {
    std::vector<PPDOption> options;
    const char* expected;
  };
  const Case cases[] = {
      {{{"StapleLocation", "SinglePortrait"}}, "finishings=staple-top-left\n"},
      {{{"StapleLocation", "DualLandscape"}}, "finishings=staple-dual-left\n"},
      {{{"KVPunch", "3HolePunch"}}, "finishings=punch-triple-left\n"},
      {{{"KVPunch", "2HolePunch"}, {"StapleLocation", "SinglePortrait"}},
       "finishings=staple-top-left,punch-dual-left\n"},
      {{{"KVFold", "C"}}, "finishings=fold-letter\n"},
      {{{"KVFold", "BiFold"}}, "finishings=fold-half\n"},
      {{{"KVFold", "BiFoldStaple"}}, "finishings=saddle-stitch\n"},
      // A4 from the paper library's own millimetres, not from the PPD's points.
      {{{"PageSize", "A4"}, {"MediaType", "Transparency"}, {"MediaColor", "Blue"}, {"MediaWeight", "120"}},
       "media-col={media-size={x-dimension=21000 y-dimension=29700} media-type=transparency media-color=blue "
       "media-weight-metric=120}\n"},
      {{{"InputSlot", "Tray2"}}, "media-col={media-source=tray-2}\n"},
      {{{"PageSize", "Letter"}, {"InputSlot", "Bypass"}},
       "media-col={media-size={x-dimension=21590 y-dimension=27940} media-source=by-pass-tray}\n"},
      {{{"Duplex", "DuplexTumble"}}, "sides=two-sided-short-edge\n"},
      {{{"Duplex", "None"}}, "sides=one-sided\n"},
      {{{"OutputBin", "Stacker"}}, "output-bin=stacker\n"},
      {{{"KVColorMode", "Grayscale"}}, "print-color-mode=monochrome\n"},
      // What leaves the setting to the printer, and what is not a Korvo option, send nothing.
      {{{"StapleLocation", "None"},
        {"KVPunch", "None"},
        {"InputSlot", "Auto"},
        {"OutputBin", "Auto"},
        {"job-sheets", "none"},
        {"Resolution", "600x600dpi"}},
       ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> warnings;
    EXPECT_EQ(Sent(c.options, &warnings), c.expected) << c.options.front().first << "=" << c.options.front().second;
    EXPECT_TRUE(warnings.empty()) << warnings.front();
  }
}

TEST(IppPPDOptions, WhatIppCannotSayIsNamedInAWarning) {
  std::vector<std::string> warnings;
  EXPECT_EQ(Sent({{"StapleLocation", "MultipleStaples"},
                  {"KVFold", "C"},
                  {"OutputBin", "Booklet"},
                  {"MediaColor", "Mauve"},
                  {"KVPunch", "2HolePunch"}},
                 &warnings),
            "finishings=punch-dual-left\n");
  ASSERT_EQ(warnings.size(), 4u);
  EXPECT_EQ(warnings[0],
            "WARNING: the printer option MediaColor=Mauve is no choice of the printer description; it is not sent");
  EXPECT_EQ(warnings[1],
            "WARNING: the printer option StapleLocation=MultipleStaples has no IPP finishing; it is not sent");
  EXPECT_EQ(warnings[2], "WARNING: the printer option KVFold=C cannot go with a staple or a punch; it is not sent");
  EXPECT_EQ(warnings[3], "WARNING: the printer option OutputBin=Booklet is no output bin IPP names; it is not sent");
}

// Every choice of the sample printer's options that the queue's users see is sent or warned of.
TEST(IppPPDOptions, EveryChoiceOfTheSamplePrinterIsSentOrNamed) {
  std::istringstream ppd(korvo_test::ReadFile(korvo_test::SamplePPDPath()));
  int choices = 0;
  for (std::string line; std::getline(ppd, line);) {
    // "*StapleLocation SinglePortrait/1 Staple: ..." is one choice of an option.
    for (const char* name : {"PageSize", "MediaType", "MediaColor", "InputSlot", "StapleLocation", "KVPunch", "KVFold",
                             "Duplex", "OutputBin", "KVColorMode"}) {
      const std::string prefix = std::string("*") + name + " ";
      if (!line.starts_with(prefix)) continue;
      const std::string choice = line.substr(prefix.size(), line.find_first_of("/:") - prefix.size());
      std::vector<std::string> warnings;
      const std::string sent = Sent({{name, choice}}, &warnings);
      const bool printerDefault = choice == "None" || choice == "Auto";
      EXPECT_TRUE(printerDefault || !sent.empty() || warnings.size() == 1) << name << "=" << choice;
      ++choices;
    }
  }
  EXPECT_EQ(choices, 76);
}

TEST(IppPPDOptions, TheTypedAttributeWins) {
  platform::IppMessagePtr job(ippNew());
  ippAddString(job.get(), IPP_TAG_JOB, IPP_TAG_KEYWORD, "sides", nullptr, "one-sided");
  const platform::IppMessagePtr fromOptions =
      NewIppFromPPDOptions({{"Duplex", "DuplexNoTumble"}, {"StapleLocation", "SinglePortrait"}}, nullptr);
  IppAddMissingAttributes(job.get(), fromOptions.get());
  EXPECT_EQ(ipp_test::AttributesText(job.get()), "sides=one-sided\nfinishings=staple-top-left\n");
}

}  // namespace
