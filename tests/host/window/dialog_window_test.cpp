// The dialog in a real window, on a virtual X display: a person's clicks (sent by xdotool, as X
// events) change the panel shown and are saved to the session file; a screenshot of each run is
// kept under the build folder.
#ifdef KORVO_HAVE_GTK
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "host/window/child_process.h"
#include "platform/ticket/print_session.h"
#include "support/test_support.h"

namespace {

using korvo_test::ChildProcess;
using korvo_test::WaitUntil;

struct Place {
  int x = 0, y = 0, width = 0, height = 0;
  int centreX() const { return x + width / 2; }
  int centreY() const { return y + height / 2; }
};

// The places the layout report gives: "SIGN/ID" for controls, "item N" for open menu items.
std::map<std::string, Place> ReadLayout(const std::string& path) {
  std::map<std::string, Place> places;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string what, a, b;
    Place place;
    if (!(fields >> what >> a >> b)) continue;
    if (what == "control") {
      std::string kind;
      if (fields >> kind >> place.x >> place.y >> place.width >> place.height) places[a + "/" + b] = place;
    } else if (what == "item" && b == "0") {
      if (fields >> place.x >> place.y >> place.width >> place.height) {
        places["item " + a] = place;
        std::string text;
        std::getline(fields >> std::ws, text);
        places["item " + text] = place;
      }
    }
  }
  return places;
}

bool Have(const char* program) {
  return korvo_test::RunCommand(std::string("command -v ") + program + " >/dev/null 2>&1", nullptr) == 0;
}

class DialogWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* program : {"Xvfb", "xdotool", "convert", "import"})
      if (!Have(program)) GTEST_SKIP() << program << " is not installed (scripts/setup.sh installs it)";
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    // Xvfb picks a free display and tells its number through the pipe.
    xserver_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "800x640x24",
                                 "-nolisten", "tcp"},
        std::vector<std::pair<std::string, std::string>>{}, dir_.path() + "/xvfb.log", fds[1]);
    close(fds[1]);
    std::string number;
    pollfd wait{fds[0], POLLIN, 0};
    char c = 0;
    while (poll(&wait, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    ASSERT_FALSE(number.empty()) << korvo_test::ReadFile(dir_.path() + "/xvfb.log");
    display_ = ":" + number;
  }

  void startDialog() {
    dialog_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{std::string(KORVO_BIN_DIR) + "/korvo-pde", "dialog", "--session", session(),
                                 "--layout", layout()},
        std::vector<std::pair<std::string, std::string>>{{"DISPLAY", display_},
                                                          {"GDK_BACKEND", "x11"},
                                                          {"GSK_RENDERER", "cairo"},
                                                          {"GTK_A11Y", "none"},
                                                          {"NO_AT_BRIDGE", "1"},
                                                          // GTK keeps caches for the life of the
                                                          // process; they are not ours to free.
                                                          {"ASAN_OPTIONS", "detect_leaks=0"}},
        dir_.path() + "/dialog.log");
  }

  std::string session() const { return dir_.path() + "/session.plist"; }
  std::string layout() const { return dir_.path() + "/layout.txt"; }

  // Waits for the layout report to show what is wanted.
  std::map<std::string, Place> waitForLayout(const std::string& wanted) {
    std::map<std::string, Place> places;
    WaitUntil(20, [&] {
      places = ReadLayout(layout());
      return places.count(wanted) != 0 && places[wanted].width > 0;
    });
    return places;
  }

  void click(const Place& place) {
    const std::string command = "DISPLAY=" + display_ + " xdotool mousemove --sync " + std::to_string(place.centreX()) +
                                " " + std::to_string(place.centreY()) + " click 1";
    ASSERT_EQ(korvo_test::RunCommand(command, nullptr), 0) << command;
  }

  // A screenshot of the whole display, also kept under the build folder for whoever looks later.
  std::string screenshot(const std::string& name) {
    const std::string path = dir_.path() + "/" + name;
    EXPECT_EQ(korvo_test::RunCommand("import -display " + display_ + " -window root " + path, nullptr), 0);
    const std::filesystem::path kept = std::filesystem::path(KORVO_BIN_DIR).parent_path() / "test-artifacts";
    std::filesystem::create_directories(kept);
    std::filesystem::copy_file(path, kept / name, std::filesystem::copy_options::overwrite_existing);
    return path;
  }

  // The standard deviation of the pixels in a region of a picture, from 0 (one colour) to 1.
  double Contrast(const std::string& png, const Place& region) {
    std::string out;
    const std::string command = "convert " + png + " -crop " + std::to_string(region.width) + "x" +
                                std::to_string(region.height) + "+" + std::to_string(region.x) + "+" +
                                std::to_string(region.y) + " -colorspace Gray -format '%[fx:standard_deviation]' info:";
    if (korvo_test::RunCommand(command, &out) != 0) return -1;
    return std::stod(out);
  }

  korvo_test::TempDir dir_;
  std::unique_ptr<ChildProcess> xserver_;
  std::unique_ptr<ChildProcess> dialog_;
  std::string display_;
};

