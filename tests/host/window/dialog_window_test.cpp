// The dialog in a real window, on a virtual X display: a person's clicks (sent by xdotool, as X
// events) change the panel shown and are saved to the session file; a screenshot of each run is
// kept under the build folder.
#ifdef KORVO_HAVE_GTK
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <tuple>

#include "host/window/child_process.h"
#include "host/window/layout_file.h"
#include "host/window/virtual_display.h"
#include "platform/ticket/print_session.h"
#include "support/test_support.h"

namespace {

using korvo_test::ChildProcess;
using korvo_test::Layout;
using korvo_test::Place;
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
  std::map<std::string, Place> waitForLayout(const std::string& wanted) { return waitForWindows(wanted).places; }
  Layout waitForWindows(const std::string& wanted) {
    Layout read;
    WaitUntil(20, [&] {
      read = ReadLayout(layout());
      return read.has(wanted);
    });
    return read;
  }

  // Chooses an item of the pop-up or menu button at place, as a person would.
  void chooseItem(const Place& place, const std::string& item) {
    click(place);
    ASSERT_TRUE(waitForLayout("item " + item).count("item " + item)) << korvo_test::ReadFile(layout());
    // The menu takes the pointer once it is on screen, a moment after its items are placed.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    click(ReadLayout(layout()).places["item " + item]);
    WaitUntil(10, [&] { return ReadLayout(layout()).places.count("item " + item) == 0; });
  }

