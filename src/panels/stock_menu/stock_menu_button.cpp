#include "panels/stock_menu/stock_menu_button.h"

#include <memory>

#include "kit/control_helpers.h"
#include "kit/current_session.h"
#include "kit/plugin_bundle.h"
#include "model/stock_summary.h"
#include "panels/stock_menu/advanced_paper_dialog.h"
#include "panels/stock_menu/stock_library_dialog.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

// "Stock Library...": a named paper chosen from the library replaces the stock.
bool ChooseFromLibrary(Stock& stock, JobContext context, DialogState* dialog) {
  const std::vector<Stock> used = StocksTheSessionUses(GetCurrentPrintSession());
  std::vector<const Stock*> inUse{&stock};
  for (const Stock& s : used) inUse.push_back(&s);
  return TakeAnswer(RunModalStockLibraryDialog(GetPDEBundle(), context, inUse, dialog), stock);
}

void AppendSubmenu(const platform::Bundle* bundle, ui::Menu& menu, const char* titleKey, const SettingMap* map,
                   JobContext context, platform::OSType command) {
  auto submenu = std::make_shared<ui::Menu>();
  PopulateMenuFromMap(bundle, *submenu, map, context, command);
  for (int i = 1; i <= submenu->count(); ++i) {
    ui::MenuItem* item = submenu->item(i);
    if (item->refValue && StockMenuItemOpensLaterDialog(command, *item->refValue)) item->enabled = false;
  }
  ui::MenuItem item(bundle->localizedString(titleKey));
  item.submenu = std::move(submenu);
  menu.append(std::move(item));
}

}  // namespace

void BuildStockMenu(const platform::Bundle* bundle, ui::Menu& menu, JobContext context) {
  menu.clear();
  if (bundle == nullptr) return;
  // The library and advanced items carry the context their dialogs open in.
  menu.append(ui::MenuItem(bundle->localizedString("SetupStockLibrary"), kStockLibraryCommand, context));
  menu.appendSeparator();
  if (context != kJobContextJob) AppendSubmenu(bundle, menu, "OtherSize", StockSizeMap, context, kStockSizeCommand);
  AppendSubmenu(bundle, menu, "OtherColor", StockColorMap, context, kStockColorCommand);
  AppendSubmenu(bundle, menu, "OtherType", StockTypeMap, context, kStockTypeCommand);
  AppendSubmenu(bundle, menu, "OtherWeight", WeightMap, context, kStockWeightCommand);
  menu.appendSeparator();
  menu.append(ui::MenuItem(bundle->localizedString("StockAdvanced..."), kStockAdvancedCommand, context));
}

bool IsStockMenuCommand(platform::OSType command) {
  return command == kStockSizeCommand || command == kStockColorCommand || command == kStockTypeCommand ||
         command == kStockWeightCommand || command == kStockLibraryCommand || command == kStockAdvancedCommand;
}

bool ApplyStockMenuChoice(const ui::Event& event, Stock& stock, DialogState* dialog) {
  if (event.eventClass != ui::kEventClassCommand || event.menu == nullptr) return false;
  const ui::MenuItem* item = event.menu->item(event.menuItem);
  if (item == nullptr || !item->refValue) return false;
  const auto context = static_cast<JobContext>(*item->refValue);
  switch (event.command) {
    case kStockLibraryCommand: return ChooseFromLibrary(stock, context, dialog);
    case kStockAdvancedCommand:
      return TakeAnswer(RunModalAdvancedStockSelection(GetPDEBundle(), context, stock, dialog), stock);
    default: return ApplyStockAttributeChoice(event, stock, dialog);
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
