#pragma once
// The small dialogs that ask for a custom paper: its size (from a paper menu's "Custom..."
// or the Advanced panel's forced size), its weight, and the names of a custom colour and type.
// Each answers the values as edited on OK and none on Cancel.
#include <cstdint>

#include "model/stock.h"
#include "panels/stock_menu/custom_size_units.h"
#include "panels/modal_dialog.h"
#include "platform/bundle/bundle.h"

// A custom paper's width and length in hundredths of a millimetre, kPrinterDefault when not set.
struct CustomSize {
  std::int32_t width = 0;
  std::int32_t length = 0;
};

// The size as the user set it. The print dialog's units of its last custom size are shown first
// (the locale's when not chosen yet, or without a dialog) and kept as the user last chose them.
DialogAnswer<CustomSize> RunModalCustomStockSizeDialog(const platform::Bundle* bundle, CustomSize size,
                                                       DialogState* dialog);

// A weight in grams per square metre from 60 to 300 (kPrinterDefault when not set, shown as 90).
// An OK while the field holds no weight in range is refused: a beep, the field shows the nearest
// weight, the dialog stays open.
DialogAnswer<std::int32_t> RunModalCustomStockWeightDialog(const platform::Bundle* bundle, std::int32_t weight);

// The name of a custom colour (at most 30 characters; OK only while the field is not empty): on
// OK the stock with the text as its custom colour.
DialogAnswer<Stock> RunModalCustomStockColorSetup(const platform::Bundle* bundle, Stock stock);
// The same for the name of a custom paper type (the stock's custom type).
DialogAnswer<Stock> RunModalCustomStockTypeSetup(const platform::Bundle* bundle, Stock stock);
// The paper's description (at most 255 characters, may be emptied): the same on the description.
DialogAnswer<Stock> RunModalStockDescriptionSetup(const platform::Bundle* bundle, Stock stock);
