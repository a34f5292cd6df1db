// korvo-pde show, run as a user runs it.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::RunPde;
using host_test::Python;

TEST(ShowCommand, ListsTheSamplePrintersTicketSorted) {
  std::string out;
  ASSERT_EQ(RunPde("show", &out), 0) << out;
  EXPECT_NE(out.find("com.korvo.print.ControllerInformation.ControllerFamily = \"Prexan\"\n"), std::string::npos)
      << out;
  EXPECT_NE(out.find("com.korvo.print.JTKTOptions = {\"JTKTOptionAll\" = true}\n"), std::string::npos) << out;
  EXPECT_LT(out.find("ControllerInformation.ControllerFamily"), out.find("ControllerInformation.ControllerVersion"));
  // After the ticket, the panel pop-up's titles in tab order.
  const std::string panels =
      "panel 1 = Paper/Output\npanel 2 = Special Pages\npanel 3 = Image Options\npanel 4 = Job Notes\n"
      "panel 5 = Booklet/Watermark\npanel 6 = Advanced\n";
  ASSERT_GE(out.size(), panels.size());
  EXPECT_EQ(out.substr(out.size() - panels.size()), panels);
}

// The session file as Python's plistlib reads it: the printer-info ticket says which printer the
// dialog opened on, as the print system's would (another printer's is PrinterInfoTicket's to
// check), and a key another program sets survives.
TEST(ShowCommand, SessionFileIsReadByPlistlibNamesThePrinterAndIsReusedNextTime) {
  korvo_test::TempDir dir;
  const std::string session = dir.file("s.plist");
  std::string out;
  ASSERT_EQ(RunPde("show --session " + session, &out), 0) << out;
  EXPECT_EQ(Python("s=plistlib.load(open(sys.argv[1],\"rb\")); "
                   "print(s[\"PMPrintSettingsTicket\"][\"Items\"][\"com.korvo.print.ControllerInformation.ControllerFamily\"]); "
                   "print(s[\"Printer\"][\"PPD\"].endswith(\"KorvoSample.ppd\"))",
                   session),
            "Prexan\nTrue\n");
  EXPECT_EQ(Python("i=plistlib.load(open(sys.argv[1],\"rb\"))[\"PMPrinterInfoTicket\"][\"Items\"]; "
                   "[print(k, \"=\", i[k]) for k in sorted(i)]",
                   session),
            "com.apple.print.PrinterInfo.PMMakeAndModelName = Korvo KP50 Prexan PS\n"
            "com.apple.print.PrinterInfo.PMManufacturer = Korvo\n");

  // A key set by another program survives the next run.
  ASSERT_EQ(host_test::EditSettings(session, "d[\"com.korvo.print.Test\"]=7", &out), 0) << out;
  ASSERT_EQ(RunPde("show --session " + session, &out), 0) << out;
  EXPECT_NE(out.find("com.korvo.print.Test = 7\n"), std::string::npos) << out;
}

// A foreign printer, a torn session, a FIFO (nobody writes it: reading it would wait for ever, so
// each run is bounded) or a file too large: one line naming it, and nothing overwritten.
TEST(ShowCommand, RefusedInputsAreOneLineNamingTheFileAndOverwriteNothing) {
  korvo_test::TempDir dir;
  const std::string fifo = dir.file("fifo"), big = dir.file("big.ppd"), huge = dir.file("huge.plist");
  const std::string broken = dir.file("broken.plist");
  ASSERT_EQ(korvo_test::RunCommand("mkfifo " + fifo, nullptr), 0);
  korvo_test::WriteFile(big, "*PPD-Adobe: \"4.3\"\n" + std::string(5 << 20, '\n'));
  // Sparse: the size alone is refused, before a byte is read.
  ASSERT_EQ(korvo_test::RunCommand("truncate -s 65M " + huge, nullptr), 0);
  korvo_test::WriteFile(broken, "<plist><dict><key>oops");
  const std::string description = "ERROR: cannot read the printer description: ";
  const std::string foreign = korvo_test::DataPath("host/Foreign.ppd"), almost = korvo_test::DataPath("host/AlmostKorvo.ppd");
  for (const auto& [arguments, said] : {std::pair{"--session " + fifo, "ERROR: " + fifo + " is a FIFO, not a file\n"},
                                        {"--ppd " + fifo, description + fifo + " is a FIFO, not a file\n"},
                                        {"--ppd " + big, description + big + " is larger than 4 MB\n"},
                                        {"--session " + huge, "ERROR: " + huge + " is larger than 64 MB\n"},
                                        {"--ppd " + foreign, "Foreign.ppd: not a Korvo printer"},
                                        {"--ppd " + almost, "AlmostKorvo.ppd: not a Korvo printer"},
                                        {"--session " + broken, "broken.plist"}}) {
    std::string err;
    EXPECT_EQ(RunPde("show " + arguments + " 2>&1 >/dev/null", &err), 1) << arguments;
    EXPECT_TRUE(said.ends_with("\n") ? err == said : host_test::IsOneErrorLine(err, said)) << err;
  }
  EXPECT_EQ(korvo_test::ReadFile(broken), "<plist><dict><key>oops");
}

