// The dialog in a real window, on a virtual X display: a person's clicks (sent by xdotool, as X
// events) change the panel shown and are saved to the session file; a screenshot of each run is
// kept under the build folder.
#ifdef KORVO_HAVE_GTK
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "host/window/child_process.h"
#include "host/window/layout_file.h"
#include "host/window/virtual_display.h"
#include "platform/ticket/print_session.h"
#include "support/test_support.h"

namespace {

using korvo_test::ChildProcess;
using korvo_test::Layout;
using korvo_test::Place;
using korvo_test::ReadFile;
using korvo_test::ReadLayout;
using korvo_test::WaitUntil;

class DialogWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* program : {"Xvfb", "xdotool", "convert", "import"})
      if (!korvo_test::HaveProgram(program)) GTEST_SKIP() << program << " is not installed (scripts/setup.sh installs it)";
    xserver_ = std::make_unique<korvo_test::VirtualDisplay>(dir_.path() + "/xvfb.log");
    display_ = xserver_->name();
    ASSERT_FALSE(display_.empty()) << korvo_test::ReadFile(dir_.path() + "/xvfb.log");
  }

  // Starts korvo-pde dialog and waits until the control wanted is shown.
  Layout start(const std::string& wanted) {
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
    Layout shown = waitFor(wanted);
    EXPECT_TRUE(shown.has(wanted)) << korvo_test::ReadFile(dir_.path() + "/dialog.log");
    return shown;
  }
  // Starts the dialog, brings the panel titled so to the front and waits for the control wanted.
  Layout startOnPanel(const std::string& title, const std::string& wanted) {
    chooseItem(start("Kshl/2").places["Kshl/2"], title);
    return waitFor(wanted);
  }

  std::string session() const { return dir_.path() + "/session.plist"; }
  std::string layout() const { return dir_.path() + "/layout.txt"; }

  // The layout report once it shows what is wanted (a failure with the report if it never does);
  // with settled, once window N also has every title whole and no sibling overlapping another (a
  // slow machine reports a window before it has placed all of it).
  Layout waitFor(const std::string& wanted, const char* settled = nullptr) {
    Layout read;
    WaitUntil(20, [&] {
      read = ReadLayout(layout());
      return read.has(wanted) && (settled == nullptr || korvo_test::LayoutFaults(read, settled).empty());
    });
    EXPECT_TRUE(read.has(wanted)) << wanted << " is not shown; layout:\n" << korvo_test::ReadFile(layout());
    return read;
  }
  void waitGone(const std::string& name) {
    EXPECT_TRUE(WaitUntil(10, [&] { return !ReadLayout(layout()).has(name); }))
        << name << " is still shown; layout:\n" << korvo_test::ReadFile(layout());
  }
  // Every title of window N whole and no two of its controls on top of each other; its little
  // arrows keep their small frames.
  void expectFits(const Layout& shown, const std::string& window) {
    EXPECT_EQ(korvo_test::LayoutFaults(shown, window), std::vector<std::string>{}) << korvo_test::ReadFile(layout());
    for (const korvo_test::ControlLine& line : shown.controls) {
      const bool arrows = line.kind == "little-arrows" && line.place.width != 0 && line.node.starts_with(window + ".");
      EXPECT_TRUE(!arrows || (line.place.width <= 16 && line.place.height <= 24)) << line.name;
    }
  }

  // Window N checked as expectFits does, and kept as a screenshot named so ("dialog Saved Job" as
  // "dialog-Saved-Job.png").
  void laidOut(const Layout& shown, const std::string& window, std::string name) {
    expectFits(shown, window);
    while (name.ends_with('.')) name.pop_back();  // "Bind..." as "dialog-Bind.png"
    std::replace_if(name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '-');
    screenshot(name + ".png");
  }

  // Chooses an item of the pop-up or menu button at place, as a person would: in a menu taller
  // than the screen, turning the wheel over it until the item comes into view.
  void chooseItem(const Place& place, const std::string& item) {
    click(place);
    ASSERT_TRUE(WaitUntil(30, [&] {
      const Layout menu = ReadLayout(layout());
      if (menu.has("item " + item) || menu.menu.width == 0) return menu.has("item " + item);
      korvo_test::RunCommand("DISPLAY=" + display_ + " xdotool mousemove --sync " + std::to_string(menu.menu.centreX()) +
                                 " " + std::to_string(menu.menu.centreY()) + " click 5",
                             nullptr);
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      return false;
    })) << item << " is not shown; layout:\n" << korvo_test::ReadFile(layout());
    // The menu takes the pointer once it is on screen, a moment after its items are placed.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    click(ReadLayout(layout()).places["item " + item]);
    WaitUntil(10, [&] { return ReadLayout(layout()).places.count("item " + item) == 0; });
  }

  void click(const Place& place) {
    const std::string command = "DISPLAY=" + display_ + " xdotool mousemove --sync " + std::to_string(place.centreX()) +
                                " " + std::to_string(place.centreY()) + " click 1";
    ASSERT_EQ(korvo_test::RunCommand(command, nullptr), 0) << command;
  }
  // Types into the field that has the keyboard, or presses keys there, as a person would.
  void type(const std::string& text) {
    ASSERT_EQ(korvo_test::RunCommand("DISPLAY=" + display_ + " xdotool type --delay 20 '" + text + "'", nullptr), 0);
  }
  void key(const std::string& keys) {
    ASSERT_EQ(korvo_test::RunCommand("DISPLAY=" + display_ + " xdotool key " + keys, nullptr), 0);
  }
  // The session korvo-pde set leaves with these choices made; answers its bytes.
  std::string sessionWith(const std::string& choices) {
    std::string out;
    const std::string set = std::string(KORVO_BIN_DIR) + "/korvo-pde set --session " + session() + " " + choices;
    EXPECT_EQ(korvo_test::RunCommand(set, &out, true), 0) << out;
    return korvo_test::ReadFile(session());
  }
  std::string watermarkFile() const { return home_.dir().file("data/Korvo/com.korvo.printing.watermarks.plist"); }

  // Clicks Save, waits for the dialog to end well, and reads back the print settings it saved.
  platform::Ticket save(const Place& button) {
    click(button);
    EXPECT_EQ(dialog_->waitForExit(20), std::optional<int>(0)) << korvo_test::ReadFile(dir_.path() + "/dialog.log");
    auto loaded = platform::PrintSession::load(session());
    EXPECT_TRUE(loaded) << loaded.error();
    const platform::Ticket* settings = loaded ? loaded->ticket(platform::kPDE_PMPrintSettingsRef) : nullptr;
    EXPECT_NE(settings, nullptr);
    return settings ? *settings : platform::Ticket();
  }
  static std::string Text(const platform::Ticket& settings, const char* key) {
    const std::string* text = settings.getString(key);
    return text ? *text : "(absent)";
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

  // The desktop opens web pages with program.
  void useBrowser(const std::string& program) {
    std::filesystem::create_directories(home_.dir().file("data/applications"));
    korvo_test::WriteFile(home_.dir().file("data/applications/korvo-test-browser.desktop"),
                          "[Desktop Entry]\nType=Application\nName=Test Browser\nExec=" + program +
                              " %u\nMimeType=text/html;\nNoDisplay=true\n");
    korvo_test::WriteFile(home_.dir().file("config/mimeapps.list"),
                          "[Default Applications]\ntext/html=korvo-test-browser.desktop\n");
  }
  // A session on a printer with a folding unit (its finishing menu offers Fold...); its bytes.
  std::string useFoldingPrinter() {
    platform::PrintSession folding;
    folding.printer().ppdPath = korvo_test::DataPath("panels/finishers.ppd");
    EXPECT_TRUE(folding.save(session()));
    return korvo_test::ReadFile(session());
  }

  korvo_test::ScopedXdgHome home_;  // the dialog's preference files stay out of the user's folders
  korvo_test::TempDir dir_;
  std::unique_ptr<korvo_test::VirtualDisplay> xserver_;
  std::unique_ptr<ChildProcess> dialog_;
  std::string display_;
};

