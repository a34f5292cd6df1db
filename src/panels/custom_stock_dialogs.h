#pragma once
// The two small dialogs that ask for a custom paper: its size (from a paper menu's "Custom..."
// or the Advanced panel's forced size) and its weight. Each edits copies of the numbers and gives
// them back only on OK; Cancel changes nothing.
#include <cstdint>

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
