#pragma once
// The small dialogs that ask for a custom paper: its size (from a paper menu's "Custom..."
// or the Advanced panel's forced size), its weight, and the names of a custom colour and type.
// Each edits copies of the values and gives them back only on OK; Cancel changes nothing.
#include <cstdint>

#include "model/stock.h"
#include "platform/bundle/bundle.h"
#include "platform/status.h"

// Width and length in hundredths of a millimetre, kPrinterDefault when not set; on OK both are
// replaced and *confirmed is true. paramErr without width, length or confirmed;
// kDialogNotLoadedErr when the interface description cannot be loaded.
platform::OSStatus RunModalCustomStockSizeDialog(const platform::Bundle* bundle, std::int32_t* width,
                                                 std::int32_t* length, bool* confirmed);

// A weight in grams per square metre from 60 to 300 (kPrinterDefault when not set, shown as 90);
// on OK replaced and *confirmed is true. An OK while the field holds no weight in range is
// refused: a beep, the field shows the nearest weight, the dialog stays open.
platform::OSStatus RunModalCustomStockWeightDialog(const platform::Bundle* bundle, std::int32_t* weight,
                                                   bool* confirmed);

// The custom colour, custom type and description set-ups answer what ended them.
inline constexpr std::int16_t kStockSetupOK = 1;
inline constexpr std::int16_t kStockSetupCancel = 2;

// The name of a custom colour (at most 30 characters; OK only while the field is not empty): on
// OK the stock's custom colour becomes the text and *result is kStockSetupOK; otherwise the stock
// is unchanged and *result is kStockSetupCancel, also when the interface description cannot be
// loaded (kDialogNotLoadedErr). paramErr without stock or result.
platform::OSStatus RunModalCustomStockColorSetup(const platform::Bundle* bundle, Stock* stock, std::int16_t* result);
// The same for the name of a custom paper type (the stock's custom type).
platform::OSStatus RunModalCustomStockTypeSetup(const platform::Bundle* bundle, Stock* stock, std::int16_t* result);
// The paper's description (at most 255 characters, may be emptied): the same on the description.
platform::OSStatus RunModalStockDescriptionSetup(const platform::Bundle* bundle, Stock* stock, std::int16_t* result);
