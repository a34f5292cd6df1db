// Menus and pop-ups filled from setting maps with the plug-in's own string table, and localised
// labels for summaries. Items, their commands and selection by a ticket value the menu holds are
// every panel's menus' (tests/panels).
#include <gtest/gtest.h>

#include <optional>

#include <string>
#include <vector>

#include "kit/input_history.h"
#include "platform/bundle/bundle.h"
#include "support/test_support.h"
#include "vocabulary/setting_map_labels.h"
#include "vocabulary/setting_map_menus.h"

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
