// The stock menu's dialogs answered as a user would. The stock library: the papers the job uses
// marked in use, the printer's papers (from a real IPP printer) shown beside the user's once its
// worker reports, a chosen paper that must be repaired losing its library name, the sort by
// recent use; the user's library held by the panel from Initialize to Terminate and never
// rewritten unchanged. The custom size and weight dialogs (units, limits, the numbers they give
// back), the named paper form and the advanced paper
// selection (the size not offered for the job's own paper, the coating type following coated
// sides, Defaults resetting every attribute and the comment, the edited paper's own name).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>

#include "controls/spin_control.h"
#include "kit/control_helpers.h"
#include "panels/modal_dialog.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "panels/stock_menu/advanced_paper_dialog.h"
#include "panels/stock_menu/custom_size_units.h"
#include "panels/stock_menu/custom_stock_dialogs.h"
#include "platform/bundle/bundle.h"
#include "platform/tasks/run_loop.h"
#include "platform/ui/drawn_images.h"
#include "stocklibrary/stock_library_keys.h"
#include "stocklibrary/stock_library_list.h"
#include "support/ipp_test_printer.h"
#include "vocabulary/printer_default.h"
#include "vocabulary/setting_map_menus.h"

namespace {

namespace ui = platform::ui;

using korvo_test::In;
using korvo_test::Retype;

class StockDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    auto opened = platform::Bundle::open(korvo_test::BundlePath());
    ASSERT_TRUE(opened);
    bundle = *opened;
  }
  // Runs the size dialog with the steps; the fields' texts as the dialog opened.
  std::pair<std::string, std::string> RunSize(std::function<void(ui::Window&, ui::UserDriver&)> steps) {
    std::pair<std::string, std::string> opened;
    script.onModal([&](ui::Window& window, ui::UserDriver& user) {
      opened = {In(window, "Width").text(), In(window, "Length").text()};
      if (ui::Control* area = window.find({platform::FourCharCode("CuSz"), 8})) {
        DrawControl(*area);
        preview = ui::SheetsDrawnIn(*area);
      }
      steps(window, user);
    });
    CustomSize size{width, length};
    confirmed = TakeAnswer(RunModalCustomStockSizeDialog(bundle, size, &dialog), size);
    width = size.width;
    length = size.length;
    return opened;
  }
  // The named paper form on the stock: true after OK, the stock and replace then as answered.
  bool Named(const NamedPaperRequest& request, JobContext context) {
    DialogAnswer<NamedPaper> answer = RunModalNamedPaperStockSelection(bundle, context, request, stock);
    if (!answer.record) return false;
    stock = answer.record->stock;
    replace = answer.record->replace;
    return true;
  }
  korvo_test::ScopedXdgHome home;
  ui::ScriptedInteraction script;
  platform::Bundle* bundle = nullptr;
  std::int32_t width = kPrinterDefault, length = kPrinterDefault;
  bool confirmed = false, replace = false;
  DialogState dialog;  // the print dialog's, whose units are kept between its custom size dialogs
  CustomSizeUnits& units = dialog.customSizeUnits;
  std::vector<ui::DrawnSheet> preview;  // what the preview drew as the dialog opened
  Stock stock;  // what the set-ups and paper forms edit
};

// A US locale opens in inches at Letter; a stored size shows cut to the hundredth and, confirmed
// untouched, stays exact; inches typed, then millimetres chosen give the exact size.
TEST_F(StockDialogs, TheSizeOpensInTheLocalesUnitsAndComesBackExact) {
  {
    korvo_test::ScopedEnv locale("LC_ALL", "en_US.UTF-8");
    const auto opened = RunSize([](ui::Window& w, ui::UserDriver& user) { user.pressReturn(w); });
    EXPECT_EQ(opened, (std::pair<std::string, std::string>("8.50", "11.00")));
    EXPECT_EQ(units, kUnitsInches);
    EXPECT_EQ(preview.size(), 1u);  // the preview drew the sheet for a renderer to show
    EXPECT_EQ(std::pair(width, length), std::pair(21590, 27940));  // confirmed
  }
  width = 21000, length = 29700;
  const auto opened = RunSize([](ui::Window& w, ui::UserDriver& user) { user.pressReturn(w); });
  EXPECT_EQ(opened, (std::pair<std::string, std::string>("8.26", "11.69")));
  EXPECT_EQ(std::pair(width, length), std::pair(21000, 29700));
  std::string shown;
  RunSize([&](ui::Window& w, ui::UserDriver& user) {
    Retype(user, In(w, "Width"), "8.50");
    user.click(*In(w, "Units").children().back());  // Millimeters
    shown = In(w, "Width").text();
    user.pressReturn(w);
  });
  EXPECT_EQ(shown, "215.9");
  EXPECT_EQ(units, kUnitsMillimetres);
  EXPECT_EQ(width, 21590);
}

