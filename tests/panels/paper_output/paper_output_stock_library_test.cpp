// The panel holds the user's stock library for its stock menus from Initialize to Terminate.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "panels/paper_output/paper_output_test_support.h"
#include "stocklibrary/stock_library_keys.h"

namespace {

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