TEST_F(DialogWindowTest, ShowsTheShellWhereItsDescriptionPutsItAndSavesWhatIsClicked) {
  startDialog();
  std::map<std::string, Place> places = waitForLayout("Kshl/2");
  ASSERT_TRUE(places.count("Kshl/2")) << korvo_test::ReadFile(dir_.path() + "/dialog.log");

  // The shell pane sits at (10, 10) in the dialog; the panel pop-up at (150, 8) in the pane, at
  // its described size, with the previous and next buttons beside it.
  const Place popup = places["Kshl/2"];
  EXPECT_EQ(popup.x, 160);
  EXPECT_EQ(popup.y, 18);
  EXPECT_EQ(popup.width, 240);
  EXPECT_EQ(popup.height, 22);
  EXPECT_EQ(places["Kshl/3"].x, 408);
  EXPECT_EQ(places["Kshl/5"].y, 50);
  ASSERT_TRUE(places.count("PDlg/2"));
  EXPECT_EQ(places["PDlg/2"].x, 460);
  EXPECT_EQ(places["PDlg/2"].y, 520);

  // The window is drawn soon after it is shown: look until the pop-up is there.
  std::string shot;
  WaitUntil(10, [&] {
    shot = screenshot("dialog-window.png");
    return Contrast(shot, popup) > 0.05;
  });
  EXPECT_GT(Contrast(shot, {0, 0, 560, 560}), 0.01) << "the window looks blank";
  EXPECT_GT(Contrast(shot, popup), 0.05) << "nothing is drawn where the panel pop-up is";
  EXPECT_GT(Contrast(shot, places["PDlg/2"]), 0.05) << "nothing is drawn where the Save button is";

  // The Paper/Output panel is shown first; its output colour pop-up lies in its group where the
  // panel's description puts it.
  ASSERT_TRUE(places.count("PpOu/24")) << korvo_test::ReadFile(layout());
  const Place group = places["PpOu/1002"], colour = places["PpOu/24"];
  EXPECT_EQ(colour.x - group.x, 170);
  EXPECT_EQ(colour.y - group.y, 64);
  EXPECT_EQ(colour.width, 200);
  EXPECT_EQ(colour.height, 22);
  EXPECT_GT(Contrast(shot, colour), 0.05) << "nothing is drawn where the output colour pop-up is";

  // Choose another output colour, as a person would.
  click(colour);
  places = waitForLayout("item Grayscale");
  ASSERT_TRUE(places.count("item Grayscale")) << korvo_test::ReadFile(layout());
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  places = ReadLayout(layout());
  click(places["item Grayscale"]);
  WaitUntil(10, [&] { return ReadLayout(layout()).count("item Grayscale") == 0; });

  // Open the panel pop-up and choose the second panel.
  click(popup);
  places = waitForLayout("item 2");
  ASSERT_TRUE(places.count("item 2")) << korvo_test::ReadFile(layout());
  // The menu takes the pointer once it is on screen, a moment after its items are placed.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  places = ReadLayout(layout());
  screenshot("dialog-window-menu.png");
  click(places["item 2"]);
  places = waitForLayout("Kpnl/2");
  EXPECT_TRUE(places.count("Kpnl/2")) << "the second panel is not shown; layout:\n" << korvo_test::ReadFile(layout());
  EXPECT_FALSE(places.count("Kpnl/1")) << "the first panel is still shown";

  click(places["PDlg/2"]);
  ASSERT_EQ(dialog_->waitForExit(20), std::optional<int>(0)) << korvo_test::ReadFile(dir_.path() + "/dialog.log");
  auto saved = platform::PrintSession::load(session());
  ASSERT_TRUE(saved) << saved.error();
  const platform::Ticket* settings = saved->ticket(platform::kPDE_PMPrintSettingsRef);
  ASSERT_NE(settings, nullptr);

  // The ticket holds what the same choice made through korvo-pde set holds.
  const std::string other = dir_.path() + "/set.plist";
  std::string out;
  ASSERT_EQ(korvo_test::RunCommand(std::string(KORVO_BIN_DIR) + "/korvo-pde set --session " + other +
                                       " OutputColor=Grayscale",
                                   &out, true),
            0)
      << out;
  auto expected = platform::PrintSession::load(other);
  ASSERT_TRUE(expected) << expected.error();
  const char* colourKey = "com.korvo.print.FinishingOutputColor";
  const platform::PlistValue* chosen = settings->get(colourKey);
  const platform::PlistValue* wanted = expected->ticket(platform::kPDE_PMPrintSettingsRef)->get(colourKey);
  ASSERT_NE(chosen, nullptr);
  ASSERT_NE(wanted, nullptr);
  EXPECT_EQ(*chosen, *wanted);
}