  // Clicks Save, waits for the dialog to end well, and reads back the session it saved.
  void saveAndReload(const Place& save, std::optional<platform::PrintSession>* saved) {
    click(save);
    ASSERT_EQ(dialog_->waitForExit(20), std::optional<int>(0)) << korvo_test::ReadFile(dir_.path() + "/dialog.log");
    auto loaded = platform::PrintSession::load(session());
    ASSERT_TRUE(loaded) << loaded.error();
    *saved = loaded.take();
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

  korvo_test::ScopedXdgHome home_;  // the dialog's preference files stay out of the user's folders
  korvo_test::TempDir dir_;
  std::unique_ptr<korvo_test::VirtualDisplay> xserver_;
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
  chooseItem(colour, "Grayscale");

  // Open the panel pop-up and choose the second panel.
  click(popup);
  places = waitForLayout("item 2");
  ASSERT_TRUE(places.count("item 2")) << korvo_test::ReadFile(layout());
  // The menu takes the pointer once it is on screen, a moment after its items are placed.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  places = ReadLayout(layout()).places;
  screenshot("dialog-window-menu.png");
  click(places["item 2"]);
  places = waitForLayout("Kpnl/2");
  EXPECT_TRUE(places.count("Kpnl/2")) << "the second panel is not shown; layout:\n" << korvo_test::ReadFile(layout());
  EXPECT_FALSE(places.count("Kpnl/1")) << "the first panel is still shown";

  std::optional<platform::PrintSession> saved;
  ASSERT_NO_FATAL_FAILURE(saveAndReload(places["PDlg/2"], &saved));
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
  chooseItem(places["Kshl/2"], "Image Options");
  places = waitForLayout("KPDE/1602");
  ASSERT_TRUE(places.count("KPDE/1602")) << "the halftone pop-up is not shown; layout:\n" << korvo_test::ReadFile(layout());
  click(places["KPDE/1602"]);
  places = waitForLayout("item 600 Dot");
  ASSERT_TRUE(places.count("item 600 Dot")) << korvo_test::ReadFile(layout());
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  places = ReadLayout(layout()).places;
  click(places["item 600 Dot"]);
  WaitUntil(10, [&] { return ReadLayout(layout()).places.count("item 600 Dot") == 0; });
  screenshot("dialog-window-image-options.png");

  std::optional<platform::PrintSession> saved;
  ASSERT_NO_FATAL_FAILURE(saveAndReload(places["PDlg/2"], &saved));
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

TEST_F(DialogWindowTest, OneStapleDialogIsClickedThroughItsLayoutAndEveryTitleFits) {
  startDialog();
  Layout shown = waitForWindows("PpOu/30");
  ASSERT_TRUE(shown.has("PpOu/30")) << korvo_test::ReadFile(dir_.path() + "/dialog.log");
  EXPECT_EQ(korvo_test::LayoutFaults(shown, "0"), std::vector<std::string>{}) << korvo_test::ReadFile(layout());

  // The finishing menu's "1 Staple..." opens its dialog over the window; its controls are listed
  // as window 1.
  chooseItem(shown.places["PpOu/30"], "1 Staple...");
  shown = waitForWindows("Fnsh/101");
  ASSERT_TRUE(shown.has("Fnsh/101")) << korvo_test::ReadFile(layout());
  EXPECT_EQ(shown.windowTitles["1"], "1 Staple");
  EXPECT_EQ(korvo_test::LayoutFaults(shown, "1"), std::vector<std::string>{}) << korvo_test::ReadFile(layout());
  screenshot("dialog-window-one-staple.png");

  // The second position, then OK; the dialog goes and Save keeps the choice.
  click(shown.places["Fnsh/101"]);
  click(shown.places["Fnsh/2"]);
  ASSERT_TRUE(WaitUntil(10, [&] { return !ReadLayout(layout()).has("Fnsh/2"); })) << korvo_test::ReadFile(layout());
  click(shown.places["PDlg/2"]);
  ASSERT_EQ(dialog_->waitForExit(20), std::optional<int>(0)) << korvo_test::ReadFile(dir_.path() + "/dialog.log");

  // The ticket holds what korvo-pde set holds after the same choice.
  const std::string other = dir_.path() + "/set.plist";
  std::string out;
  ASSERT_EQ(korvo_test::RunCommand(std::string(KORVO_BIN_DIR) + "/korvo-pde set --session " + other +
                                       " \"Finishing=1 Staple...>Portrait - Bottom Left or Landscape - Top Left\"",
                                   &out, true),
            0)
      << out;
  auto saved = platform::PrintSession::load(session());
  auto expected = platform::PrintSession::load(other);
  ASSERT_TRUE(saved && expected);
  const char* stapleKey = "com.korvo.print.FinishingStaple1Value";
  const platform::PlistValue* chosen = saved->ticket(platform::kPDE_PMPrintSettingsRef)->get(stapleKey);
  const platform::PlistValue* wanted = expected->ticket(platform::kPDE_PMPrintSettingsRef)->get(stapleKey);
  ASSERT_NE(chosen, nullptr);
  ASSERT_NE(wanted, nullptr);
  EXPECT_EQ(*chosen, *wanted);
  EXPECT_NE(*chosen, platform::PlistValue(0)) << "no staple position was saved";
}

TEST_F(DialogWindowTest, JobNotesTakesWhatIsTypedAndSaveWritesIt) {
  startDialog();
  std::map<std::string, Place> places = waitForLayout("Kshl/2");
  ASSERT_TRUE(places.count("Kshl/2")) << korvo_test::ReadFile(dir_.path() + "/dialog.log");
  chooseItem(places["Kshl/2"], "Job Notes");
  places = waitForLayout("Kshl/2004");
  ASSERT_TRUE(places.count("Kshl/2001")) << korvo_test::ReadFile(layout());
  screenshot("dialog-window-job-notes.png");

  // The job name's field is the left part of its combo box; the banner message is a text view.
  const Place jobName = places["Kshl/2001"];
  click({jobName.x, jobName.y, jobName.width / 2, jobName.height});
  const std::string type = "DISPLAY=" + display_ + " xdotool type --delay 20 ";
  // The field shows the special entry: select it all first, as a person would, and type over it.
  ASSERT_EQ(korvo_test::RunCommand("DISPLAY=" + display_ + " xdotool key ctrl+a", nullptr), 0);
  ASSERT_EQ(korvo_test::RunCommand(type + "'Quarterly report'", nullptr), 0);
  click(places["Kshl/2004"]);
  ASSERT_EQ(korvo_test::RunCommand(type + "'For Sam'", nullptr), 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  std::optional<platform::PrintSession> saved;
  ASSERT_NO_FATAL_FAILURE(saveAndReload(places["PDlg/2"], &saved));
  const platform::Ticket* settings = saved->ticket(platform::kPDE_PMPrintSettingsRef);
  ASSERT_NE(settings, nullptr);
  const std::string* name = settings->getString("com.korvo.print.JobNotesJobName");
  const std::string* banner = settings->getString("com.korvo.print.JobNotesSheetMessage");
  EXPECT_EQ(name ? *name : "(absent)", "Quarterly report");
  EXPECT_EQ(settings->getBoolean("com.korvo.print.JobNotesUseJobName"), false);
  EXPECT_EQ(banner ? *banner : "(absent)", "For Sam");
}

// The Advanced panel in the window: Send Job Ticket turned off and saved is what the session keeps.
TEST_F(DialogWindowTest, SendJobTicketTurnedOffInTheAdvancedPanelIsSaved) {
  startDialog();
  std::map<std::string, Place> places = waitForLayout("Kshl/2");
  ASSERT_TRUE(places.count("Kshl/2")) << korvo_test::ReadFile(dir_.path() + "/dialog.log");
  chooseItem(places["Kshl/2"], "Advanced");
  places = waitForLayout("KPDE/640");
  ASSERT_TRUE(places.count("KPDE/640")) << korvo_test::ReadFile(layout());
  screenshot("dialog-window-advanced.png");
  click(places["KPDE/640"]);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  std::optional<platform::PrintSession> saved;
  ASSERT_NO_FATAL_FAILURE(saveAndReload(places["PDlg/2"], &saved));
  EXPECT_EQ(saved->ticket(platform::kPDE_PMPrintSettingsRef)->getInteger("com.korvo.print.EmitJTKT"), 0);
}

// Booklet/Watermark in the window: a saved watermark chosen from its pop-up is previewed (the
// preview is not blank) and saved with the job.
TEST_F(DialogWindowTest, AWatermarkChosenOnBookletWatermarkIsPreviewedAndSaved) {
  startDialog();
  std::map<std::string, Place> places = waitForLayout("Kshl/2");
  ASSERT_TRUE(places.count("Kshl/2")) << korvo_test::ReadFile(dir_.path() + "/dialog.log");
  chooseItem(places["Kshl/2"], "Booklet/Watermark");
  places = waitForLayout("KPDE/6006");
  ASSERT_TRUE(places.count("KPDE/6006") && places.count("KPDE/6008")) << korvo_test::ReadFile(layout());
  chooseItem(places["KPDE/6006"], "Draft");
  const Place preview = places["KPDE/6008"];
  std::string shot;
  EXPECT_TRUE(WaitUntil(10, [&] {
    shot = screenshot("dialog-window-watermark.png");
    return Contrast(shot, preview) > 0.02;
  })) << "the watermark preview looks blank";
  std::optional<platform::PrintSession> saved;
  ASSERT_NO_FATAL_FAILURE(saveAndReload(places["PDlg/2"], &saved));
  const std::string* name = saved->ticket(platform::kPDE_PMPrintSettingsRef)->getString("com.korvo.print.watermark.Watermark");
  EXPECT_EQ(name ? *name : "(absent)", "Draft");
}

// The saved-job set-up and the pad printing dialog in the window: each opens over the print
// dialog with every title in place, OK takes what was clicked and typed, and Save keeps it.
TEST_F(DialogWindowTest, SavedJobAndPadsAreAnsweredInTheirDialogsAndSaved) {
  startDialog();
  Layout shown = waitForWindows("PpOu/2");
  ASSERT_TRUE(shown.has("PpOu/2")) << korvo_test::ReadFile(dir_.path() + "/dialog.log");
  const Place finishing = shown.places["PpOu/30"], save = shown.places["PDlg/2"];
  chooseItem(shown.places["PpOu/2"], "Saved Job");
  shown = waitForWindows("KPDE/2013");
  ASSERT_TRUE(shown.has("KPDE/2013")) << korvo_test::ReadFile(layout());
  EXPECT_EQ(shown.windowTitles["1"], "Saved Job");
  EXPECT_EQ(korvo_test::LayoutFaults(shown, "1"), std::vector<std::string>{}) << korvo_test::ReadFile(layout());
  screenshot("dialog-window-saved-job.png");
  click(shown.places["KPDE/2021"]);  // Save and Print
  click(shown.places["KPDE/2013"]);  // OK
  ASSERT_TRUE(WaitUntil(10, [&] { return !ReadLayout(layout()).has("KPDE/2013"); })) << korvo_test::ReadFile(layout());

  chooseItem(finishing, "Pads...");
  shown = waitForWindows("KPDE/2116");
  ASSERT_TRUE(shown.has("KPDE/2116")) << korvo_test::ReadFile(layout());
  EXPECT_EQ(korvo_test::LayoutFaults(shown, "1"), std::vector<std::string>{}) << korvo_test::ReadFile(layout());
  chooseItem(shown.places["KPDE/2101"], "Enabled");
  const std::string type = "DISPLAY=" + display_ + " xdotool type --delay 20 ";
  click(shown.places["KPDE/2103"]);
  ASSERT_EQ(korvo_test::RunCommand(type + "10", nullptr), 0);
  click(shown.places["KPDE/2107"]);
  ASSERT_EQ(korvo_test::RunCommand(type + "50", nullptr), 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  screenshot("dialog-window-pads.png");
  click(shown.places["KPDE/2116"]);  // OK: the pages in all pads are noted in an alert
  std::string noted;
  ASSERT_TRUE(WaitUntil(10, [&] {
    for (const auto& [name, place] : ReadLayout(layout()).places)
      if (name.starts_with("button ") && name.ends_with(" OK")) noted = name;
    return !noted.empty();
  })) << korvo_test::ReadFile(layout());
  click(ReadLayout(layout()).places[noted]);
  ASSERT_TRUE(WaitUntil(10, [&] { return !ReadLayout(layout()).has("KPDE/2116"); })) << korvo_test::ReadFile(layout());

  std::optional<platform::PrintSession> saved;
  ASSERT_NO_FATAL_FAILURE(saveAndReload(save, &saved));
  const platform::Ticket* settings = saved->ticket(platform::kPDE_PMPrintSettingsRef);
  ASSERT_NE(settings, nullptr);
  const platform::PlistDict* jobType = settings->getDictionary("com.korvo.print.JobType");
  ASSERT_NE(jobType, nullptr);
  EXPECT_EQ(*platform::PlistDictFind(*jobType, "JobType"), platform::PlistValue(3));
  EXPECT_EQ(*platform::PlistDictFind(*jobType, "SaveDisposition"), platform::PlistValue(2));
  EXPECT_EQ(settings->getInteger("com.korvo.print.NoOfPads"), 10);
  EXPECT_EQ(settings->getInteger("com.korvo.print.PagesPerPads"), 50);
}

// The watermark editor in the window: laid out without a cut title or an overlap, its preview
// drawing the text typed, and its OK filing the watermark the job is saved with.
TEST_F(DialogWindowTest, AWatermarkMadeInTheEditorIsPreviewedAndSaved) {
  startDialog();
  std::map<std::string, Place> places = waitForLayout("Kshl/2");
  ASSERT_TRUE(places.count("Kshl/2")) << korvo_test::ReadFile(dir_.path() + "/dialog.log");
  chooseItem(places["Kshl/2"], "Booklet/Watermark");
  places = waitForLayout("KPDE/6006");
  ASSERT_TRUE(places.count("KPDE/6006")) << korvo_test::ReadFile(layout());
  chooseItem(places["KPDE/6006"], "New...");
  Layout shown = waitForWindows("KWEd/4");
  ASSERT_TRUE(shown.has("KWEd/4")) << korvo_test::ReadFile(layout());
  EXPECT_EQ(shown.windowTitles["1"], "Watermark Editor");
  EXPECT_EQ(korvo_test::LayoutFaults(shown, "1"), std::vector<std::string>{}) << korvo_test::ReadFile(layout());
  // The preview is a blank page until there is text; then the text, light as density 25 draws it.
  const double blank = Contrast(screenshot("dialog-window-watermark-editor-blank.png"), shown.places["KWEd/24"]);
  click(shown.places["KWEd/4"]);
  ASSERT_EQ(korvo_test::RunCommand("DISPLAY=" + display_ + " xdotool type --delay 20 'Proof'", nullptr), 0);
  double drawn = blank;
  EXPECT_TRUE(WaitUntil(10, [&] {
    drawn = Contrast(screenshot("dialog-window-watermark-editor.png"), shown.places["KWEd/24"]);
    return drawn > blank + 0.005;
  })) << "the editor's preview did not draw the text: " << blank << " then " << drawn;
  click(shown.places["KWEd/25"]);
  ASSERT_TRUE(WaitUntil(10, [&] { return !ReadLayout(layout()).has("KWEd/25"); })) << korvo_test::ReadFile(layout());
  std::optional<platform::PrintSession> saved;
  ASSERT_NO_FATAL_FAILURE(saveAndReload(places["PDlg/2"], &saved));
  const std::string* name = saved->ticket(platform::kPDE_PMPrintSettingsRef)->getString("com.korvo.print.watermark.Watermark");
  EXPECT_EQ(name ? *name : "(absent)", "Proof");
}

// "Booklet Creation..." in the window: its dialog laid out without a fault, Booklet Fold and OK,
// and Save keeps a folded booklet.
TEST_F(DialogWindowTest, BookletCreationInTheWindowMakesABooklet) {
  startDialog();
  Layout shown = waitForWindows("PpOu/30");
  ASSERT_TRUE(shown.has("PpOu/30")) << korvo_test::ReadFile(dir_.path() + "/dialog.log");
  chooseItem(shown.places["PpOu/30"], "Booklet Creation...");
  Layout booklet = waitForWindows("KPDE/1601");
  ASSERT_TRUE(booklet.has("KPDE/1601")) << korvo_test::ReadFile(layout());
  EXPECT_EQ(booklet.windowTitles["1"], "Booklet Creation");
  EXPECT_EQ(korvo_test::LayoutFaults(booklet, "1"), std::vector<std::string>{}) << korvo_test::ReadFile(layout());
  click(booklet.places["KPDE/1601"]);
  screenshot("dialog-window-booklet-creation.png");
  click(booklet.places["KPDE/1"]);
  ASSERT_TRUE(WaitUntil(10, [&] { return !ReadLayout(layout()).has("KPDE/1601"); })) << korvo_test::ReadFile(layout());
  std::optional<platform::PrintSession> saved;
  ASSERT_NO_FATAL_FAILURE(saveAndReload(shown.places["PDlg/2"], &saved));
  const platform::Ticket* settings = saved->ticket(platform::kPDE_PMPrintSettingsRef);
  EXPECT_EQ(settings->getBoolean("com.korvo.print.BookletLayout"), true);
  EXPECT_EQ(settings->getInteger("com.korvo.print.FinishingFoldValue"), 43);
}

// The background-form set-up in the window: laid out without a fault, OK waiting for a name, and
// the form named there saved with the job.
TEST_F(DialogWindowTest, AFormSetUpInTheWindowIsSaved) {
  startDialog();
  std::map<std::string, Place> places = waitForLayout("Kshl/2");
  ASSERT_TRUE(places.count("Kshl/2")) << korvo_test::ReadFile(dir_.path() + "/dialog.log");
  chooseItem(places["Kshl/2"], "Booklet/Watermark");
  places = waitForLayout("KPDE/6007");
  ASSERT_TRUE(places.count("KPDE/6007")) << korvo_test::ReadFile(layout());
  chooseItem(places["KPDE/6007"], "Setup...");
  Layout setup = waitForWindows("KPDE/2003");
  ASSERT_TRUE(setup.has("KPDE/2003")) << korvo_test::ReadFile(layout());
  EXPECT_EQ(korvo_test::LayoutFaults(setup, "1"), std::vector<std::string>{}) << korvo_test::ReadFile(layout());
  const Place name = setup.places["KPDE/2003"];
  click({name.x, name.y, name.width / 2, name.height});
  ASSERT_EQ(korvo_test::RunCommand("DISPLAY=" + display_ + " xdotool type --delay 20 'Letterhead'", nullptr), 0);
  screenshot("dialog-window-form-setup.png");
  click(setup.places["KPDE/1"]);
  ASSERT_TRUE(WaitUntil(10, [&] { return !ReadLayout(layout()).has("KPDE/2003"); })) << korvo_test::ReadFile(layout());
  std::optional<platform::PrintSession> saved;
  ASSERT_NO_FATAL_FAILURE(saveAndReload(places["PDlg/2"], &saved));
  const platform::PlistDict* forms =
      saved->ticket(platform::kPDE_PMPrintSettingsRef)->getDictionary("com.korvo.print.BackgroundFormsOptions");
  ASSERT_NE(forms, nullptr);
  const platform::PlistValue* merged = platform::PlistDictFind(*forms, "MergeWithString");
  EXPECT_EQ(merged && merged->asString() ? *merged->asString() : "(absent)", "Letterhead");
}

// The layout once window N shows what is wanted with every title whole and no sibling overlapping
// another (a slow machine reports a window before it has placed all of it), or as it is after 20 s.
Layout WaitForSettledWindow(const std::string& path, const std::string& wanted, const std::string& window) {
  Layout read;
  WaitUntil(20, [&] {
    read = ReadLayout(path);
    return read.has(wanted) && korvo_test::LayoutFaults(read, window).empty();
  });
  return read;
}

// The Special Pages panel in the window: inserts typed into the inserts dialog are saved.
TEST_F(DialogWindowTest, InsertsTypedInTheInsertsDialogAreSaved) {
  startDialog();
  std::map<std::string, Place> places = waitForLayout("Kshl/2");
  ASSERT_TRUE(places.count("Kshl/2")) << korvo_test::ReadFile(dir_.path() + "/dialog.log");
  chooseItem(places["Kshl/2"], "Special Pages");
  Layout shown = WaitForSettledWindow(layout(), "KPDE/1700", "0");
  ASSERT_TRUE(shown.has("KPDE/200")) << "the Add Inserts button is not shown; layout:\n" << korvo_test::ReadFile(layout());
  EXPECT_EQ(korvo_test::LayoutFaults(shown, "0"), std::vector<std::string>{}) << korvo_test::ReadFile(layout());

  // The covers and exceptions dialogs fit their titles too; Cancel takes each away.
  for (const auto& [button, control, picture] :
       {std::tuple{"KPDE/100", "SpPg/10", "dialog-window-covers.png"}, {"KPDE/300", "SpPg/100", "dialog-window-exceptions.png"}}) {
    click(shown.places[button]);
    Layout dialog = WaitForSettledWindow(layout(), control, "1");
    ASSERT_TRUE(dialog.has(control)) << korvo_test::ReadFile(layout());
    EXPECT_EQ(korvo_test::LayoutFaults(dialog, "1"), std::vector<std::string>{}) << korvo_test::ReadFile(layout());
    screenshot(picture);
    click(dialog.places["SpPg/2"]);
    ASSERT_TRUE(WaitUntil(10, [&] { return !ReadLayout(layout()).has(control); })) << korvo_test::ReadFile(layout());
  }

  click(shown.places["KPDE/200"]);
  shown = WaitForSettledWindow(layout(), "SpPg/12", "1");
  ASSERT_TRUE(shown.has("SpPg/12")) << korvo_test::ReadFile(layout());
  EXPECT_EQ(korvo_test::LayoutFaults(shown, "1"), std::vector<std::string>{}) << korvo_test::ReadFile(layout());
  click(shown.places["SpPg/12"]);
  ASSERT_EQ(korvo_test::RunCommand("DISPLAY=" + display_ + " xdotool type --delay 20 '3,5'", nullptr), 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  screenshot("dialog-window-inserts.png");
  click(shown.places["SpPg/1"]);
  ASSERT_TRUE(WaitUntil(10, [&] { return !ReadLayout(layout()).has("SpPg/12"); })) << korvo_test::ReadFile(layout());
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  screenshot("dialog-window-special-pages.png");

  std::optional<platform::PrintSession> saved;
  ASSERT_NO_FATAL_FAILURE(saveAndReload(shown.places["PDlg/2"], &saved));
  const platform::Ticket* settings = saved->ticket(platform::kPDE_PMPrintSettingsRef);
  ASSERT_NE(settings, nullptr);
  const platform::PlistArray* inserts = settings->getArray("com.korvo.print.SpecialPages.InsertList");
  ASSERT_NE(inserts, nullptr);
  ASSERT_EQ(inserts->size(), 2u);
  const platform::PlistDict* second = (*inserts)[1].asDictionary();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(*second->at("StartPage").asInteger(), 5);
}

// Help in the window opens the dialog's page in the user's browser, through the desktop's handler
// for web pages: here a stand-in browser that writes down the address it is given.
TEST_F(DialogWindowTest, HelpInTheFoldDialogOpensItsPageInTheBrowser) {
  const std::string opened = dir_.path() + "/browser.txt", browser = dir_.path() + "/browser.sh";
  korvo_test::WriteFile(browser, "#!/bin/sh\necho \"$1\" > '" + opened + "'\n");
  std::filesystem::permissions(browser, std::filesystem::perms::owner_all);
  std::filesystem::create_directories(home_.dir().file("data/applications"));
  korvo_test::WriteFile(home_.dir().file("data/applications/korvo-test-browser.desktop"),
                        "[Desktop Entry]\nType=Application\nName=Test Browser\nExec=" + browser +
                            " %u\nMimeType=text/html;\nNoDisplay=true\n");
  korvo_test::WriteFile(home_.dir().file("config/mimeapps.list"),
                        "[Default Applications]\ntext/html=korvo-test-browser.desktop\n");
  platform::PrintSession folding;  // a printer with a folding unit: its finishing menu offers Fold...
  folding.printer().ppdPath = korvo_test::DataPath("panels/finishers.ppd");
  ASSERT_TRUE(folding.save(session()));
  startDialog();
  Layout shown = waitForWindows("PpOu/30");
  ASSERT_TRUE(shown.has("PpOu/30")) << korvo_test::ReadFile(dir_.path() + "/dialog.log");
  chooseItem(shown.places["PpOu/30"], "Fold...");
  Layout fold = waitForWindows("Fnsh/6");
  ASSERT_TRUE(fold.has("Fnsh/6")) << korvo_test::ReadFile(layout());
  click(fold.places["Fnsh/6"]);
  ASSERT_TRUE(WaitUntil(20, [&] { return !korvo_test::ReadFile(opened).empty(); }))
      << korvo_test::ReadFile(dir_.path() + "/dialog.log");
  // The desktop hands a browser a local page as its path or as its file: address.
  std::string page = korvo_test::ReadFile(opened);
  if (page.starts_with("file://")) page.erase(0, 7);
  EXPECT_EQ(page, std::filesystem::canonical(korvo_test::BundlePath()).string() +
                      "/Contents/Resources/KorvoHelp/paper_output/finishing/db_folding_d.htm\n");
  click(fold.places["Fnsh/3"]);  // Cancel: the fold dialog goes and the window is left as it was
  ASSERT_TRUE(WaitUntil(10, [&] { return !ReadLayout(layout()).has("Fnsh/6"); })) << korvo_test::ReadFile(layout());
}

}  // namespace
#endif
