// korvo-pde print-dialog on a virtual X display: GTK's own print dialog with the six panels as
// tabs, clicked through with xdotool where the layout report says; screenshots are kept under the
// build folder.
#ifdef KORVO_HAVE_GTK
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <filesystem>
#include <thread>

#include "host/window/child_process.h"
#include "host/window/layout_file.h"
#include "host/window/virtual_display.h"
#include "platform/files/unique_fd.h"
#include "platform/ticket/page_format.h"
#include "platform/ticket/print_session.h"
#include "support/private_cups.h"
#include "support/test_support.h"

namespace {

using korvo_test::Layout;
using korvo_test::Place;
using korvo_test::ReadFile;
using korvo_test::ReadLayout;
using korvo_test::WaitUntil;

const std::vector<std::string> kPanelTabs = {"Paper/Output", "Special Pages",     "Image Options",
                                             "Job Notes",    "Booklet/Watermark", "Advanced"};

class PrintDialogWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* program : {"Xvfb", "xdotool", "import"})
      if (!korvo_test::HaveProgram(program))
        GTEST_SKIP() << program << " is not installed (scripts/setup.sh installs it)";
    // The dialog must fit the small screen it is meant for.
    xserver_ = std::make_unique<korvo_test::VirtualDisplay>(dir_.file("xvfb.log"), "1280x800");
    ASSERT_FALSE(xserver_->name().empty()) << ReadFile(dir_.file("xvfb.log"));
    std::filesystem::copy_file(korvo_test::DataPath("host/one_page.pdf"), dir_.file("doc.pdf"));
  }

  // Starts the dialog in the test's folder (where Print to File writes output.pdf) on the CUPS
  // server given, or in a private print system's namespace (inside), and waits for its six tabs.
  Layout start(const std::string& cupsServer, const std::string& inside = "") {
    const std::string line = "cd " + dir_.path() + " && HOME=$PWD CUPS_SERVER=" + cupsServer + " GDK_BACKEND=x11" +
                             " GSK_RENDERER=cairo GTK_A11Y=none NO_AT_BRIDGE=1 ASAN_OPTIONS=detect_leaks=0 exec " +
                             inside + " " + KORVO_BIN_DIR + "/korvo-pde print-dialog doc.pdf --session session.plist" +
                             " --layout layout.txt > out.txt 2> err.txt";
    dialog_ = std::make_unique<korvo_test::ChildProcess>(std::vector<std::string>{"sh", "-c", line},
                                                         std::vector<std::pair<std::string, std::string>>{
                                                             {"DISPLAY", xserver_->name()}},
                                                         dir_.file("dialog.log"));
    return waitFor("tab 6");
  }
  Layout waitFor(const std::string& wanted) {
    Layout read;
    WaitUntil(20, [&] { return (read = ReadLayout(dir_.file("layout.txt"))).has(wanted); });
    EXPECT_TRUE(read.has(wanted)) << wanted << " is not shown:\n" << ReadFile(dir_.file("layout.txt"));
    return read;
  }
  // Clicks our tab K where the report places it now until its panel shows control, as a person
  // clicks again: the tabs move while GTK takes in the printer's details.
  Layout openTab(int k, const std::string& control) {
    Layout read;
    for (int attempt = 0; attempt < 5; ++attempt) {
      click(ReadLayout(dir_.file("layout.txt")).places["tab " + std::to_string(k)]);
      if (WaitUntil(3, [&] { return (read = ReadLayout(dir_.file("layout.txt"))).has(control); })) return read;
    }
    ADD_FAILURE() << control << " is not shown:\n" << ReadFile(dir_.file("layout.txt"));
    return read;
  }
  void xdotool(const std::string& arguments) {
    ASSERT_EQ(korvo_test::RunCommand("DISPLAY=" + xserver_->name() + " xdotool " + arguments, nullptr), 0) << arguments;
  }
  void click(const Place& at) {
    xdotool("mousemove --sync " + std::to_string(at.centreX()) + " " + std::to_string(at.centreY()) + " click 1");
  }
  void chooseItem(const Place& place, const std::string& item) {
    click(place);
    waitFor("item " + item);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the menu takes the pointer once shown
    click(ReadLayout(dir_.file("layout.txt")).places["item " + item]);
  }
  // The dialog's exit status once a button of it has been clicked.
  std::optional<int> answer(const Layout& shown, const std::string& button) {
    click(shown.places.at("dialog-button " + button));
    return dialog_->waitForExit(20);
  }
  void screenshot(const std::string& name) {
    const std::filesystem::path kept = std::filesystem::path(KORVO_BIN_DIR).parent_path() / "test-artifacts";
    std::filesystem::create_directories(kept);
    const std::string shot = "import -display " + xserver_->name() + " -window root " + (kept / name).string();
    EXPECT_EQ(korvo_test::RunCommand(shot, nullptr), 0);
  }
  void pde(const std::string& arguments) {
    std::string out;
    EXPECT_EQ(korvo_test::RunCommand(std::string(KORVO_BIN_DIR) + "/korvo-pde " + arguments, &out, true), 0) << out;
  }

  korvo_test::ScopedXdgHome home_;
  korvo_test::TempDir dir_;
  std::unique_ptr<korvo_test::VirtualDisplay> xserver_;
  std::unique_ptr<korvo_test::ChildProcess> dialog_;
};

