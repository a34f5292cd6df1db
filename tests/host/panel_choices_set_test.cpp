// korvo-pde set on Image Options, Job Notes and Advanced as a print room scripts them: the choices
// reach the session and the job ticket; a value a dialog or a field refuses ends set with the
// session file as it was.
#include <gtest/gtest.h>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::ExpectHas;
using host_test::RunSet;

class PanelChoicesSet : public host_test::SessionTest {};

TEST_F(PanelChoicesSet, ChoicesOnThreePanelsReachTheSessionAndTheJobTicket) {
  std::string login, out;
  ASSERT_EQ(korvo_test::RunCommand("id -un", &login), 0);
  login.pop_back();
  // "\>" types a ">" where a plain one would begin another step.
  ASSERT_EQ(RunSet(session, {"ImageShiftSetup=Option=Independent>X1=0.50", "Sender=Use Login Name",
                             "JobStartMessage=Load A4 \\> A3", "Rotate=On", "SendJobTicket=off",
                             "PagesToPrint=on", "PagesFrom=2", "PagesTo=5",
                             "ForceNewSize=Custom...>Inches>Width=8.50>Length=11.00"},
                   &out),
            0)
      << out;
  ExpectHas(out, {"\"Option\" = 1", "\"X1\" = 1270", "com.korvo.print.JobNotesSenderName = \"" + login + "\"\n",
                  "com.korvo.print.JobNotesSenderUseLoginName = true\n",
                  "com.korvo.print.JobNotesMessage = \"Load A4 > A3\"\n",
                  "com.korvo.print.AdvancedRotateImage180 = 2\n", "com.korvo.print.EmitJTKT = 0\n",
                  "com.korvo.print.PagesToPrintFrom = 2\n", "com.korvo.print.PagesToPrintTo = 5\n",
                  "\"Length\" = 27940", "\"Size\" = 75", "\"Width\" = 21590"});
  const std::string ticket = dir.file("job.xml");
  ASSERT_EQ(host_test::RunPde("export --session " + session + " -o " + ticket, &out, true), 0) << out;
  ExpectHas(korvo_test::ReadFile(ticket),
            {"<page-rotation",
             "<lower-bound syntax=\"integer\">2</lower-bound>\n\t\t\t\t<upper-bound syntax=\"integer\">5</upper-bound>"});
}

TEST_F(PanelChoicesSet, ALightnessAMessageOrAWeightOutOfRangeChangesNothing) {
  std::string out;
  ASSERT_EQ(host_test::RunPde("show --session " + session + " >/dev/null", &out), 0);
  for (const std::string& refused : {std::string("ColorSetup=LightnessDefault=off>Lightness=150"),
                                     "BannerMessage=" + std::string(1001, 'x'), std::string("Paper=Weight>Custom...>Weight=59")}) {
    const std::string err = host_test::ExpectRefused(session, {refused});
    EXPECT_TRUE(err.starts_with("ERROR: " + refused.substr(0, 40))) << err;
  }
}

}  // namespace
