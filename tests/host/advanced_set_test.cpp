// korvo-pde set on the Advanced panel and its custom paper dialogs, as the print room uses it:
// the choices land in the session and the exported job ticket; a cancelled or refused dialog
// leaves the session file as it was.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::RunPde;

class AdvancedSet : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string out;
    ASSERT_EQ(RunPde("show --session " + session + " >/dev/null", &out), 0);
    before = korvo_test::ReadFile(session);
  }
  int set(const std::string& settings, std::string* out) {
    return RunPde("set --session " + session + " " + settings + " 2>&1", out);
  }
  korvo_test::ScopedXdgHome home;
  korvo_test::TempDir dir;
  std::string session = dir.file("job.plist");
  std::string before;
};

TEST_F(AdvancedSet, ThePrintRoomsChoicesReachTheSessionAndTheJobTicket) {
  std::string out;
  ASSERT_EQ(set("Rotate=On SendJobTicket=off PagesToPrint=on PagesFrom=2 PagesTo=5 "
                "'ForceNewSize=Custom...>Inches>Width=8.50>Length=11.00'",
                &out),
            0)
      << out;
  for (const char* line : {"com.korvo.print.AdvancedRotateImage180 = 2\n", "com.korvo.print.EmitJTKT = 0\n",
                           "com.korvo.print.PagesToPrintFrom = 2\n", "com.korvo.print.PagesToPrintTo = 5\n",
                           "\"Length\" = 27940", "\"Size\" = 75", "\"Width\" = 21590"})
    EXPECT_NE(out.find(line), std::string::npos) << line << " not in\n" << out;
  const std::string ticket = dir.file("job.xml");
  ASSERT_EQ(RunPde("export --session " + session + " -o " + ticket, &out, true), 0) << out;
  const std::string xml = korvo_test::ReadFile(ticket);
  EXPECT_NE(xml.find("<page-rotation"), std::string::npos) << xml;
  EXPECT_NE(xml.find("<lower-bound syntax=\"integer\">2</lower-bound>\n"
                     "\t\t\t\t<upper-bound syntax=\"integer\">5</upper-bound>"),
            std::string::npos)
      << xml;
}

TEST_F(AdvancedSet, ACancelledOrRefusedCustomPaperLeavesTheSessionAsItWas) {
  std::string out;
  EXPECT_EQ(set("'ForceNewSize=Custom...>Cancel'", &out), 0) << out;
  EXPECT_EQ(korvo_test::ReadFile(session), before);
  EXPECT_EQ(set("'Paper=Weight>Custom...>Weight=59'", &out), 1) << out;
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
  EXPECT_EQ(out.rfind("ERROR: ", 0), 0u) << out;
  EXPECT_EQ(korvo_test::ReadFile(session), before);
}

}  // namespace