// With no CUPS server: the six tabs in panel order after General, the whole dialog on a
// 1280 x 800 screen, Print to File alone listed; a choice in a tab is the choice `set` makes, and
// Print to File writes the PDF as it is with the ticket `export` writes.
TEST_F(PrintDialogWindowTest, PrintsToFileWhatTheTabsChoseWithoutAServer) {
  pde("set --session " + dir_.file("session.plist") + " PageSize=Legal");  // not GTK's own first choice
  Layout shown = start(dir_.file("no-server.sock"));
  EXPECT_EQ(shown.tabs, kPanelTabs);
  for (int k = 2; k <= 6; ++k)
    EXPECT_GT(shown.places["tab " + std::to_string(k)].x, shown.places["tab " + std::to_string(k - 1)].x);
  const Place window = shown.places["window 0"];
  EXPECT_LE(window.x + window.width, 1280);
  EXPECT_LE(window.y + window.height, 800);
  shown = waitFor("printer Print to File");
  EXPECT_EQ(shown.printers, std::vector<std::string>{"Print to File"});

  // The printers are listed on General, the tab shown first.
  click(shown.places["printer Print to File"]);
  click(shown.places["tab 1"]);
  chooseItem(waitFor("PpOu/24").places["PpOu/24"], "Grayscale");
  screenshot("print-dialog.png");
  ASSERT_EQ(answer(waitFor("PpOu/24"), "Print"), std::optional<int>(0)) << ReadFile(dir_.file("err.txt"));
  EXPECT_EQ(ReadFile(dir_.file("out.txt")), dir_.file("output.pdf") + "\n");

  EXPECT_EQ(ReadFile(dir_.file("output.pdf")), ReadFile(dir_.file("doc.pdf")));
  pde("set --session " + dir_.file("set.plist") + " PageSize=Legal OutputColor=Grayscale");
  EXPECT_EQ(ReadFile(dir_.file("session.plist")), ReadFile(dir_.file("set.plist")));
  pde("export --session " + dir_.file("session.plist") + " -o " + dir_.file("export.xml"));
  EXPECT_EQ(ReadFile(dir_.file("output.pdf.xml")), ReadFile(dir_.file("export.xml")));
}

