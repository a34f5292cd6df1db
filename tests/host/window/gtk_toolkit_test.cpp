// The toolkit's GTK side on a virtual X display, in the test's own process: the list view with
// its column titles and rows, an alert answered through the layout report, and the clipboard
// shared with other programs (xclip).
#ifdef KORVO_HAVE_GTK
#include <gtk/gtk.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "host/window/child_process.h"
#include "host/window/layout_file.h"
#include "host/window/layout_report.h"
#include "host/window/virtual_display.h"
#include "platform/bundle/bundle.h"
#include "platform/four_char_code.h"
#include "platform/ui/interface_file.h"
#include "platform/ui/gtk/gtk_interaction.h"
#include "platform/ui/gtk/window_renderer.h"
#include "platform/ui/user_driver.h"
#include "platform/ui/window.h"
#include "support/test_support.h"

namespace {

namespace ui = platform::ui;
using korvo_test::WaitUntil;

// Turns the main loop until done says so or the seconds are up; answers done().
template <typename Done>
bool PumpUntil(double seconds, Done done) {
  return WaitUntil(seconds, [&] {
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    return done();
  });
}

// The lines of a layout report that start with what.
std::vector<std::string> LinesOf(const std::string& report, const std::string& what) {
  std::vector<std::string> lines;
  std::istringstream in(report);
  for (std::string line; std::getline(in, line);)
    if (line.rfind(what + " ", 0) == 0) lines.push_back(line);
  return lines;
}

std::vector<int> Numbers(const std::string& line, std::size_t first, std::size_t count) {
  std::istringstream in(line);
  std::string word;
  for (std::size_t i = 0; i < first; ++i) in >> word;
  std::vector<int> numbers(count);
  for (int& n : numbers) in >> n;
  return numbers;
}

class GtkToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* program : {"Xvfb", "xdotool", "xclip"})
      if (!korvo_test::HaveProgram(program)) GTEST_SKIP() << program << " is not installed (scripts/setup.sh installs it)";
    display_ = std::make_unique<korvo_test::VirtualDisplay>(dir_.path() + "/xvfb.log");
    ASSERT_FALSE(display_->name().empty()) << korvo_test::ReadFile(dir_.path() + "/xvfb.log");
  }

  // Runs body in a child process with GTK on the display; what body writes under dir_ is read
  // afterwards. GTK keeps its caches for the life of a process, so each test has a process of
  // its own, which ends without the leak check that would count them.
  template <typename Body>
  void RunWithGtk(Body body) {
    EXPECT_EXIT(
        {
          setenv("DISPLAY", display_->name().c_str(), 1);
          setenv("GDK_BACKEND", "x11", 1);
          setenv("GSK_RENDERER", "cairo", 1);
          setenv("GTK_A11Y", "none", 1);
          setenv("NO_AT_BRIDGE", "1", 1);
          alarm(60);  // a body that waits forever fails rather than hangs
          if (!gtk_init_check()) std::_Exit(2);
          body();
          std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "");
  }

  void click(int x, int y) const {
    korvo_test::RunCommand("DISPLAY=" + display_->name() + " xdotool mousemove --sync " + std::to_string(x) + " " +
                               std::to_string(y) + " click 1",
                           nullptr);
  }

  std::string file(const std::string& name) const { return dir_.path() + "/" + name; }

  korvo_test::TempDir dir_;
  std::unique_ptr<korvo_test::VirtualDisplay> display_;
};