TEST_F(DialogWindowTest, ShowsTheShellDrawnAndSavesWhatIsClickedAndTyped) {
  Layout shown = start("Kshl/2");
  ASSERT_TRUE(shown.has("Kshl/2") && shown.has("PDlg/2"));
  std::map<std::string, Place>& places = shown.places;

  const Place popup = places["Kshl/2"];
  // The window is drawn soon after it is shown: look until the pop-up is there.
  std::string shot;
  WaitUntil(10, [&] {
    shot = screenshot("dialog-window.png");
    return Contrast(shot, popup) > 0.05;
  });
  EXPECT_GT(Contrast(shot, {0, 0, 560, 560}), 0.01) << "the window looks blank";
  EXPECT_GT(Contrast(shot, popup), 0.05) << "nothing is drawn where the panel pop-up is";
  EXPECT_GT(Contrast(shot, places["PDlg/2"]), 0.05) << "nothing is drawn where the Save button is";

  // The Paper/Output panel is shown first, with its output colour pop-up.
  ASSERT_TRUE(shown.has("PpOu/24")) << korvo_test::ReadFile(layout());
  const Place colour = places["PpOu/24"];
  EXPECT_GT(Contrast(shot, colour), 0.05) << "nothing is drawn where the output colour pop-up is";

  // The paper summary is only read: a click leaves the keyboard where it was, on Save.
  click(places["PpOu/11"]);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(ReadLayout(layout()).focus["0"], "PDlg/2");

  // Another output colour, then the second panel, chosen as a person would.
  chooseItem(colour, "Grayscale");
  chooseItem(popup, "2");
  const Layout second = waitFor("Kpnl/2");
  EXPECT_FALSE(second.places.count("Kpnl/1")) << "the first panel is still shown";

  // Names typed on Job Notes: the job name's field is the left part of its combo box; the banner
  // message is a text view.
  chooseItem(popup, "Job Notes");
  waitFor("Kshl/2004");
  shown = waitFor("Kshl/2001");  // the combo box is placed a report after the text view, under load
  ASSERT_TRUE(shown.has("Kshl/2001") && shown.has("Kshl/2004")) << ReadFile(layout());
  const Place jobName = shown.places["Kshl/2001"];
  click({jobName.x, jobName.y, jobName.width / 2, jobName.height});
  // The field shows the special entry: select it all first, as a person would, and type over it.
  key("ctrl+a");
  type("Quarterly report");
  click(shown.places["Kshl/2004"]);
  type("For Sam");
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  // Send Job Ticket, a check box on Advanced, turned off.
  chooseItem(popup, "Advanced");
  shown = waitFor("KPDE/640");
  ASSERT_TRUE(shown.has("KPDE/640"));
  click(shown.places["KPDE/640"]);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));

  const platform::Ticket settings = save(places["PDlg/2"]);
  EXPECT_EQ(settings.getInteger("com.korvo.print.FinishingOutputColor"), 1);  // Grayscale
  EXPECT_EQ(Text(settings, "com.korvo.print.JobNotesJobName"), "Quarterly report");
  EXPECT_EQ(settings.getBoolean("com.korvo.print.JobNotesUseJobName"), false);
  EXPECT_EQ(Text(settings, "com.korvo.print.JobNotesSheetMessage"), "For Sam");
  EXPECT_EQ(settings.getInteger("com.korvo.print.EmitJTKT"), 0);
}

