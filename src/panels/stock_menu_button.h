#pragma once
// The stock menu button that sits beside every stock summary (the job's paper, covers, inserts,
// exceptions, pads): its menu of size, colour, type and weight, what a choice does to the stock,
// and the summary view it refreshes.
#include <cstdint>

#include "model/stock.h"
#include "panels/dialog_state.h"
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
// The pop-ups of the advanced paper selection send these; each item carries its value.
inline constexpr platform::OSType kStockPunchedCommand = platform::FourCharCode("Spun");
inline constexpr platform::OSType kStockDescriptionCommand = platform::FourCharCode("Sdsc");
inline constexpr platform::OSType kStockSidesCoatedCommand = platform::FourCharCode("Scoa");
inline constexpr platform::OSType kStockCoatingTypeCommand = platform::FourCharCode("Scty");
inline constexpr platform::OSType kStockGrainCommand = platform::FourCharCode("Sgrn");
inline constexpr platform::OSType kStockFinishCommand = platform::FourCharCode("Sfin");

// Fills the button's menu for a stock of that context: the stock library, the size, colour, type
// and weight submenus ("Custom..." items open their dialogs) and the advanced paper selection.
void BuildStockMenu(const platform::Bundle* bundle, platform::ui::Menu& menu, JobContext context);

// What a command event from the stock menu does to the stock: true when the stock changed, false
// for any other event or an item that changes nothing. The dialog's state (null without a shell)
// gives the printer's library and the custom size's units.
bool ApplyStockMenuChoice(const platform::ui::Event& event, Stock& stock, DialogState* dialog);

// The stock's summary lines in the view: paramErr without bundle or view; an empty text without a
// stock; "PrinterDefault" (job) or "UseJobSetting" when the stock has nothing to say.
platform::OSStatus ShowStockSummary(const platform::Bundle* bundle, platform::ui::Control* view, const Stock* stock,
                                    JobContext context);
