#pragma once
// The stock menu button that sits beside every stock summary (the job's paper, covers, inserts,
// exceptions, pads): its menu of size, colour, type and weight, what a choice does to the stock,
// and the summary view it refreshes.
#include "panels/stock_menu/stock_menu_choice.h"
#include "platform/bundle/bundle.h"
#include "platform/ui/control.h"
#include "vocabulary/job_context.h"

// Fills the button's menu for a stock of that context: the stock library, the size, colour, type
// and weight submenus ("Custom..." items open their dialogs) and the advanced paper selection.
void BuildStockMenu(const platform::Bundle* bundle, platform::ui::Menu& menu, JobContext context);

// True for the commands of the stock menu's items.
bool IsStockMenuCommand(platform::OSType command);

// What a command event from the stock menu does to the stock: true when the stock changed, false
// for any other event or an item that changes nothing. The dialog's state (null without a shell)
// gives the printer's library and the custom size's units.
bool ApplyStockMenuChoice(const platform::ui::Event& event, Stock& stock, DialogState* dialog);

// The stock's summary lines in the view: paramErr without bundle or view; an empty text without a
// stock; "PrinterDefault" (job) or "UseJobSetting" when the stock has nothing to say.
platform::OSStatus ShowStockSummary(const platform::Bundle* bundle, platform::ui::Control* view, const Stock* stock,
                                    JobContext context);