// Booklet/Watermark in the window: a saved watermark chosen from its pop-up is previewed (the
// preview is not blank); the editor previews the text typed and files the watermark. Save keeps
// the watermark.
TEST_F(DialogWindowTest, WatermarksOnBookletWatermarkArePreviewedAndSaved) {
  Layout shown = startOnPanel("Booklet/Watermark", "KPDE/6006");
  ASSERT_TRUE(shown.has("KPDE/6006") && shown.has("KPDE/6007") && shown.has("KPDE/6008"));
  chooseItem(shown.places["KPDE/6006"], "Draft");
  std::string shot;
  EXPECT_TRUE(WaitUntil(10, [&] {
    shot = screenshot("dialog-window-watermark.png");
    return Contrast(shot, shown.places["KPDE/6008"]) > 0.02;
  })) << "the watermark preview looks blank";

  chooseItem(shown.places["KPDE/6006"], "New...");
  Layout editor = waitFor("KWEd/4");
  ASSERT_TRUE(editor.has("KWEd/4"));
  // The preview is a blank page until there is text; then the text, light as density 25 draws it.
  const double blank = Contrast(screenshot("dialog-window-watermark-editor-blank.png"), editor.places["KWEd/24"]);
  click(editor.places["KWEd/4"]);
  type("Proof");
  double drawn = blank;
  EXPECT_TRUE(WaitUntil(10, [&] {
    drawn = Contrast(screenshot("dialog-window-watermark-editor.png"), editor.places["KWEd/24"]);
    return drawn > blank + 0.005;
  })) << "the editor's preview did not draw the text: " << blank << " then " << drawn;
  click(editor.places["KWEd/25"]);
  waitGone("KWEd/25");

  EXPECT_EQ(Text(save(shown.places["PDlg/2"]), "com.korvo.print.watermark.Watermark"), "Proof");
}

