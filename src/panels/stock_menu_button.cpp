#include "panels/stock_menu_button.h"

#include <memory>

#include "kit/control_helpers.h"
#include "kit/plugin_bundle.h"
#include "model/stock_summary.h"
#include "panels/custom_stock_dialogs.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

// Values whose choice opens a set-up dialog that comes with a later part of the plug-in.
bool OpensLaterDialog(platform::OSType command, std::int32_t value) {
  if (command == kStockColorCommand) return value == 10;
  if (command == kStockTypeCommand) return value == 4 || value == 52 || value == 6 || value == 54 || value == 7;
  return false;
}

constexpr std::int32_t kCustomWeightItem = 1;

// "Custom..." sizes and weights ask for their numbers; true when the user gave them.
bool AskCustomSize(Stock& stock) {
  std::int32_t width = stock.width(), length = stock.length();
  bool confirmed = false;
  RunModalCustomStockSizeDialog(GetPDEBundle(), &width, &length, &confirmed);
  if (confirmed) {
    stock.setWidth(width);
    stock.setLength(length);
  }
  return confirmed;
}

bool AskCustomWeight(Stock& stock) {
  std::int32_t weight = stock.weight();
  bool confirmed = false;
  RunModalCustomStockWeightDialog(GetPDEBundle(), &weight, &confirmed);
  if (confirmed) stock.setWeight(weight);
  return confirmed;
}

void AppendSubmenu(const platform::Bundle* bundle, ui::Menu& menu, const char* titleKey, const SettingMap* map,
                   JobContext context, platform::OSType command) {
  auto submenu = std::make_shared<ui::Menu>();
  PopulateMenuFromMap(bundle, *submenu, map, context, command);
  for (int i = 1; i <= submenu->count(); ++i) {
    ui::MenuItem* item = submenu->item(i);
    if (item->refValue && OpensLaterDialog(command, *item->refValue)) item->enabled = false;
  }
  ui::MenuItem item(bundle->localizedString(titleKey));
  item.submenu = std::move(submenu);
  menu.append(std::move(item));
}

}  // namespace

void BuildStockMenu(const platform::Bundle* bundle, ui::Menu& menu, JobContext context) {
  menu.clear();
  if (bundle == nullptr) return;
  ui::MenuItem library(bundle->localizedString("SetupStockLibrary"), kStockLibraryCommand);
  library.enabled = false;
  menu.append(std::move(library));
  menu.appendSeparator();
  if (context != kJobContextJob) AppendSubmenu(bundle, menu, "OtherSize", StockSizeMap, context, kStockSizeCommand);
  AppendSubmenu(bundle, menu, "OtherColor", StockColorMap, context, kStockColorCommand);
  AppendSubmenu(bundle, menu, "OtherType", StockTypeMap, context, kStockTypeCommand);
  AppendSubmenu(bundle, menu, "OtherWeight", WeightMap, context, kStockWeightCommand);
  menu.appendSeparator();
  ui::MenuItem advanced(bundle->localizedString("StockAdvanced..."), kStockAdvancedCommand);
  advanced.enabled = false;
  menu.append(std::move(advanced));
}

bool ApplyStockMenuChoice(const ui::Event& event, Stock& stock) {
  if (event.eventClass != ui::kEventClassCommand || event.menu == nullptr) return false;
  const ui::MenuItem* item = event.menu->item(event.menuItem);
  if (item == nullptr || !item->refValue || OpensLaterDialog(event.command, *item->refValue)) return false;
  const std::int32_t value = *item->refValue;
  switch (event.command) {
    case kStockSizeCommand:
      if (value == kStockSizeCustom && !AskCustomSize(stock)) return false;
      stock.setSource(kPrinterDefault);
      stock.setSize(value);
      stock.setCustomName({});
      stock.setCustomNameOnly(false);
      return true;
    case kStockColorCommand:
      stock.setSource(kPrinterDefault);
      stock.setCustomColor({});
      stock.setColor(value);
      stock.setCustomName({});
      return true;
    case kStockTypeCommand:
      stock.setSource(kPrinterDefault);
      stock.setType(value);
      stock.setCustomName({});
      return true;
    case kStockWeightCommand:
      if (value == kCustomWeightItem) return AskCustomWeight(stock);
      stock.setWeight(value);
      return true;
    default:
      return false;
  }
}

platform::OSStatus ShowStockSummary(const platform::Bundle* bundle, ui::Control* view, const Stock* stock,
                                    JobContext context) {
  if (bundle == nullptr || view == nullptr) return platform::paramErr;
  if (stock == nullptr) return UpdateSummaryTextView(view, "");
  std::string text = GenerateStockSummary(bundle, context, *stock, "\n");
  if (text.empty()) text = bundle->localizedString(context == kJobContextJob ? "PrinterDefault" : "UseJobSetting");
  return UpdateSummaryTextView(view, text.c_str());
}