// A server that takes the connection and never answers: the dialog still comes with its tabs,
// and Cancel ends it having saved and written nothing.
TEST_F(PrintDialogWindowTest, CancelOnAServerThatNeverAnswersWritesNothing) {
  pde("set --session " + dir_.file("session.plist") + " OutputColor=Grayscale");
  const std::string before = ReadFile(dir_.file("session.plist"));
  const platform::UniqueFd silent(socket(AF_UNIX, SOCK_STREAM, 0));
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string path = dir_.file("silent.sock");
  ASSERT_LT(path.size(), sizeof(address.sun_path));
  path.copy(address.sun_path, path.size());
  ASSERT_EQ(bind(silent.get(), reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  ASSERT_EQ(listen(silent.get(), 16), 0);

  Layout shown = start(path);
  EXPECT_EQ(shown.tabs, kPanelTabs);
  click(shown.places["tab 1"]);
  chooseItem(waitFor("PpOu/24").places["PpOu/24"], "Color");
  EXPECT_EQ(answer(shown, "Cancel"), std::optional<int>(0)) << ReadFile(dir_.file("err.txt"));
  EXPECT_EQ(ReadFile(dir_.file("session.plist")), before);
  EXPECT_EQ(ReadFile(dir_.file("out.txt")), "");
  EXPECT_FALSE(std::filesystem::exists(dir_.file("output.pdf")));
}

// On a private cupsd: the Korvo queue, which PRINTER names, comes chosen with the panels opened on
// it and GTK's tabs of its PPD left out; the plain queue's tabs have no panels; back on Korvo the
// choice made before is still there, and Print sends it with the job to the printer behind it.
TEST_F(PrintDialogWindowTest, PrintsOnTheKorvoQueueWhatTheTabsChose) {
  std::string error;
  const std::unique_ptr<korvo_test::PrivateCups> cups = korvo_test::PrivateCups::start(
      ReadFile(korvo_test::DataPath("host/ipp_production_printer.conf")) +
          "ATTR rangeOfInteger copies-supported 1-999\nATTR boolean page-ranges-supported true\n",
      "application/pdf", &error);
  ASSERT_TRUE(cups) << error;
  Layout shown = start("", cups->inside() + " PRINTER=Korvo");
  shown = waitFor("printer Raw");
  EXPECT_EQ(shown.printers, (std::vector<std::string>{"Print to File", "Korvo", "Raw"}));
  Layout notes = openTab(4, "Kshl/2004");  // Job Notes
  const Place panel = notes.places["tab 4"];
  const Place general{notes.places["tab 1"].x - 60, panel.y, 40, panel.height};  // GTK's own tab, left of ours
  click(notes.places["Kshl/2004"]);  // the banner message
  xdotool("type --delay 20 'For Sam'");
  const Place window = waitFor("window 0").places["window 0"];
  EXPECT_LE(window.x + window.width, 1280) << "GTK's tabs of the Korvo PPD are shown beside the panels";
  screenshot("print-dialog-korvo.png");

  click(general);
  click(shown.places["printer Raw"]);
  click(panel);
  EXPECT_TRUE(WaitUntil(10, [&] { return !ReadLayout(dir_.file("layout.txt")).has("Kshl/2004"); }));
  click(general);
  click(shown.places["printer Korvo"]);
  openTab(4, "Kshl/2004");  // the panels are back on Korvo before GTK's own fields are used
  // GTK's own copies and pages, and its paper: its open list starts on the first paper, so Down
  // is the second, US Legal.
  click(general);
  const Place copies = waitFor("gtk-field copies_spin").places["gtk-field copies_spin"];
  click({copies.x, copies.y, 20, copies.height});  // its text, left of its buttons
  xdotool("key ctrl+a type 2");
  click(shown.places["gtk-field page_range_radio"]);
  click(shown.places["gtk-field page_range_entry"]);
  xdotool("type 2-3");
  const Place last = shown.places["tab 6"];
  click({last.x + last.width + 20, last.y, 30, last.height});  // Page Setup, right of ours
  click(waitFor("gtk-field paper_size_combo").places["gtk-field paper_size_combo"]);
  xdotool("key --delay 300 Down Return");
  // Return in a panel's field is Print, as in GTK's own fields.
  click(openTab(4, "Kshl/2001").places["Kshl/2001"]);  // the job name
  xdotool("key Return");
  ASSERT_EQ(dialog_->waitForExit(20), std::optional<int>(0)) << ReadFile(dir_.file("err.txt"));
  EXPECT_TRUE(ReadFile(dir_.file("out.txt")).starts_with("Korvo-")) << ReadFile(dir_.file("out.txt"));
  for (const char* sent : {"job-sheet-message (textWithoutLanguage) = For Sam\n", "copies (integer) = 2\n",
                           "page-ranges (rangeOfInteger) = 2-3\n"})
    EXPECT_NE(cups->printerJob("doc.pdf").find(sent), std::string::npos) << sent << cups->printerJob("doc.pdf");
  auto saved = platform::PrintSession::load(dir_.file("session.plist"));
  ASSERT_TRUE(saved) << saved.error();
  EXPECT_EQ(saved->printer().name, "Korvo");
  EXPECT_EQ(platform::PaperInfoTicketPaperName(*saved->ticket(platform::kPDE_PMPageFormatRef)), "na-legal");
  EXPECT_EQ(ReadFile(dir_.file("err.txt")).find("Gtk-"), std::string::npos) << ReadFile(dir_.file("err.txt"));

  // On the plain queue the job goes with GTK's settings alone, and the session stays as it was.
  const std::string before = ReadFile(dir_.file("session.plist"));
  shown = start("", cups->inside());
  click(waitFor("printer Raw").places["printer Raw"]);
  ASSERT_EQ(answer(shown, "Print"), std::optional<int>(0)) << ReadFile(dir_.file("err.txt"));
  EXPECT_TRUE(ReadFile(dir_.file("out.txt")).starts_with("Raw-")) << ReadFile(dir_.file("out.txt"));
  EXPECT_EQ(ReadFile(dir_.file("session.plist")), before);
}

}  // namespace
#endif
