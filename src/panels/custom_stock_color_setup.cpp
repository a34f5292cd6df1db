// "Custom Color": the name of a paper colour the printer's operator matches by eye.
#include "panels/custom_stock_dialogs.h"
#include "panels/custom_stock_text_setup.h"

platform::OSStatus RunModalCustomStockColorSetup(const platform::Bundle* bundle, Stock* stock, std::int16_t* result) {
  if (stock == nullptr || result == nullptr) return platform::paramErr;
  static constexpr CustomStockTextSetup kSetup{"CustomStockColorSetup", {platform::FourCharCode("KPDE"), 20150},
                                               "paper_output/paper/db_custom_color_d.htm"};
  std::string text = stock->customColor();
  const platform::OSStatus status = RunModalCustomStockTextSetup(bundle, kSetup, &text, result);
  if (*result == kStockSetupOK) stock->setCustomColor(text);
  return status;
}