// Without a printer the limits are six to twelve inches; a size below is refused with the notice.
TEST_F(StockDialogs, ASizeBelowTheMinimumIsRefusedWithTheNotice) {
  units = kUnitsMillimetres;
  RunSize([&](ui::Window& w, ui::UserDriver& user) {
    ui::Control* arrows = SpinControlGetRelatedArrows(&In(w, "Width"));
    EXPECT_EQ(std::pair(arrows->minimum(), arrows->maximum()), std::pair(1524, 3048));
    user.pressEscape(w);
  });
  units = kUnitsInches;
  width = 21590, length = 27940;
  RunSize([&](ui::Window& w, ui::UserDriver& user) {
    Retype(user, In(w, "Width"), "5.00");
    user.pressReturn(w);
    EXPECT_FALSE(w.modalResult().has_value());
    EXPECT_EQ(In(w, "Width").text(), "6.00");
    user.pressEscape(w);
  });
  ASSERT_EQ(script.alerts().size(), 1u);
  EXPECT_EQ(script.alerts()[0].title, "Invalid paper size");
  EXPECT_EQ(width, 21590);
}

TEST(CustomSizePreview, ScalesInsideTheAreaAndDrawsNothingWithoutLimits) {
  const ui::Rect area{0, 0, 140, 100};
  EXPECT_FALSE(CustomSizePreviewRect(area, 850, 1100, 0, 0));
  const std::optional<ui::Rect> paper = CustomSizePreviewRect(area, 1200, 1200, 1200, 1200);
  ASSERT_TRUE(paper);
  EXPECT_EQ(*paper, (ui::Rect{20, 0, 100, 100}));  // the smaller ratio: height
}

TEST_F(StockDialogs, AdvancedPaperSizeIsJobLevelOffAndCoatingFollowsCoatedSides) {
  stock.setSidesCoated(1);
  stock.setCoatingType(5);
  script.onModal([](ui::Window& w, ui::UserDriver& user) {
    EXPECT_FALSE(In(w, "PaperSize").enabled());
    EXPECT_FALSE(In(w, "CoatingType").enabled());
    korvo_test::ActOn(w, user, {{"SidesCoated", "Both Sides Coated"}});  // (then enabled: korvo-pde set chooses one)
    EXPECT_EQ(GetPopupButtonTicketValue(In(w, "CoatingType")), 5);  // the stock's own coating
    user.pressReturn(w);
  });
  EXPECT_TRUE(RunModalAdvancedStockSelection(bundle, kJobContextJob, stock).record);
}

TEST_F(StockDialogs, AdvancedPaperDefaultsResetsEveryAttributeAndTheCommentButNotTheName) {
  stock.setCustomName("Gloss 120");
  stock.setComment("for covers");
  stock.setWeight(120);
  stock.setGrain(2);
  stock.setColor(2);
  script.onModal([](ui::Window& w, ui::UserDriver& user) {
    EXPECT_EQ(In(w, "Comment").text(), "for covers");
    user.click(*w.find({platform::FourCharCode("KPDE"), 4}));  // Defaults
    EXPECT_EQ(In(w, "Comment").text(), "");
    user.pressReturn(w);
  });
  NamedPaperRequest request;
  request.editing = true;
  ASSERT_TRUE(Named(request, kJobContextCover));
  Stock expected;
  DefaultStock(expected, kJobContextCover);
  expected.setCustomName("Gloss 120");
  EXPECT_EQ(stock, expected);
  EXPECT_EQ(stock.comment(), "");
}

// A new paper of a name the library has in another case asks first: korvo-pde set's to check.
TEST_F(StockDialogs, AdvancedPaperTheEditedPapersOwnNameInAnotherCaseDoesNotAsk) {
  StockLibraryList library(true);
  StockLibrary entry;
  entry.stock().setCustomName("Gloss 120");
  library.add(&entry);
  NamedPaperRequest request;
  request.library = &library;
  request.editing = true;
  stock.setCustomName("Gloss 120");
  script.onModal([](ui::Window& w, ui::UserDriver& user) {
    user.select(In(w, "PaperName"), {0, 9});
    user.type(In(w, "PaperName"), "gloss 120");
    user.pressReturn(w);
  });
  ASSERT_TRUE(Named(request, kJobContextJob));
  EXPECT_TRUE(replace);
  EXPECT_TRUE(script.alerts().empty());
  EXPECT_EQ(stock.customName(), "gloss 120");
}