TEST_F(GtkToolkitTest, ListViewShowsColumnTitlesAtTheirWidthsAndItsRowsAndAClickSelectsOne) {
  RunWithGtk([&] {
    ui::Window window("List", {0, 0, 400, 300});
    window.setTitle("Stocks");
    ui::Control& list =
        *window.content().embed(std::make_unique<ui::Control>(ui::ControlKind::DataBrowser, ui::ControlID{platform::FourCharCode("test"), 1},
                                                              ui::Rect{20, 20, 360, 200}));
    ui::DataBrowser& browser = list.dataBrowser();
    browser.columns() = {{1, "Name", 160}, {2, "Size", 120}};
    browser.setItems({7, 8, 9});
    // The last row's last cell is longer than its column: it wraps onto more lines, whole.
    browser.setDataCallback([](ui::DataBrowserItemID item, ui::DataBrowserPropertyID property) {
      return (property == 1 ? "Stock " : "A") + std::to_string(item - 3) +
             (property == 2 && item == 9 ? ", printed on both sides, three holes at the left edge" : "");
    });
    std::string chosen;
    browser.setSelectionCallback([&](const std::set<ui::DataBrowserItemID>& rows) {
      for (ui::DataBrowserItemID row : rows) chosen += std::to_string(row) + " ";
    });
    ui::gtk::WindowRenderer renderer(window, {});
    gtk_window_present(renderer.gtkWindow());
    PumpUntil(10, [&] {
      const auto shown = renderer.listRowsOf(list);
      return shown.size() == 3 && shown[2].place.y > shown[0].place.y && !renderer.listColumnsOf(list).empty();
    });
    korvo_host::WriteLayoutReport(file("layout.txt"));
    const auto rows = renderer.listRowsOf(list);
    if (rows.size() > 1) click(rows[1].place.x + 10, rows[1].place.y + rows[1].place.height / 2);
    PumpUntil(10, [&] { return !chosen.empty(); });
    korvo_test::WriteFile(file("chosen.txt"), chosen);
  });
  const std::string report = korvo_test::ReadFile(file("layout.txt"));
  const std::vector<std::string> columns = LinesOf(report, "column"), rows = LinesOf(report, "row");
  ASSERT_EQ(columns.size(), 2u) << report;
  EXPECT_TRUE(columns[0].ends_with(" Name") && columns[1].ends_with(" Size")) << report;
  EXPECT_EQ(Numbers(columns[0], 4, 4)[2], 160) << report;  // the first column's width; the last takes the rest
  ASSERT_EQ(rows.size(), 3u) << report;
  EXPECT_TRUE(rows[0].starts_with("row test 1 7 ") && rows[0].ends_with(" Stock 4\tA4") &&
              rows[2].ends_with(" Stock 6\tA6, printed on both sides, three holes at the left edge"))
      << report;
  EXPECT_GT(Numbers(rows[2], 4, 4)[3], Numbers(rows[0], 4, 4)[3] * 3 / 2) << report;  // taller: wrapped
  EXPECT_EQ(Numbers(rows[2], 4, 4)[2], 356) << report;  // no wider than the list, within its 2 px padding
  EXPECT_EQ(korvo_test::ReadFile(file("chosen.txt")), "8 ");
}

TEST_F(GtkToolkitTest, AlertButtonsAreInTheLayoutReportAndAClickOnOneAnswersIt) {
  RunWithGtk([&] {
    ui::gtk::GtkInteraction interaction(nullptr, {});
    // While the alert waits, a script reads where its buttons are and clicks "Cancel".
    std::unique_ptr<korvo_test::ChildProcess> clicker;
    auto answerByLayout = [&] {
      korvo_host::WriteLayoutReport(file("layout.txt"));
      for (const std::string& line : LinesOf(korvo_test::ReadFile(file("layout.txt")), "button"))
        if (line.ends_with(" Cancel") && !clicker) {
          const std::vector<int> place = Numbers(line, 3, 4);
          clicker = std::make_unique<korvo_test::ChildProcess>(
              std::vector<std::string>{"xdotool", "mousemove", "--sync", std::to_string(place[0] + place[2] / 2),
                                       std::to_string(place[1] + place[3] / 2), "click", "1"},
              std::vector<std::pair<std::string, std::string>>{}, file("xdotool.log"));
        }
      return G_SOURCE_CONTINUE;
    };
    const guint source = g_timeout_add(
        100, [](gpointer data) -> gboolean { return (*static_cast<decltype(answerByLayout)*>(data))(); },
        &answerByLayout);
    const int answer = interaction.alert({ui::AlertLevel::Caution, "Replace the stock?", "It is in use.", {"Replace", "Cancel"}});
    g_source_remove(source);
    korvo_test::WriteFile(file("answer.txt"), std::to_string(answer));
  });
  EXPECT_EQ(korvo_test::ReadFile(file("answer.txt")), "2");
  const std::string report = korvo_test::ReadFile(file("layout.txt"));
  const std::vector<std::string> windows = LinesOf(report, "window"), buttons = LinesOf(report, "button");
  ASSERT_TRUE(windows.size() == 1 && buttons.size() == 2) << report;
  EXPECT_TRUE(windows[0].ends_with(" Replace the stock?") && buttons[0].starts_with("button 0 1 ") &&
              buttons[0].ends_with(" Replace") && buttons[1].ends_with(" Cancel"))
      << report;
}

