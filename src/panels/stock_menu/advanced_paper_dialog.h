#pragma once
// One dialog that edits every attribute of a paper at once, in two forms: the advanced paper
// selection of a stock menu, and the named paper form with which the stock library adds and
// edits its papers (a name, a name-only flag and a comment, and no name taken twice unasked).
#include "model/stock.h"
#include "panels/dialog_state.h"
#include "panels/modal_dialog.h"
#include "platform/bundle/bundle.h"
#include "stocklibrary/stock_library.h"
#include "vocabulary/job_context.h"

// The advanced paper selection on the stock: on OK the stock as edited. The dialog's state (null
// without a shell) is what the form's own stock menus work with.
DialogAnswer<Stock> RunModalAdvancedStockSelection(const platform::Bundle* bundle, JobContext context, Stock stock,
                                                   DialogState* dialog = nullptr);

struct NamedPaperRequest {
  bool editing = false;             // the stock is a named paper of the library, under its name
  bool skipDuplicateCheck = false;  // the caller will not store the paper by its name
  const StockLibraryList* library = nullptr;  // whose names count as taken
  DialogState* dialog = nullptr;              // the shell's, for the form's stock menus
};

// The named paper form's answer: the paper, and whether it replaces the library's paper of its
// name (the user agreed, or kept the edited paper's own name).
struct NamedPaper {
  Stock stock;
  bool replace = false;
};

// The named paper form: as above, and the stock's custom name, name-only flag and comment. A
// name the library holds in any letter case asks whether to replace that paper.
DialogAnswer<NamedPaper> RunModalNamedPaperStockSelection(const platform::Bundle* bundle, JobContext context,
                                                          const NamedPaperRequest& request, Stock stock);