// Every panel and every dialog and alert opens over the print dialog with every title whole and
// no control on another ("1 Staple..." lists its controls as window 1), each kept as a screenshot;
// Escape cancels each of them, those at the end of the menus taller than the display (reached by
// scrolling the menu: an item the report places out of view would not be clicked), and the
// export summary (no window manager turns it into a close here): saved afterwards, the session is
// what it was, byte for byte. Saved Job's Secure Job box moves the keyboard to the passcode, which
// shows dots. Little arrows keep their small frames, and Help is a round "?"; Colour Setup keeps
// one width whichever tab it shows. With no browser on the desktop (it names a program that is not
// there), Help says so on screen, in an alert that Escape closes.
TEST_F(DialogWindowTest, EveryDialogFitsItsTitlesAndEscapeCancelsEveryDialogAndAlert) {
  const std::string before = dir_.path() + "/before.plist";
  useBrowser(dir_.path() + "/no-such-browser");
  // Booklet layout turned on and off once beforehand: the walk does so too, for Booklet Options.
  useFoldingPrinter();
  korvo_test::WriteFile(before, sessionWith("Watermark=Draft BookletLayout=Enabled BookletLayout=Disabled"));
  Layout shown = start("PpOu/30");
  ASSERT_TRUE(shown.has("PpOu/2") && shown.has("PpOu/30"));
  // Tab visits the panel's controls in the order they are shown (the paper summary, then its
  // Paper button): the layout report lists controls in that order.
  const auto placeInReport = [&](const std::string& name) {
    return std::find_if(shown.controls.begin(), shown.controls.end(), [&](const auto& c) { return c.name == name; }) -
           shown.controls.begin();
  };
  std::vector<std::string> visited;
  std::string tabbedTo = ReadLayout(layout()).focus["0"];
  for (int i = 0; i < 8 && visited.size() < 4; ++i) {
    key("Tab");
    const std::string last = tabbedTo;  // the report follows the keyboard a moment later
    WaitUntil(5, [&] { return (tabbedTo = ReadLayout(layout()).focus["0"]) != last; });
    if (tabbedTo.starts_with("PpOu/")) visited.push_back(tabbedTo);
  }
  ASSERT_EQ(visited.size(), 4u) << ReadFile(layout());
  for (std::size_t i = 1; i < visited.size(); ++i)
    EXPECT_LT(placeInReport(visited[i - 1]), placeInReport(visited[i])) << visited[i - 1] << " before " << visited[i];

  const auto secureJob = [&](const Layout& saved) {
    click(saved.places.at("KPDE/2005"));
    EXPECT_TRUE(WaitUntil(10, [&] { return ReadLayout(layout()).focus["1"] == "KPDE/2006"; })) << ReadFile(layout());
    type("4821");
    EXPECT_TRUE(WaitUntil(10, [&] { return ReadLayout(layout()).fields["KPDE/2006"] == "\u25cf\u25cf\u25cf\u25cf"; }))
        << ReadFile(layout());
  };
  // What a button of the dialog in front opens, as window 2 over it: checked, then Escaped.
  const auto opens = [&](const char* button, const char* control, const char* name) {
    return [=, this](const Layout& under) {
      click(under.places.at(button));
      laidOut(waitFor(control, "2"), "2", std::string("dialog ") + name);
      key("Escape");
      waitGone(control);
    };
  };
  // Setup... on the exceptions dialog's first tab, Color Setup on its second.
  const auto exceptionSetups = [&](const Layout& exceptions) {
    opens("SpPg/23", "KPDE/972", "exception Image Shift")(exceptions);
    click(exceptions.places.at("page SpPg/100 2"));
    opens("SpPg/31", "ClrS/1", "exception Color Setup")(waitFor("SpPg/31"));
  };
  const auto colourSetup = [&](const Layout& setup) {
    for (int tab = 1; tab <= 4; ++tab) {
      click(setup.places.at("page ClrS/100 " + std::to_string(tab)));
      EXPECT_TRUE(WaitUntil(10, [&] {
        Layout now = ReadLayout(layout());  // the first tab's pane shown on the first tab only
        return (tab == 1) == now.has("ClrS/101") && now.windowPlaces["1"].width == setup.windowPlaces.at("1").width;
      })) << "tab " << tab << ": " << ReadFile(layout());
    }
    click(setup.places.at("ClrS/3"));
    const Layout alert = waitFor("button 2 OK");
    EXPECT_EQ(alert.windowTitles.at("2"), "The help page could not be opened.");
    key("Escape");
    waitGone("button 2 OK");
  };
  // The Help button of each dialog that has one, by a control the dialog shows.
  const std::map<std::string, std::string> helpOf = {
      {"ClrS/1", "ClrS/3"},  {"KPDE/972", "KPDE/990"},  {"SpPg/10", "SpPg/3"}, {"SpPg/12", "SpPg/3"},
      {"SpPg/100", "SpPg/3"}, {"Fnsh/5", "Fnsh/6"},     {"KPDE/20150", "KPDE/3"}, {"CuWt/1", "CuWt/5"},
      {"CuSz/1", "CuSz/10"}};
  // Booklet Options... is there while booklet layout is on.
  const auto bookletLayout = [&](bool on) {
    chooseItem(ReadLayout(layout()).places["KPDE/6002"], on ? "Enabled" : "Disabled");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  };
  struct Dialog {
    const char* opener;   // a pop-up or menu, or a button when item is empty
    const char* item;
    const char* control;  // one the dialog shows, or an alert's button
    const char* title;    // of its window, when it has one of its own
    std::function<void(const Layout&)> inside = nullptr;  // what is done in it before Escape
    std::function<void(bool)> around = nullptr;  // done before it opens (true) and after (false)
  };
  const std::vector<std::pair<const char*, std::vector<Dialog>>> panels = {
      {"Paper/Output",
       {{"PpOu/2", "Saved Job", "KPDE/2005", "Saved Job", secureJob},
        {"PpOu/2", "Background Form", "KPDE/1901", "Saved Background Form",
         opens("KPDE/1902", "KPDE/2003", "Background Form Setup")},
        {"PpOu/12", "Stock Library...", "KPDE/23002", "Stock Library", opens("KPDE/23010", "KPDE/22060", "Add Named Paper")},
        {"PpOu/30", "Pads...", "KPDE/2116", ""},
        {"PpOu/30", "1 Staple...", "Fnsh/101", "1 Staple"},
        {"PpOu/30", "2 Staples...", "Fnsh/101", "2 Staples"},
        {"PpOu/30", "Offset/Subset...", "Fnsh/21", ""},
        {"PpOu/30", "Booklet Creation...", "KPDE/1601", "Booklet Creation"},
        {"PpOu/30", "Coil Punch...", "Fnsh/81", "Coil Punch"},
        {"PpOu/30", "Center Staple...", "Fnsh/3", "Center Staple"},
        {"PpOu/30", "Bind...", "Fnsh/3", "Bind"},
        {"PpOu/30", "2 Hole Punch...", "Fnsh/3", "2 Hole Punch"},
        {"PpOu/30", "Z Fold Half Sheet...", "Fnsh/3", "Z Fold Half Sheet"},
        {"PpOu/30", "Multiple Finishing...", "Fnsh/3", "Multiple Finishing"},
        {"PpOu/30", "Custom...", "Fnsh/3", "Custom Finishing"},
        {"PpOu/30", "Fold...", "Fnsh/5", "", opens("Fnsh/5", "Fnsh/9", "Trim Outside Edge")},
        {"PpOu/12", "3.14", "KPDE/20150", "Custom Color"},
        {"PpOu/12", "4.6", "KPDE/20000", "Custom Type"},
        {"PpOu/12", "5.8", "CuWt/1", "Custom Weight"},
        {"PpOu/12", "Advanced Paper Selection...", "KPDE/22001", "Advanced Paper Selection"}}},
      {"Special Pages",
       {{"KPDE/100", "", "SpPg/10", ""},
        {"KPDE/200", "", "SpPg/12", ""},
        {"KPDE/300", "", "SpPg/100", "", exceptionSetups}}},
      {"Image Options", {{"KPDE/1004", "", "ClrS/1", "", colourSetup}, {"KPDE/2204", "", "KPDE/972", ""}}},
      {"Job Notes", {{"Kshl/2006", "", "Kjnp/3", ""}}},
      {"Booklet/Watermark",
       {{"KPDE/6006", "New...", "KWEd/25", "Watermark Editor"},
        {"KPDE/6007", "Setup...", "KPDE/2003", "Background Form"},
        {"KPDE/6005", "", "KPDE/1607", "Booklet Options", nullptr, bookletLayout},
        {"KPDE/6006", "Delete", "button 1 Keep", "Delete the watermark?"}}},
      {"Advanced", {{"KPDE/670", "", "KPDE/506", "About"}, {"KPDE/681", "Custom...", "CuSz/1", "Custom Size Setup"}}}};
  for (const auto& [panel, dialogs] : panels) {
    SCOPED_TRACE(panel);
    chooseItem(shown.places["Kshl/2"], panel);
    const Layout front = waitFor(dialogs.front().opener, "0");
    laidOut(front, "0", std::string("panel ") + panel);
    for (const Dialog& d : dialogs) {
      SCOPED_TRACE(d.control);
      if (d.around) d.around(true);
      if (*d.item) chooseItem(front.places.at(d.opener), d.item);
      else click(front.places.at(d.opener));
      Layout dialog = waitFor(d.control, "1");
      ASSERT_TRUE(dialog.has(d.control));
      EXPECT_TRUE(!*d.title || dialog.windowTitles["1"] == d.title) << dialog.windowTitles["1"];
      laidOut(dialog, "1", std::string("dialog ") + (*d.title ? d.title : d.control));
      if (const auto help = helpOf.find(d.control); help != helpOf.end())
        for (const korvo_test::ControlLine& line : dialog.controls) {
          EXPECT_TRUE(line.name != help->second || line.title == "?") << line.title;
        }
      if (d.inside) d.inside(dialog);
      key("Escape");
      waitGone(d.control);
      if (d.around) d.around(false);
    }
  }
  // Export Job Ticket...: GTK's own chooser shows the filter of job tickets and takes the name
  // typed; Escape in the summary of what the file would hold writes nothing.
  click(shown.places["PDlg/5"]);
  // Typed only once the chooser holds the keyboard: on a slow machine it is mapped well before.
  ASSERT_TRUE(WaitUntil(20, [&] {
    std::string focused;
    return korvo_test::RunCommand("DISPLAY=" + display_ + " xdotool getwindowfocus getwindowname", &focused) == 0 &&
           focused.find("Export Job Ticket") != std::string::npos;
  }));
  EXPECT_TRUE(WaitUntil(10, [&] { return ReadLayout(layout()).choosers["1"] == "XML (*.xml)"; })) << ReadFile(layout());
  type(dir_.path() + "/ticket");
  key("Return");
  ASSERT_TRUE(waitFor("Kshl/6003").has("Kshl/6003"));
  key("Escape");
  waitGone("Kshl/6003");
  EXPECT_FALSE(std::filesystem::exists(dir_.path() + "/ticket"));
  save(shown.places["PDlg/2"]);
  EXPECT_EQ(korvo_test::RunCommand("cmp " + before + " " + session(), nullptr), 0) << korvo_test::ReadFile(session());
}

