// Searches over the setting maps: positions, values, label keys, the catch-all rule and rows
// that the printer's installable options hide or show; menus and pop-ups filled from them with the
// plug-in's own string table, and localised labels for summaries. (Items, their commands and
// selection by a ticket value the menu holds are every panel's menus', tests/panels.)
#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "kit/input_history.h"
#include "platform/bundle/bundle.h"
#include "ppd_test_support.h"
#include "support/test_support.h"
#include "vocabulary/installed_features.h"
#include "vocabulary/setting_map_labels.h"
#include "vocabulary/setting_map_menus.h"
#include "vocabulary/setting_map_operations.h"

// Positions count from 1 and include the printer-default row; negative values are values; a
// catch-all row answers for every value past it.
TEST(SettingMapSearch, PositionsValuesAndKeys) {
  EXPECT_EQ(TicketToUI(DuplexMap, 3), 3);
  EXPECT_EQ(TicketToUI(ResolutionMap, 5), std::nullopt);
  EXPECT_EQ(LocalizedKeyForTicketValue(ResolutionMap, 5), std::nullopt);
  EXPECT_EQ(TicketToUI(ResolutionMap, kPrinterDefault), 1);
  EXPECT_EQ(TicketToUI(nullptr, 1), std::nullopt);
  EXPECT_EQ(TicketToUI(WatermarkMap, -7), 4);
  EXPECT_EQ(LocalizedKeyForTicketValue(WatermarkStringMap, -2), "DraftWatermark");
  const SettingMap lightness[] = {{"Lighten1", -1}, {"Normal", 5}, {nullptr, 0}};
  EXPECT_EQ(TicketToUI(lightness, -1), 1);
  EXPECT_EQ(TicketToUI(lightness, 4), std::nullopt);
  EXPECT_EQ(TicketToUI(StockDescriptionMap, 42), 2);
  EXPECT_EQ(TicketToUI(StockDescriptionMap, kPrinterDefault), 1);
  EXPECT_EQ(LocalizedKeyForTicketValue(StockDescriptionMap, -1), "Custom...");
  for (std::int32_t value : {0, 1, 2, -1, kPrinterDefault, kPositionMapValue})
    EXPECT_EQ(TicketToUI(SavedJobSaveOptionRadioMap, value), 1) << value;
}

TEST(SettingMapSearch, PaperSizeKeysAndThePrinterDefaultRowByContext) {
  EXPECT_EQ(LocalizedKeyForPaperSizeTicketValue(CompleteStockSizeMap, 75), "Custom");
  EXPECT_EQ(LocalizedKeyForPaperSizeTicketValue(CompleteStockSizeMap, 9999), std::nullopt);
  EXPECT_EQ(LocalizedKeyForPaperSizeTicketValue(CompleteStockSizeMap, 43), "Postcard (4 x 6\")");
  EXPECT_EQ(LocalizedKeyForPaperSizeTicketValue(CompleteStockSizeMap, 7), "StockSize223x297");
  EXPECT_EQ(LocalizedKeyForTicketValue(StockSizeMap, 7), "223x297StockSize");  // each table's own key
  EXPECT_EQ(LocalizedKeyForPaperSizeTicketValue(nullptr, 75), std::nullopt);
  // (A job's printer-default row, an insert's and a cover's, the menus and summaries below read.)
  EXPECT_EQ(LabelKeyInContext("PrinterDefault", kPrinterDefault, kJobContextException), "UseJobSetting");
}

namespace {

// Rows that only some finishers offer; the last one only where the second stacker is missing.
const SettingMap kFinisherMap[] = {
    {"None", 1},
    {"Staple bottom right", 2, 0, "1StapleBR"},
    {"Top Tray 2", 3, 0, "SimpleCatchTray2Key"},
    {"Only one stacker", 4, 0, "StackerTray2Key", false},
    {nullptr, 0},
};

std::vector<std::int32_t> ShownValues() {
  std::vector<std::int32_t> shown;
  for (const SettingMap* row = kFinisherMap; row->labelKey != nullptr; ++row) {
    if (TicketToUI(kFinisherMap, row->value).has_value()) shown.push_back(row->value);
  }
  return shown;
}

}  // namespace

using FeatureConditionTest = Option1Test;

TEST_F(FeatureConditionTest, RowsFollowEveryFinisherConfiguration) {
  using Values = std::vector<std::int32_t>;
  EXPECT_EQ(ShownValues(), (Values{1, 4}));  // nothing loaded: nothing installed
  const std::vector<std::pair<std::string, Values>> expected = {
      {"HCS", {1, 4}},    {"CSS", {1, 2, 4}},    {"HCSHCS", {1, 3}},
      {"HCSCSS", {1, 3}}, {"DFA", {1, 4}},       {"HCSDFA", {1, 4}},
  };
  for (const auto& [choice, values] : expected) {
    UnloadInstallableOptions();
    ASSERT_TRUE(LoadWithOption1(choice)) << choice;
    EXPECT_EQ(ShownValues(), values) << choice;
  }
  // Hidden rows still count as positions (HCSDFA hides rows 2 and 3).
  EXPECT_EQ(TicketToUI(kFinisherMap, 4), 4);
  EXPECT_EQ(TicketToUI(kFinisherMap, 3), std::nullopt);
  UnloadInstallableOptions();
  ASSERT_TRUE(LoadInstallableOptions(UsePPD(korvo_test::SamplePPDPath()), InstalledFeatures));
  EXPECT_EQ(ShownValues(), (Values{1, 2, 4}));  // the sample printer's default finisher, CSS
}

