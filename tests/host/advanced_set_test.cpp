// korvo-pde set on the Advanced panel and its custom paper dialogs, as the print room uses it:
// the choices land in the session and the exported job ticket; a refused dialog leaves the
// session file as it was.
#include <gtest/gtest.h>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::RunSet;

class AdvancedSet : public host_test::SessionTest {};

TEST_F(AdvancedSet, ThePrintRoomsChoicesReachTheSessionAndTheJobTicket) {
  std::string out;
  ASSERT_EQ(RunSet(session, {"Rotate=On", "SendJobTicket=off", "PagesToPrint=on", "PagesFrom=2", "PagesTo=5",
                             "ForceNewSize=Custom...>Inches>Width=8.50>Length=11.00"},
                   &out),
            0)
      << out;
  host_test::ExpectHas(out, {"com.korvo.print.AdvancedRotateImage180 = 2\n", "com.korvo.print.EmitJTKT = 0\n",
                             "com.korvo.print.PagesToPrintFrom = 2\n", "com.korvo.print.PagesToPrintTo = 5\n",
                             "\"Length\" = 27940", "\"Size\" = 75", "\"Width\" = 21590"});
  const std::string ticket = dir.file("job.xml");
  ASSERT_EQ(host_test::RunPde("export --session " + session + " -o " + ticket, &out, true), 0) << out;
  host_test::ExpectHas(korvo_test::ReadFile(ticket), {"<page-rotation",
                                                      "<lower-bound syntax=\"integer\">2</lower-bound>\n"
                                                      "\t\t\t\t<upper-bound syntax=\"integer\">5</upper-bound>"});
}

TEST_F(AdvancedSet, ARefusedCustomWeightLeavesTheSessionAsItWas) {
  std::string out;
  ASSERT_EQ(host_test::RunPde("show --session " + session + " >/dev/null", &out), 0);
  host_test::ExpectRefused(session, {"Paper=Weight>Custom...>Weight=59"});
}

}  // namespace