TEST_F(DialogWindowTest, AHalftoneChosenOnImageOptionsIsSaved) {
  startDialog();
  std::map<std::string, Place> places = waitForLayout("Kshl/2");
  ASSERT_TRUE(places.count("Kshl/2")) << korvo_test::ReadFile(dir_.path() + "/dialog.log");
  // Image Options is the third panel of the panel pop-up.
  click(places["Kshl/2"]);
  places = waitForLayout("item 3");
  ASSERT_TRUE(places.count("item 3")) << korvo_test::ReadFile(layout());
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  places = ReadLayout(layout());
  click(places["item 3"]);
  places = waitForLayout("KPDE/1602");
  ASSERT_TRUE(places.count("KPDE/1602")) << "the halftone pop-up is not shown; layout:\n" << korvo_test::ReadFile(layout());
  click(places["KPDE/1602"]);
  places = waitForLayout("item 600 Dot");
  ASSERT_TRUE(places.count("item 600 Dot")) << korvo_test::ReadFile(layout());
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  places = ReadLayout(layout());
  click(places["item 600 Dot"]);
  WaitUntil(10, [&] { return ReadLayout(layout()).count("item 600 Dot") == 0; });
  screenshot("dialog-window-image-options.png");

  click(places["PDlg/2"]);
  ASSERT_EQ(dialog_->waitForExit(20), std::optional<int>(0)) << korvo_test::ReadFile(dir_.path() + "/dialog.log");
  auto saved = platform::PrintSession::load(session());
  ASSERT_TRUE(saved) << saved.error();
  const platform::Ticket* settings = saved->ticket(platform::kPDE_PMPrintSettingsRef);
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(settings->getInteger("com.korvo.print.HalftoneScreen"), 12);
}

TEST_F(DialogWindowTest, CancelSavesNothing) {
  startDialog();
  std::map<std::string, Place> places = waitForLayout("PDlg/3");
  ASSERT_TRUE(places.count("PDlg/3")) << korvo_test::ReadFile(dir_.path() + "/dialog.log");
  click(places["PDlg/3"]);
  ASSERT_EQ(dialog_->waitForExit(20), std::optional<int>(0));
  EXPECT_FALSE(std::filesystem::exists(session()));
}

}  // namespace
#endif