// Return gives the default answer: in a delete alert it keeps the watermark and its file, and in
// the inserts dialog's Pages field it presses OK, so that the inserts typed are saved; Escape in
// the alert that would delete them keeps them.
TEST_F(DialogWindowTest, ReturnKeepsTheWatermarkInTheDeleteAlertAndPressesOKInAField) {
  sessionWith("AddInserts=Pages=3 Watermark=Draft");
  const std::string watermarks = korvo_test::ReadFile(watermarkFile());
  Layout shown = startOnPanel("Booklet/Watermark", "KPDE/6006");
  chooseItem(shown.places["KPDE/6006"], "Delete");
  ASSERT_TRUE(waitFor("button 1 Keep").has("button 1 Keep"));
  // The alert's buttons are as high as the window's (Setup... beside the pop-up).
  EXPECT_EQ(ReadLayout(layout()).places["button 1 Keep"].height, shown.places["KPDE/6007"].height);
  key("Return");
  waitGone("button 1 Keep");
  EXPECT_TRUE(korvo_test::ReadFile(watermarkFile()) == watermarks) << "the watermark file has changed";

  chooseItem(shown.places["Kshl/2"], "Special Pages");
  shown = waitFor("KPDE/200", "0");
  expectFits(shown, "0");  // the list's column titles over its rows' texts too
  click(shown.places["KPDE/200"]);
  click(waitFor("SpPg/12", "1").places["SpPg/12"]);
  type("5");
  key("Return");
  waitGone("SpPg/12");
  click(shown.places["KPDE/1400"]);  // Delete All
  const Layout alert = waitFor("button 1 Keep", "1");
  ASSERT_TRUE(alert.has("button 1 Keep"));
  EXPECT_EQ(alert.windowTitles.at("1"), "Delete the special pages?");
  expectFits(alert, "1");
  screenshot("dialog-delete-special-pages.png");
  key("Escape");
  waitGone("button 1 Keep");

  const platform::Ticket settings = save(shown.places["PDlg/2"]);
  EXPECT_EQ(Text(settings, "com.korvo.print.watermark.Watermark"), "Draft");
  const platform::PlistArray* list = settings.getArray("com.korvo.print.SpecialPages.InsertList");
  ASSERT_TRUE(list != nullptr && list->size() == 2 && (*list)[1].asDictionary() != nullptr);
  EXPECT_EQ(*(*list)[1].asDictionary()->at("StartPage").asInteger(), 5);
}