TEST_F(GtkToolkitTest, ClipboardIsTheDisplaysSharedWithOtherPrograms) {
  RunWithGtk([&] {
    ui::gtk::GtkInteraction interaction(nullptr, {});
    ui::SetInteraction(&interaction);
    ui::SetClipboardText("Stapling: 1 Staple\nPaper: Blue");
    // Another program pastes while we own the clipboard: our main loop must answer it.
    korvo_test::ChildProcess paste({"xclip", "-o", "-selection", "clipboard"}, {}, file("pasted.txt"));
    PumpUntil(10, [&] { return paste.waitForExit(0).has_value(); });
    // Another program copies; we paste.
    korvo_test::WriteFile(file("theirs.txt"), "from another program");
    korvo_test::ChildProcess copy({"xclip", "-quiet", "-selection", "clipboard", "-i", file("theirs.txt")}, {},
                                  file("copy.log"));
    std::optional<std::string> pasted;
    WaitUntil(10, [&] { return (pasted = ui::ClipboardText()) == "from another program"; });
    korvo_test::WriteFile(file("ours.txt"), pasted.value_or("(none)"));
    ui::SetInteraction(nullptr);
  });
  EXPECT_EQ(korvo_test::ReadFile(file("pasted.txt")), "Stapling: 1 Staple\nPaper: Blue");
  EXPECT_EQ(korvo_test::ReadFile(file("ours.txt")), "from another program");
}

TEST_F(GtkToolkitTest, EveryWindowOfTheInterfaceDescriptionsHasRoomForItsTitlesAndNoOverlaps) {
  // Every window of every description as it lays it out, in the bundle's language. The panels
  // whose groups the program stacks are left to the window test, as are the controls the
  // program adds to dialogs: it checks them where it opens them.
  const std::set<std::string> stacked = {"Paper_Output", "ImageOptionsPanel", "AdvancedPanel"};
  const std::string suffix = ".interface.xml";
  std::vector<std::pair<std::string, std::string>> windows;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(KORVO_SOURCE_DIR) + "/resources")) {
    const std::string file = entry.path().filename().string();
    if (!file.ends_with(suffix)) continue;
    const std::string name = file.substr(0, file.size() - suffix.size());
    if (stacked.count(name) != 0) continue;
    const std::string xml = korvo_test::ReadFile(entry.path().string());
    const std::regex window("<window name=\"([^\"]+)\""), picture("picture=\"([^\"]+)\"");
    for (auto m = std::sregex_iterator(xml.begin(), xml.end(), window); m != std::sregex_iterator(); ++m)
      windows.emplace_back(name, (*m)[1]);
    // A picture the bundle lacks would leave its control (a button's, say) without one.
    for (auto m = std::sregex_iterator(xml.begin(), xml.end(), picture); m != std::sregex_iterator(); ++m)
      EXPECT_TRUE(std::filesystem::exists(entry.path().parent_path() / (*m)[1].str())) << file << ": " << (*m)[1];
  }
  ASSERT_EQ(windows.size(), 39u);
  RunWithGtk([&] {
    auto bundle = platform::Bundle::open(KORVO_BUNDLE_DIR);
    if (!bundle) return;
    for (const auto& [name, windowName] : windows) {
      auto window = ui::CreateWindowFromInterface(**bundle, name, windowName);
      if (!window) continue;
      ui::gtk::WindowRenderer renderer(**window, {(*bundle)->resourcesPath()});
      gtk_window_present(renderer.gtkWindow());
      PumpUntil(10, [&] { return renderer.windowPlace() && renderer.placeOf(*(*window)->content().children().front()); });
      PumpUntil(0.2, [] { return false; });  // the labels' own layout follows the window's
      korvo_host::WriteLayoutReport(file(name + "-" + windowName + ".txt"));
    }
  });
  for (const auto& [name, windowName] : windows) {
    const std::string path = file(name + "-" + windowName + ".txt");
    const korvo_test::Layout layout = korvo_test::ReadLayout(path);
    EXPECT_FALSE(layout.controls.empty()) << name << " " << windowName << " was not shown";
    EXPECT_EQ(korvo_test::LayoutFaults(layout, "0"), std::vector<std::string>{})
        << name << " " << windowName << "\n" << korvo_test::ReadFile(path);
  }
}

}  // namespace
#endif