TEST(StockLibraryDialog, MarksTheJobsPaperInUseShowsThePrintersAndRepairsAChoice) {
  korvo_test::ScopedXdgHome home;
  std::string error;
  auto printer = korvo_test::IppTestPrinter::start(
      {korvo_test::MakeMediaCol("a4-glossy", 21000, 29700, "photographic-glossy", "", 200)}, &error);
  ASSERT_TRUE(printer) << error;
  Stock blue, tab;
  blue.setCustomName("Blue 90");
  blue.setColor(2);
  blue.setWeight(90);
  tab.setCustomName("Tabs");
  tab.setType(6);  // ordered: no editor offers it
  {
    StockLibraryList library;
    for (const Stock* s : {&blue, &tab}) {
      StockLibrary entry;
      entry.setStock(*s);
      library.add(&entry);
    }
  }
  platform::PrintSession session = korvo_test::SessionOn(korvo_test::FinishersPPDPath());
  session.printer().deviceURI = printer->uri();
  ui::ScriptedInteraction script;
  korvo_test::PluginDialog dialog(session);
  dialog.panel().jobStock = blue;

  std::vector<std::string> names, statuses, printers;
  script.onModal([&](ui::Window& w, ui::UserDriver& user) {
    ui::Control& mine = *w.content().findNamed("NamedPapers");
    ui::Control& theirs = *w.content().findNamed("PrinterPapers");
    platform::RunLoop::main().runUntil(std::chrono::steady_clock::now() + std::chrono::seconds(15),
                                       [&] { return !theirs.dataBrowser().items().empty(); });
    names = korvo_test::ColumnTexts(mine, 1);
    statuses = korvo_test::ColumnTexts(mine, 2);
    printers = korvo_test::ColumnTexts(theirs, 1);
    user.selectRows(mine, {2});  // "Tabs"
    user.pressReturn(w);
  });
  ASSERT_EQ(dialog.choose("Paper", "Stock Library..."), platform::noErr);
  EXPECT_EQ(names, (std::vector<std::string>{"Blue 90", "Tabs"}));
  EXPECT_EQ(statuses, (std::vector<std::string>{"In Use", "Unsupported Values"}));
  EXPECT_EQ(printers, std::vector<std::string>{"a4-glossy"});
  // The ordered type is beyond the editors: it goes back to the printer's, and the name with it.
  EXPECT_EQ(dialog.panel().jobStock.type(), kPrinterDefault);
  EXPECT_EQ(dialog.panel().jobStock.customName(), "");

  // The paper chosen last comes first when the list is sorted by recent use.
  script.onModal([&](ui::Window& w, ui::UserDriver& user) {
    user.chooseItem(*w.content().findNamed("SortBy"), 2);
    names = korvo_test::ColumnTexts(*w.content().findNamed("NamedPapers"), 1);
    user.pressEscape(w);
  });
  ASSERT_EQ(dialog.choose("Paper", "Stock Library..."), platform::noErr);
  EXPECT_EQ(names, (std::vector<std::string>{"Tabs", "Blue 90"}));
}

TEST(PaperOutputStockLibrary, TheUsersLibraryIsReadAtInitializeAndLeftAsItWas) {
  korvo_test::ScopedXdgHome home;
  const std::string file = home.dir().path() + "/config/" + kStockLibraryPreferencesFileName;
  std::string uuid;
  {
    StockLibraryList library;
    StockLibrary entry;
    Stock card;
    card.setCustomName("Blue Card");
    entry.setStock(card);
    uuid = library.add(&entry);
    StockLibraryOrderList order;
    order.updateOrderList(uuid);
  }
  struct stat before {};
  ASSERT_EQ(::stat(file.c_str(), &before), 0);
  platform::PrintSession session = korvo_test::SessionOn(korvo_test::SamplePPDPath());
  {
    korvo_test::PluginDialog dialog(session, false);
    ASSERT_TRUE(dialog.panel().stockLibrary && dialog.panel().stockLibraryOrder);
    EXPECT_TRUE(dialog.panel().stockLibrary->stockList().contains(uuid));
    EXPECT_EQ(dialog.panel().stockLibraryOrder->stockOrderList(), std::vector<std::string>{uuid});
    EXPECT_EQ(dialog.sync(true), platform::noErr);  // a re-read keeps the lists it has
    EXPECT_TRUE(dialog.panel().stockLibrary->stockList().contains(uuid));
  }
  struct stat after {};
  ASSERT_EQ(::stat(file.c_str(), &after), 0);
  EXPECT_EQ(before.st_ino, after.st_ino) << "an unchanged library is never rewritten";
}

}  // namespace
