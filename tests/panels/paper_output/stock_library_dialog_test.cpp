// The stock library from the job's paper menu: the papers the job uses marked in use, the
// printer's papers (from a real IPP printer) shown beside the user's once its worker reports, a
// chosen paper that must be repaired losing its library name, and the sort by recent use; the
// user's library held by the panel from Initialize to Terminate and never rewritten unchanged.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>

#include "panels/paper_output/paper_output_test_support.h"
#include "platform/tasks/run_loop.h"
#include "platform/ui/scripted_interaction.h"
#include "stocklibrary/stock_library_keys.h"
#include "stocklibrary/stock_library_list.h"
#include "support/ipp_test_printer.h"

namespace {

namespace ui = platform::ui;

using korvo_test::ColumnTexts;

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
    names = ColumnTexts(mine, 1);
    statuses = ColumnTexts(mine, 2);
    printers = ColumnTexts(theirs, 1);
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
    names = ColumnTexts(*w.content().findNamed("NamedPapers"), 1);
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
