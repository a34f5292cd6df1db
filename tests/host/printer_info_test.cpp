// The printer-info ticket of a host session says which printer the dialog opened on, as the
// print system's would: read back from the session file with Python's plistlib.
#include <gtest/gtest.h>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::RunPde;
using host_test::RunPython;

std::string PrinterInfoItems(const std::string& session) {
  std::string out;
  EXPECT_EQ(RunPython("i=plistlib.load(open(sys.argv[1],\"rb\"))[\"PMPrinterInfoTicket\"][\"Items\"]; "
                      "[print(k, \"=\", i[k]) for k in sorted(i)]",
                      session, &out),
            0)
      << out;
  return out;
}

TEST(PrinterInfo, FollowsThePrinterDescriptionTheSessionOpensOn) {
  korvo_test::TempDir dir;
  const std::string session = dir.file("s.plist");
  std::string out;
  ASSERT_EQ(RunPde("show --session " + session, &out), 0) << out;
  EXPECT_EQ(PrinterInfoItems(session),
            "com.apple.print.PrinterInfo.PMMakeAndModelName = Korvo KP50 Prexan PS\n"
            "com.apple.print.PrinterInfo.PMManufacturer = Korvo\n");

  // Another printer: a description without a nickname gives its model name.
  ASSERT_EQ(RunPde("show --session " + session + " --ppd " + korvo_test::DataPath("ppd/installable_options.ppd"), &out),
            0)
      << out;
  EXPECT_EQ(PrinterInfoItems(session),
            "com.apple.print.PrinterInfo.PMMakeAndModelName = Korvo Test Installable Options\n"
            "com.apple.print.PrinterInfo.PMManufacturer = Korvo\n");
}

}  // namespace
