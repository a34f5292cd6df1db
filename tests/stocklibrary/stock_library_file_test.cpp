// The library's entries (their dictionary and the status their stock earns) and its file: shared
// with the library dialog's keys and written only when changed (a damaged one is set aside as every
// preference file is, tests/platform/preference_file_test). Entries in use, as the library dialog
// shows them, are the dialog's (tests/panels/stock_menu).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "stocklibrary/stock_library_entry.h"
#include "stocklibrary/stock_library_keys.h"
#include "stocklibrary/stock_library_list.h"
#include "stocklibrary/stock_library_order.h"
#include "support/test_support.h"

namespace {

class StockLibraryFile : public ::testing::Test {
 protected:
  std::string path() const { return home_.dir().path() + "/config/" + kStockLibraryPreferencesFileName; }
  // Runs Python on the file (its path is sys.argv[1]); answers what it printed.
  std::string Python(const std::string& code) {
    std::string out;
    EXPECT_EQ(korvo_test::RunCommand("python3 -c '" + code + "' " + path(), &out, true), 0) << out;
    return out;
  }
  korvo_test::ScopedXdgHome home_;
};

Stock Named(const std::string& name, std::int32_t weight = 90) {
  Stock s;
  s.setCustomName(name);
  s.setWeight(weight);
  return s;
}

StockLibrary EntryOf(const Stock& stock) {
  StockLibrary e;
  e.setStock(stock);
  e.setName(stock.customName());
  return e;
}

TEST_F(StockLibraryFile, RoundTripsWithPlistlibKeepingTheDialogsKeys) {
  std::filesystem::create_directories(home_.dir().path() + "/config");
  Python(
      "import plistlib,sys,datetime; plistlib.dump({"
      "\"com.korvo.print.StockLibrary.ColumnWidths\": [12.5, 80.25],"
      "\"com.korvo.print.StockLibrary.Preferences\": {\"Saved\": datetime.datetime(2024,5,1,12,30,0), \"Blob\": b\"\\x00\\xff\"},"
      "\"com.korvo.print.StockLibrary.SelectedRow\": 3}, open(sys.argv[1],\"wb\"))");
  std::string uuid;
  {
    StockLibraryList library;
    EXPECT_TRUE(library.stockList().empty());
    StockLibrary entry = EntryOf(Named("Blue Card", 210));
    uuid = library.add(&entry);
    EXPECT_EQ(uuid.size(), 36u);
    StockLibraryOrderList order;
    order.updateOrderList(uuid);
  }
  EXPECT_EQ(Python("import plistlib,sys; d=plistlib.load(open(sys.argv[1],\"rb\"));"
                   "print(d[\"com.korvo.print.StockLibrary.ColumnWidths\"]);"
                   "p=d[\"com.korvo.print.StockLibrary.Preferences\"]; print(p[\"Saved\"], p[\"Blob\"]);"
                   "print(d[\"com.korvo.print.StockLibrary.SelectedRow\"]);"
                   "e=list(d[\"com.korvo.print.StockLibrary.StockList\"].values())[0];"
                   "print(e[\"com.korvo.print.StockLibrary.NameKey\"], e[\"EntryStatus\"], e[\"Stock\"][\"Weight\"]);"
                   "print(d[\"com.korvo.print.StockLibrary.StockMenuList\"][0] == e[\"com.korvo.print.StockLibrary.UUID\"]);"
                   "plistlib.dump(d, open(sys.argv[1],\"wb\"))"),
            "[12.5, 80.25]\n2024-05-01 12:30:00 b'\\x00\\xff'\n3\nBlue Card 0 210\nTrue\n");

  // What plistlib wrote back (in its own formatting) reads the same.
  StockLibraryList again;
  ASSERT_TRUE(again.stockList().contains(uuid));
  EXPECT_TRUE(again.isDuplicate("BLUE card"));
  EXPECT_FALSE(again.isDuplicate("Blue"));
  EXPECT_EQ(StockLibrary(*again.stockList().at(uuid).asDictionary()).stock().weight(), 210);
}

TEST_F(StockLibraryFile, IsWrittenOnlyWhenSomethingChanged) {
  { StockLibraryList library; }  // nothing read, nothing changed: no file appears
  EXPECT_FALSE(std::filesystem::exists(path()));
  std::string uuid;
  {
    StockLibraryList library;
    StockLibrary entry = EntryOf(Named("Card"));
    uuid = library.add(&entry);
  }
  struct stat before {};
  ASSERT_EQ(::stat(path().c_str(), &before), 0);
  {
    StockLibraryList library;
    library.remove("no such uuid");
    library.setInUse("no such uuid");
    StockLibrary same(*library.stockList().at(uuid).asDictionary());
    library.update(uuid, &same);  // the same dictionary again
    StockLibraryOrderList order;
    order.remove("no such uuid");
  }
  struct stat after {};
  ASSERT_EQ(::stat(path().c_str(), &after), 0);
  EXPECT_EQ(before.st_ino, after.st_ino);  // never renamed over: never rewritten
}

TEST_F(StockLibraryFile, ReplaceMatchesByNameAndNeverAnUnnamedEntry) {
  StockLibraryList library;
  StockLibrary unnamed = EntryOf(Named("", 70));
  const std::string unnamedUUID = library.add(&unnamed);
  StockLibrary card = EntryOf(Named("Card", 120));
  card.setName("My card");
  const std::string cardUUID = library.add(&card);

  StockLibrary newer = EntryOf(Named("CARD", 250));
  library.replace(&newer);
  StockLibrary replaced(*library.stockList().at(cardUUID).asDictionary());
  EXPECT_EQ(replaced.stock().weight(), 250);
  EXPECT_EQ(replaced.name(), "My card");
  EXPECT_EQ(replaced.uuid(), cardUUID);

  StockLibrary noName = EntryOf(Named("", 140));
  library.replace(&noName);
  EXPECT_EQ(StockLibrary(*library.stockList().at(unnamedUUID).asDictionary()).stock().weight(), 70);

  // A name that matches nothing changes nothing: the file, gone meanwhile, is not made again.
  std::filesystem::remove(path());
  StockLibrary other = EntryOf(Named("Other", 140));
  library.replace(&other);
  EXPECT_FALSE(std::filesystem::exists(path()));
  EXPECT_EQ(library.stockList().size(), 2u);
}

TEST_F(StockLibraryFile, AnUnreadableUserFileFallsBackToTheSiteDefaultsAndIsNotWritten) {
  std::filesystem::create_directories(path());  // a folder where the file should be: unreadable
  std::filesystem::create_directories(home_.dir().path() + "/data/Korvo");
  korvo_test::WriteFile(home_.dir().path() + "/data/Korvo/KorvoFeatures.plist",
                        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                        "<key>com.korvo.print.StockLibrary.StockMenuList</key><array><string>SITE</string></array>"
                        "</dict></plist>\n");
  StockLibraryOrderList order;
  EXPECT_EQ(order.stockOrderList(), std::vector<std::string>{"SITE"});
  order.updateOrderList("MINE");  // refused: the user's file may be sound, so it is not written over
  EXPECT_TRUE(std::filesystem::is_directory(path()));
}

TEST_F(StockLibraryFile, OrderListKeepsTheRecentTwentyFive) {
  StockLibraryOrderList order;
  for (int i = 1; i <= 3; ++i) order.updateOrderList("U" + std::to_string(i));
  order.updateOrderList("U1");  // third in the list moves to the front
  EXPECT_EQ(order.stockOrderList(), (std::vector<std::string>{"U1", "U3", "U2"}));
  for (int i = 4; i <= 26; ++i) order.updateOrderList("U" + std::to_string(i));
  EXPECT_EQ(order.stockOrderList().size(), 25u);
  EXPECT_EQ(order.stockOrderList().front(), "U26");
  EXPECT_EQ(order.stockOrderList().back(), "U3");  // U2, the oldest, pushed out
  order.updateOrderList("");
  EXPECT_EQ(order.stockOrderList().size(), 25u);
  StockLibraryOrderList reread;
  EXPECT_EQ(reread.stockOrderList(), order.stockOrderList());
}

StockLibrary EntryWith(const Stock& stock, std::int32_t fileStatus) {
  StockLibrary entry;
  entry.setStock(stock);
  entry.setStatus(fileStatus);
  return StockLibrary(entry.asTicket());
}

// Weights from 60 to 300 g/m2 are supported; an in-use mark survives only on a supported stock.
TEST(StockLibraryEntry, StatusFollowsTheStock) {
  struct Case {
    void (*set)(Stock&);
    std::int32_t fileStatus, status;
  };
  const Case cases[] = {
      {[](Stock& s) { s.setType(6); }, kStockEntryInUse, kStockEntryUnsupportedValues},
      {[](Stock& s) { s.setType(1); }, kStockEntryInUse, kStockEntryInUse},
      {[](Stock& s) { s.setWeight(60); }, 0, 0},
      {[](Stock& s) { s.setWeight(300); }, 0, 0},
      {[](Stock& s) { s.setWeight(59); }, 0, kStockEntryUnsupportedValues},
      {[](Stock& s) { s.setWeight(301); }, 0, kStockEntryUnsupportedValues},
      {[](Stock& s) { s.setFinish(4); }, 0, kStockEntryUnsupportedValues},  // semi-rough
      {[](Stock& s) { s.setGrain(1); }, 0, kStockEntryUnsupportedAttributes},
      {[](Stock& s) { s.setGrain(7); }, 0, kStockEntryUnsupportedValues},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    Stock stock;
    cases[i].set(stock);
    EXPECT_EQ(EntryWith(stock, cases[i].fileStatus).status(), cases[i].status) << "case " << i;
  }
}

// A fresh entry writes no name or UUID; a malformed entry dictionary gives the defaults.
TEST(StockLibraryEntry, AMalformedEntryDictionaryGivesDefaults) {
  EXPECT_EQ(StockLibrary().asTicket().size(), 2u);
  platform::PlistDict d;
  d[kEntryStockKey] = "not a dictionary";
  d[kEntryStatusKey] = std::int64_t{1} << 40;
  d[kEntryUUIDKey] = 5;
  StockLibrary entry(d);
  EXPECT_EQ(entry.status(), 0);
  EXPECT_EQ(entry.uuid(), "");
  EXPECT_TRUE(entry.stock() == Stock());
}

TEST(StockLibraryEntry, RepairDropsWhatTheEditorsCannotShowAndTheName) {
  Stock s;
  s.setType(6);
  s.setGrain(1);
  s.setWeight(80);
  s.setCustomName("Heavy");
  s.setCustomNameOnly(true);
  EXPECT_TRUE(RepairLibraryStock(s));
  EXPECT_EQ(s.type(), kPrinterDefault);
  EXPECT_EQ(s.grain(), 1);
  EXPECT_EQ(s.weight(), 80);
  EXPECT_EQ(s.customName(), "");
  EXPECT_FALSE(s.customNameOnly());

  Stock fine;
  fine.setCustomName("Fine");
  EXPECT_FALSE(RepairLibraryStock(fine));
  EXPECT_EQ(fine.customName(), "Fine");
}

}  // namespace
