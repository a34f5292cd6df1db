#include "panels/stock_menu/stock_menu_choice.h"

#include <cstdint>

#include "kit/plugin_bundle.h"
#include "panels/stock_menu/custom_stock_dialogs.h"

namespace ui = platform::ui;

namespace {

constexpr std::int32_t kCustomWeightItem = 1;
constexpr std::int32_t kCustomColorItem = 10;

// "Custom..." sizes and weights ask for their numbers; true when the user gave them.
bool AskCustomSize(Stock& stock, DialogState* dialog) {
  CustomSize size{stock.width(), stock.length()};
  if (!TakeAnswer(RunModalCustomStockSizeDialog(GetPDEBundle(), size, dialog), size)) return false;
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

}  // namespace

bool StockMenuItemOpensLaterDialog(platform::OSType command, std::int32_t value) {
  if (command == kStockTypeCommand) return value == 4 || value == 52 || value == 6 || value == 54;
  return false;
}

bool ApplyStockAttributeChoice(const ui::Event& event, Stock& stock, DialogState* dialog) {
  if (event.eventClass != ui::kEventClassCommand || event.menu == nullptr) return false;
  const ui::MenuItem* item = event.menu->item(event.menuItem);
  if (item == nullptr || !item->refValue || StockMenuItemOpensLaterDialog(event.command, *item->refValue)) return false;
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
