// "Description": the paper's description as the printer's operator reads it, up to 255 characters.
#include "panels/custom_stock_dialogs.h"
#include "panels/custom_stock_text_setup.h"

platform::OSStatus RunModalStockDescriptionSetup(const platform::Bundle* bundle, Stock* stock, std::int16_t* result) {
  if (stock == nullptr || result == nullptr) return platform::paramErr;
  static constexpr CustomStockTextSetup kSetup{"StockDescriptionSetup", {platform::FourCharCode("KPDE"), 20200},
                                               "paper_output/paper/db_new_edit_named_paper_d.htm", 255, false};
  std::string text = stock->description();
  const platform::OSStatus status = RunModalCustomStockTextSetup(bundle, kSetup, &text, result);
  if (*result == kStockSetupOK) stock->setDescription(text);
  return status;
}