// Help in the window opens the dialog's page in the user's browser, through the desktop's handler
// for web pages: here a stand-in browser that writes down the address it is given. Cancel then
// ends the dialog without saving.
TEST_F(DialogWindowTest, HelpInTheFoldDialogOpensItsPageInTheBrowserAndCancelSavesNothing) {
  const std::string opened = dir_.path() + "/browser.txt", browser = dir_.path() + "/browser.sh";
  korvo_test::WriteFile(browser, "#!/bin/sh\necho \"$1\" > '" + opened + "'\n");
  std::filesystem::permissions(browser, std::filesystem::perms::owner_all);
  useBrowser(browser);
  const std::string saved = useFoldingPrinter();
  Layout shown = start("PpOu/30");
  ASSERT_TRUE(shown.has("PpOu/30"));
  chooseItem(shown.places["PpOu/30"], "Fold...");
  Layout fold = waitFor("Fnsh/6");
  ASSERT_TRUE(fold.has("Fnsh/6"));
  click(fold.places["Fnsh/6"]);
  ASSERT_TRUE(WaitUntil(20, [&] { return !korvo_test::ReadFile(opened).empty(); }))
      << korvo_test::ReadFile(dir_.path() + "/dialog.log");
  // The desktop hands a browser a local page as its path or as its file: address.
  std::string page = korvo_test::ReadFile(opened);
  if (page.starts_with("file://")) page.erase(0, 7);
  EXPECT_EQ(page, std::filesystem::canonical(korvo_test::BundlePath()).string() +
                      "/Contents/Resources/KorvoHelp/paper_output/finishing/db_folding_d.htm\n");
  click(fold.places["Fnsh/3"]);  // Cancel: the fold dialog goes and the window is left as it was
  waitGone("Fnsh/6");
  // Cancel in the window ends the dialog and saves nothing.
  click(shown.places["PDlg/3"]);
  ASSERT_EQ(dialog_->waitForExit(20), std::optional<int>(0));
  EXPECT_EQ(korvo_test::ReadFile(session()), saved);
}

}  // namespace
#endif
