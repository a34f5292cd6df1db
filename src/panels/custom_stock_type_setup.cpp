// "Custom Type": the name of a paper type the printer's operator loads by hand.
#include "panels/custom_stock_dialogs.h"
#include "panels/custom_stock_text_setup.h"

platform::OSStatus RunModalCustomStockTypeSetup(const platform::Bundle* bundle, Stock* stock, std::int16_t* result) {
  if (stock == nullptr || result == nullptr) return platform::paramErr;
  static constexpr CustomStockTextSetup kSetup{"CustomStockTypeSetup", {platform::FourCharCode("KPDE"), 20000},
                                               "paper_output/paper/db_custom_type_d.htm"};
  std::string text = stock->customType();
  const platform::OSStatus status = RunModalCustomStockTextSetup(bundle, kSetup, &text, result);
  if (*result == kStockSetupOK) stock->setCustomType(text);
  return status;
}
