// korvo-pde set on the Image Options panel and its two dialogs, as a print room would script it:
// the choices reach the session, Printer Default takes an entry away, a value out of range ends
// set with the file unchanged, and export then import brings it all back.
#include <gtest/gtest.h>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::ExpectHas;
using host_test::RunSet;

class ImageOptionsSet : public host_test::SessionTest {
 protected:
  void SetUp() override { ASSERT_EQ(RunSet(session, kChoices, &out), 0) << out; }
  static inline const std::vector<std::string> kChoices = {
      "Halftone=600 Dot", "AntiAliasing=On", "MirrorImage=on", "ColorSetup=LightnessDefault=off>Lightness=10>Trapping=On",
      "ImageShiftSetup=Option=Independent>X1=0.50"};
  std::string out;  // what the set-up's set printed
};

TEST_F(ImageOptionsSet, ChoicesReachTheSessionAndPrinterDefaultTakesTheHalftoneAway) {
  ExpectHas(out, {"com.korvo.print.HalftoneScreen = 12\n", "com.korvo.print.Antialiasing = 2\n", "\"MirrorImage\" = 1",
                  "\"FCLightness\" = 10", "\"FCTrapping\" = 1", "\"Option\" = 1", "\"X1\" = 1270"});
  ASSERT_EQ(RunSet(session, {"Halftone=Printer Default"}, &out), 0) << out;
  EXPECT_FALSE(host_test::Has(out, "HalftoneScreen")) << out;
  EXPECT_TRUE(host_test::Has(out, "\"FCLightness\" = 10")) << out;  // the rest stays
}

TEST_F(ImageOptionsSet, ALightnessOutOfRangeEndsSetWithTheFileUnchanged) {
  const std::string err = host_test::ExpectRefused(session, {"ColorSetup=LightnessDefault=off>Lightness=150"});
  EXPECT_TRUE(err.starts_with("ERROR: ColorSetup=LightnessDefault=off>Lightness=150: ")) << err;
}

TEST_F(ImageOptionsSet, ExportThenImportIntoAFreshSessionReadsTheSameBack) {
  ExpectHas(host_test::ShowAfterExportAndImport(session, dir),
            {"com.korvo.print.HalftoneScreen = 12\n", "com.korvo.print.Antialiasing = 2\n", "\"FCLightness\" = 10",
             "\"FCTrapping\" = 1", "\"Option\" = 1", "\"X1\" = 1270"});
}

}  // namespace