// What the dynamic loader started for one run of korvo-pde, with no display.
std::string LibrariesLoadedBy(const std::string& arguments) {
  std::string log;
  EXPECT_EQ(korvo_test::RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY LD_DEBUG=libs " + std::string(KORVO_BIN_DIR) +
                                       "/korvo-pde " + arguments + " 2>&1 >/dev/null",
                                   &log),
            0)
      << log;
  EXPECT_NE(log.find("calling init"), std::string::npos) << "LD_DEBUG said nothing";
  return log;
}

TEST(ShowCommand, OnlyTheCommandsThatDrawLoadTheDrawingLibrariesAndNoneLoadsGtk) {
  korvo_test::ScopedXdgHome home;  // the watermark file the commands read and make
  korvo_test::TempDir dir;
  std::string log;
  ASSERT_EQ(RunPde("show --session " + dir.file("s.plist") + " 2>&1 >/dev/null", &log), 0);  // warm the session
  log = LibrariesLoadedBy("show --session " + dir.file("s.plist"));
  // A dialog on a printer loads the printing system's libraries when it first reads the PPD.
  EXPECT_NE(log.find("libcups"), std::string::npos);
  EXPECT_EQ(log.find("libgtk"), std::string::npos) << "korvo-pde show loaded GTK";
  EXPECT_EQ(log.find("libcairo"), std::string::npos) << "korvo-pde show loaded cairo";
  EXPECT_EQ(log.find("libgdk_pixbuf"), std::string::npos) << "korvo-pde show loaded gdk-pixbuf";

  log = LibrariesLoadedBy("set --session " + dir.file("s.plist") + " Watermark=Draft");
  EXPECT_EQ(log.find("libgtk"), std::string::npos);
  log = LibrariesLoadedBy("watermark --session " + dir.file("s.plist") + " -o " + dir.file("w.png"));
  EXPECT_NE(log.find("libcairo"), std::string::npos) << "drawing a watermark did not load cairo";
  EXPECT_EQ(log.find("libgtk"), std::string::npos);
  // A font conversion talks to no printer, so the printing system's libraries stay unloaded.
  log = LibrariesLoadedBy("type42 /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf -o " + dir.file("f.t42"));
  EXPECT_EQ(log.find("libcups"), std::string::npos) << "korvo-pde type42 loaded libcups";
}

// A run that leaves the session as it was does not replace its file (one that changes it does:
// every row of SetChoices).
TEST(ShowCommand, AnUnchangedSessionIsNotWrittenAgain) {
  korvo_test::ScopedXdgHome home;
  korvo_test::TempDir dir;
  const std::string session = dir.file("s.plist");
  std::string out;
  ASSERT_EQ(RunPde("show --session " + session, &out), 0) << out;
  struct stat before {};
  ASSERT_EQ(::stat(session.c_str(), &before), 0);
  ASSERT_EQ(RunPde("show --session " + session, &out), 0) << out;
  struct stat after {};
  ASSERT_EQ(::stat(session.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino) << "the unchanged session was replaced";
}

TEST(ShowCommand, ABundleWithoutItsShellDescriptionNamesTheMissingFileNotThePrinter) {
  korvo_test::TempDir dir;
  const std::filesystem::path copy = std::filesystem::path(dir.path()) / "Copy.plugin";
  std::filesystem::copy(korvo_test::BundlePath(), copy, std::filesystem::copy_options::recursive);
  std::filesystem::remove(copy / "Contents/Resources/PDE_Shell.interface.xml");
  std::string err;
  EXPECT_EQ(RunPde("show --bundle " + copy.string() + " 2>&1 >/dev/null", &err), 1);
  EXPECT_NE(err.find("ERROR: " + (copy / "Contents/Resources/PDE_Shell.interface.xml").string()), std::string::npos)
      << err;
  EXPECT_EQ(err.find("not a Korvo printer"), std::string::npos) << err;
}

}  // namespace
