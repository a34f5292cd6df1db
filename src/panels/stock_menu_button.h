#pragma once
// The stock menu button that sits beside every stock summary (the job's paper, covers, inserts,
// exceptions, pads): its menu of size, colour, type and weight, what a choice does to the stock,
// and the summary view it refreshes.
#include <cstdint>

#include "model/stock.h"
#include "platform/bundle/bundle.h"
#include "platform/four_char_code.h"
#include "platform/ui/control.h"
#include "platform/ui/event.h"
#include "vocabulary/job_context.h"

inline constexpr platform::OSType kStockLibraryCommand = platform::FourCharCode("SLib");
inline constexpr platform::OSType kStockSizeCommand = platform::FourCharCode("SSiz");
inline constexpr platform::OSType kStockColorCommand = platform::FourCharCode("SCol");
inline constexpr platform::OSType kStockTypeCommand = platform::FourCharCode("STyp");
inline constexpr platform::OSType kStockWeightCommand = platform::FourCharCode("SWgt");
inline constexpr platform::OSType kStockAdvancedCommand = platform::FourCharCode("SAdv");

// Fills the button's menu for a stock of that context. The items whose dialogs are not part of
// the plug-in yet (the stock library, the advanced selection, the custom colour and type set-ups,
// the tab and ordered stock set-ups) are there but disabled; "Custom..." sizes and weights open
// the custom size and weight dialogs.
void BuildStockMenu(const platform::Bundle* bundle, platform::ui::Menu& menu, JobContext context);

// What a command event from the stock menu does to the stock: true when the stock changed, false
// for any other event or an item that changes nothing.
bool ApplyStockMenuChoice(const platform::ui::Event& event, Stock& stock);

// The stock's summary lines in the view: paramErr without bundle or view; an empty text without a
// stock; "PrinterDefault" (job) or "UseJobSetting" when the stock has nothing to say.
platform::OSStatus ShowStockSummary(const platform::Bundle* bundle, platform::ui::Control* view, const Stock* stock,
                                    JobContext context);
