#include "panels/stock_menu_button.h"

#include <memory>

#include "kit/control_helpers.h"
#include "kit/current_session.h"
#include "kit/plugin_bundle.h"
#include "model/stock_summary.h"
#include "panels/advanced_paper_dialog.h"
#include "panels/custom_stock_dialogs.h"
#include "panels/stock_library_dialog.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

// Values whose choice opens a set-up dialog the plug-in does not have: the tab and ordered stocks.
bool OpensLaterDialog(platform::OSType command, std::int32_t value) {
  if (command == kStockTypeCommand) return value == 4 || value == 52 || value == 6 || value == 54;
  return false;
}

constexpr std::int32_t kCustomWeightItem = 1;
constexpr std::int32_t kCustomColorItem = 10;

// "Custom..." sizes and weights ask for their numbers; true when the user gave them.
bool AskCustomSize(Stock& stock, DialogState* dialog) {
  CustomSize size{stock.width(), stock.length()};
  CustomSizeUnits unitsWithoutDialog = kUnitsNotChosen;
  CustomSizeUnits& units = dialog ? dialog->customSizeUnits : unitsWithoutDialog;
  if (!TakeAnswer(RunModalCustomStockSizeDialog(GetPDEBundle(), size, units), size)) return false;
  stock.setWidth(size.width);
  stock.setLength(size.length);
  return true;
}

bool AskCustomWeight(Stock& stock) {
  std::int32_t weight = stock.weight();
  if (!TakeAnswer(RunModalCustomStockWeightDialog(GetPDEBundle(), weight), weight)) return false;
  stock.setWeight(weight);
  return true;
}

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

bool ApplyStockMenuChoice(const ui::Event& event, Stock& stock, DialogState* dialog) {
  if (event.eventClass != ui::kEventClassCommand || event.menu == nullptr) return false;
  const ui::MenuItem* item = event.menu->item(event.menuItem);
  if (item == nullptr || !item->refValue || OpensLaterDialog(event.command, *item->refValue)) return false;
  const std::int32_t value = *item->refValue;
  switch (event.command) {
    case kStockSizeCommand:
      if (value == kStockSizeCustom && !AskCustomSize(stock, dialog)) return false;
      stock.setSource(kPrinterDefault);
      stock.setSize(value);
      stock.setCustomName({});
      stock.setCustomNameOnly(false);
      return true;
    case kStockColorCommand:
      if (value == kCustomColorItem) {
        if (!TakeAnswer(RunModalCustomStockColorSetup(GetPDEBundle(), stock), stock)) return false;
      } else {
        stock.setCustomColor({});
      }
      stock.setSource(kPrinterDefault);
      stock.setColor(value);
      stock.setCustomName({});
      return true;
    case kStockTypeCommand:
      if (value == kStockTypeCustom && !TakeAnswer(RunModalCustomStockTypeSetup(GetPDEBundle(), stock), stock))
        return false;
      stock.setSource(kPrinterDefault);
      stock.setType(value);
      stock.setCustomName({});
      return true;
    case kStockWeightCommand:
      if (value == kCustomWeightItem) return AskCustomWeight(stock);
      stock.setWeight(value);
      return true;
    case kStockLibraryCommand: return ChooseFromLibrary(stock, static_cast<JobContext>(value), dialog);
    case kStockAdvancedCommand:
      return TakeAnswer(RunModalAdvancedStockSelection(GetPDEBundle(), static_cast<JobContext>(value), stock, dialog),
                        stock);
    case kStockPunchedCommand: stock.setPunched(value); return true;
    case kStockSidesCoatedCommand: stock.setSidesCoated(value); return true;
    case kStockCoatingTypeCommand: stock.setCoatingType(value); return true;
    case kStockGrainCommand: stock.setGrain(value); return true;
    case kStockFinishCommand: stock.setFinish(value); return true;
    case kStockDescriptionCommand: {
      // The first item takes the description away; the second asks for it.
      if (value == kPrinterDefault) {
        stock.setDescription({});
        return true;
      }
      return TakeAnswer(RunModalStockDescriptionSetup(GetPDEBundle(), stock), stock);
    }
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
