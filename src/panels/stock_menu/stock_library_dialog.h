#pragma once
// The stock library dialog of the stock menus: the user's named papers, which the user adds,
// edits, deletes and chooses from, with the printer's own papers beside them to look at.
#include <vector>

#include "model/stock.h"
#include "panels/dialog_state.h"
#include "panels/modal_dialog.h"
#include "platform/bundle/bundle.h"
#include "platform/ticket/print_session.h"
#include "vocabulary/job_context.h"

// The papers the job uses as the session's print settings hold them: the job's paper, then each
// insert's, each exception range's, the front cover's and the back cover's. None without a session.
std::vector<Stock> StocksTheSessionUses(const platform::PrintSession* session);

// Marks the library's papers equal to stocksInUse (in that order) as in use, and shows the
// library. Changes to the library are kept at once. On Choose the chosen named paper, made to fit
// the stock editors. The printer's papers are the dialog's (none without one).
DialogAnswer<Stock> RunModalStockLibraryDialog(const platform::Bundle* bundle, JobContext context,
                                               const std::vector<const Stock*>& stocksInUse, DialogState* dialog);
