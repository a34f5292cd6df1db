// finishings: each finishing the panel stores becomes its registered enum value; private and
// punch-as-fold values of the job ticket never go out.
#include <gtest/gtest.h>

#include "ipp/ipp_job_template.h"
#include "ipp_test_support.h"
#include "model/advanced_keys.h"
#include "model/paper_output_keys.h"

namespace {

using platform::PlistDict;

std::string Finishings(const PlistDict& ticket) { return ipp_test::FamilyText(AddIppFinishings, ticket); }

TEST(IppFinishings, EveryFinishingHasItsRegisteredValue) {
  struct Case {
    PlistDict ticket;
    const char* expected;
  };
  const Case cases[] = {
      {{{kFinishingOptionsKey, 1}}, "finishings=none\n"},
      {{{kFinishingOptionsKey, 4}, {kFinishingStaple1ValueKey, 5}}, "finishings=staple-top-left\n"},
      {{{kFinishingOptionsKey, 4}, {kFinishingStaple1ValueKey, 8}}, "finishings=staple-bottom-right\n"},
      {{{kFinishingOptionsKey, 9}, {kFinishingStaple2ValueKey, 10}}, "finishings=staple-dual-left\n"},
      {{{kFinishingOptionsKey, 9}, {kFinishingStaple2ValueKey, 13}}, "finishings=staple-dual-right\n"},
      {{{kFinishingOptionsKey, 25}, {kFinishingStapleCenterValueKey, 27}}, "finishings=staple-triple-top\n"},
      {{{kFinishingOptionsKey, 30}, {kFinishingHolePunchValueKey, 32}, {kFinishingHolePunchOptionsKey, 3}},
       "finishings=punch-dual-left\n"},
      {{{kFinishingOptionsKey, 30}, {kFinishingHolePunchValueKey, 35}, {kFinishingHolePunchOptionsKey, 4}},
       "finishings=punch-triple-right\n"},
      {{{kFinishingOptionsKey, 30}, {kFinishingHolePunchValueKey, 34}, {kFinishingHolePunchOptionsKey, 5}},
       "finishings=punch-quad-bottom\n"},
      {{{kFinishingOptionsKey, 14}, {kFinishingBindValueKey, 15}}, "finishings=bind-left\n"},
      {{{kFinishingOptionsKey, 14}, {kFinishingBindValueKey, 16}}, "finishings=bind-right\n"},
      {{{kFinishingOptionsKey, 3}}, "finishings=booklet-maker\n"},
      {{{kFinishingOptionsKey, 40}, {kFinishingFoldValueKey, 41}}, "finishings=fold-half\n"},
      {{{kFinishingOptionsKey, 18}, {kFinishingFoldValueKey, 19}}, "finishings=fold-letter\n"},
      {{{kFinishingOptionsKey, 40}, {kFinishingFoldValueKey, 48}}, "finishings=fold-z\n"},
      {{{kFinishingOptionsKey, 36}, {kFinishingZFoldValueKey, 38}}, "finishings=fold-half-z\n"},
      {{{kFinishingOptionsKey, 24}, {kFinishingFoldValueKey, 53}}, "finishings=saddle-stitch\n"},
      {{{kFinishingOptionsKey, 49}, {kFinishingStaple1ValueKey, 5}, {kFinishingHolePunchValueKey, 32}},
       "finishings=staple-top-left,punch-triple-left\n"},
      {{{kFinishingOptionsKey, 1}, {kFinishingOffsetKey, 3}, {kFinishingOffsetEnableSubsetKey, 1},
        {kFinishingOffsetPagesPerSubsetKey, 12}},
       "finishings=jog-offset\npages-per-subset=12\n"},
      {{{kFinishingOptionsKey, 22}, {kFinishingCustomKey, "Ring & \"Wire\""}},
       "finishings-col={finishing-template=Ring & \\\"Wire\\\"}\n"},
      {{{kFinishingSlipSheetKey, 2}, {kOutputOrderKey, 3}},
       "separator-sheets={separator-sheets-type=slip-sheets}\npage-delivery=reverse-order-face-up\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(Finishings(c.ticket), c.expected) << c.expected;
}

TEST(IppFinishings, DefaultsAndPrivateFinishingsSendNothing) {
  EXPECT_EQ(Finishings({}), "");
  EXPECT_EQ(Finishings({{kFinishingOptionsKey, 0}, {kFinishingSlipSheetKey, 1}, {kFinishingOffsetKey, 1}}), "");
  EXPECT_EQ(Finishings({{kFinishingOptionsKey, 58}, {kFinishingCoilPunchValueKey, 255}}), "");
  EXPECT_EQ(Finishings({{kFinishingOptionsKey, 24}, {kFinishingFoldValueKey, 43}, {kFinishingSquareFoldValueKey, 64},
                        {kFinishingTrimLengthValueKey, 30}}),
            "finishings=fold-half\n");
}

}  // namespace