TEST_F(FeatureConditionTest, MenusSkipRowsWhoseConditionFails) {
  using Values = std::vector<std::optional<std::int32_t>>;
  for (const auto& [choice, values] : {std::pair<std::string, Values>{"CSS", {1, 2, 4}},
                                       std::pair<std::string, Values>{"HCSHCS", {1, 3}}}) {
    UnloadInstallableOptions();
    ASSERT_TRUE(LoadWithOption1(choice)) << choice;
    platform::ui::Menu menu;
    EXPECT_EQ(PopulateMenuFromMap(nullptr, menu, kFinisherMap, kJobContextJob, 0), values.size()) << choice;
    Values shown;
    for (const platform::ui::MenuItem& item : menu.items()) shown.push_back(item.refValue);
    EXPECT_EQ(shown, values) << choice;
  }
}

// The paper-size table: the rows that were mended, and the paper library's two unit columns.
TEST(StockSizeTable, MendedRows) {
  const auto row = [](const PaperSizeSettingMap& r) {
    return std::tuple(std::string(r.labelKey), r.value, r.widthHmm, r.heightHmm, r.widthPt, r.heightPt);
  };
  EXPECT_EQ(row(CompleteStockSizeMap[38]), std::tuple("StockSize225x297", 203, 22500, 29700, 638, 842));
  EXPECT_EQ(row(CompleteStockSizeMap[11]), std::tuple("StockSizeGovernmentLetter", 83, 20300, 26700, 576, 756));
}

// Both unit columns describe the same paper: within two points of each other, except for the
// rows whose figures were kept as the paper library has them (noted beside each).
TEST(StockSizeTable, UnitColumnsAgree) {
  const std::set<std::int32_t> keptAsGiven = {
      79, 78,  // 8.5 x 13.5": 340 mm is 13.39", the points say 13.5"
      77,      // No. 9 envelope: 98 mm wide, 297 points (4.125") wide
  };
  for (const PaperSizeSettingMap* row = CompleteStockSizeMap + 1; row->labelKey != nullptr; ++row) {
    if (keptAsGiven.count(row->value) != 0) continue;
    EXPECT_LE(std::abs(row->widthHmm * 72.0 / 2540.0 - row->widthPt), 2.0) << row->labelKey;
    EXPECT_LE(std::abs(row->heightHmm * 72.0 / 2540.0 - row->heightPt), 2.0) << row->labelKey;
  }
}

namespace {

const platform::Bundle* PlugInBundle() {
  static auto bundle = platform::Bundle::open(korvo_test::BundlePath());
  return bundle ? *bundle : nullptr;
}

using platform::ui::Control;
using platform::ui::ControlKind;
using platform::ui::Menu;

Control Popup() { return Control(ControlKind::PopupButton, {}, {}); }

}  // namespace

TEST(MapMenus, PrinterDefaultRowReadsByContextAndMissingKeysShowSo) {
  Control popup = Popup();
  PopulatePopupButtonFromMap(PlugInBundle(), popup, StockSizeMap, kJobContextInsert, 0);
  EXPECT_EQ(popup.maximum(), 19);
  EXPECT_EQ(popup.menu().items()[0].text, "Use Job Setting");
  EXPECT_EQ(popup.menu().items()[0].refValue, kPrinterDefault);
  EXPECT_EQ(popup.menu().items()[8].text, "Oversize Tabloid (12 x 18\")");
  PopulatePopupButtonFromMap(PlugInBundle(), popup, StockSizeMap, kJobContextJob, 0);
  EXPECT_EQ(popup.maximum(), 19);  // refilled, not appended
  EXPECT_EQ(popup.menu().items()[0].text, "Printer Default");
  popup.setValue(2);
  EXPECT_FALSE(SetPopupButtonToTicketValue(popup, 42));  // a value no row holds: the choice stays
  EXPECT_EQ(popup.value(), 2);
  const SettingMap unknown[] = {{"NoSuchLabelKey", 1}, {nullptr, 0}};
  Menu menu;
  PopulateMenuFromMap(PlugInBundle(), menu, unknown, kJobContextJob, 0);
  EXPECT_EQ(menu.items().at(0).text, "STRING NOT FOUND");
  EXPECT_EQ(menu.items().at(0).refValue, 1);
}

TEST(MapMenus, LocalizedLabelsForSummaries) {
  const platform::Bundle* bundle = PlugInBundle();
  EXPECT_EQ(CopyLocalizedLabelForTicketValue(bundle, DuplexMap, 3, kJobContextJob), "Two-Sided (Short Edge)");
  EXPECT_EQ(CopyLocalizedLabelForTicketValue(bundle, GrainMap, kPrinterDefault, kJobContextCover), "Use Job Setting");
  EXPECT_EQ(CopyLocalizedLabelForTicketValue(bundle, StockDescriptionMap, 42, kJobContextCover), "Custom...");
  EXPECT_EQ(CopyLocalizedLabelForTicketValue(bundle, ResolutionMap, 5, kJobContextJob), std::nullopt);
  EXPECT_EQ(CopyLocalizedLabelForTicketValue(nullptr, DuplexMap, 3, kJobContextJob), std::nullopt);
  EXPECT_EQ(CopyLocalizedLabelForPaperSizeTicketValue(bundle, CompleteStockSizeMap, 204, kJobContextJob),
            "Letter (8.5 x 11\")");
  EXPECT_EQ(CopyLocalizedLabelForPaperSizeTicketValue(bundle, CompleteStockSizeMap, kPrinterDefault,
                                                      kJobContextInsert),
            "Use Job Setting");
  EXPECT_EQ(CopyLocalizedLabelForPaperSizeTicketValue(bundle, CompleteStockSizeMap, 9999, kJobContextJob),
            std::nullopt);
}
