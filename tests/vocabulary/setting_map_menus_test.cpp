// Menus and pop-ups filled from setting maps with the plug-in's own string table, and localised
// labels for summaries.
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

// An item as text, command, value and separator flag, for whole-item comparisons.
struct ItemFacts {
  std::string text;
  std::uint32_t command;
  std::optional<std::int32_t> refValue;
  bool separator;
  friend bool operator==(const ItemFacts&, const ItemFacts&) = default;
};

ItemFacts Facts(const Menu& menu, std::size_t index) {
  const platform::ui::MenuItem& item = menu.items().at(index);
  return {item.separator ? "-" : item.text, item.command, item.refValue, item.separator};
}

Control Popup() { return Control(ControlKind::PopupButton, {}, {}); }

}  // namespace

TEST(MapMenus, ItemsCarryLabelsCommandsAndValues) {
  ASSERT_NE(PlugInBundle(), nullptr);
  Menu menu;
  EXPECT_EQ(PopulateMenuFromMap(PlugInBundle(), menu, DuplexMap, kJobContextJob, platform::FourCharCode("Kdup")), 3u);
  EXPECT_EQ(menu.tag(), static_cast<const void*>(DuplexMap));
  EXPECT_EQ(Facts(menu, 1), (ItemFacts{"Two-Sided (Long Edge)", platform::FourCharCode("Kdup"), 2, false}));
  // Command 0: each row keeps its own; the separator carries nothing.
  EXPECT_EQ(PopulateMenuFromMap(PlugInBundle(), menu, WatermarkMap, kJobContextJob, 0), 6u);
  ASSERT_EQ(menu.count(), 9);  // appended after the duplex items
  EXPECT_EQ(Facts(menu, 3), (ItemFacts{"No Watermark", platform::FourCharCode("KWmX"), 1, false}));
  EXPECT_TRUE(menu.items()[4].separator);
  EXPECT_EQ(menu.items()[4].refValue, std::nullopt);
  EXPECT_EQ(menu.items()[8].refValue, -9);
  EXPECT_EQ(PopulateMenuFromMap(PlugInBundle(), menu, nullptr, kJobContextJob, 0), 0u);
}

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
  const SettingMap unknown[] = {{"NoSuchLabelKey", 1}, {nullptr, 0}};
  Menu menu;
  PopulateMenuFromMap(PlugInBundle(), menu, unknown, kJobContextJob, 0);
  EXPECT_EQ(Facts(menu, 0), (ItemFacts{"STRING NOT FOUND", 0, 1, false}));
}

TEST(MapMenus, PopupSelectionByTicketValue) {
  Control popup = Popup();
  PopulatePopupButtonFromMap(PlugInBundle(), popup, PlexMap, kJobContextException, 0);
  EXPECT_TRUE(SetPopupButtonToTicketValue(popup, 3));
  EXPECT_EQ(popup.value(), 4);
  EXPECT_EQ(GetPopupButtonTicketValue(popup), 3);
  EXPECT_FALSE(SetPopupButtonToTicketValue(popup, 42));
  EXPECT_EQ(popup.value(), 4);  // unchanged
  EXPECT_TRUE(SetPopupButtonToTicketValue(popup, kPrinterDefault));
  EXPECT_EQ(GetPopupButtonTicketValue(popup), kPrinterDefault);
  Control empty = Popup();
  EXPECT_EQ(GetPopupButtonTicketValue(empty), std::nullopt);  // nothing selected
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
