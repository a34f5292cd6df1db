#pragma once
// The booklet dialog: how a job is finished (fold, fold and staple) and laid out as a booklet,
// with its outlines, a forced paper size, gutter and creep. Paper/Output opens its creation form
// from "Booklet Creation..."; it answers the parameters as edited on OK and none on Cancel.
#include <cstdint>
#include <string>

#include "platform/bundle/bundle.h"
#include "panels/dialog_state.h"
#include "panels/modal_dialog.h"
#include "platform/ticket/print_session.h"
#include "vocabulary/printer_default.h"

struct BookletParameters {
  std::int32_t fold = 1;        // 1 none, 43 booklet fold, 53 booklet fold and staple
  bool layoutOn = false;
  std::int32_t outlines = 1;    // 2 draws page outlines
  std::int32_t newSize = kPrinterDefault;  // a stock size, or the printer default for none
  // The custom new size's width and length (hundredths of a millimetre; kPrinterDefault unset),
  // asked for by the custom size dialog when "Custom..." is chosen.
  std::int32_t width = kPrinterDefault;
  std::int32_t length = kPrinterDefault;
  std::int32_t gutter = 24;     // points, 0 to 216
  std::int32_t creep = 0;       // tenths of a millimetre, 0 to 10
  friend bool operator==(const BookletParameters&, const BookletParameters&) = default;
};

// The picture of a booklet choice: the fold (43, 53 or none), whether layout is on, and with it
// whether outlines (2) are drawn.
std::string BookletPicture(std::int32_t fold, bool layoutOn, std::int32_t outlines);

// The creation form. While staplesChosen (the job has staples of its own) the booklet choices
// are disabled, as they are while the session's ticket holds inserts or exceptions. On OK the
// parameters as edited. The dialog's state (null without a shell) keeps the custom size's units.
DialogAnswer<BookletParameters> RunModalBookletCreationDialog(const platform::Bundle* bundle,
                                                             const platform::PrintSession* session, bool staplesChosen,
                                                             const BookletParameters& parameters,
                                                             DialogState* dialog);

// The options form, as the Booklet/Watermark panel opens it, under the title "Booklet Options
// Title" and without the staple rule: the same choices where the printer folds booklets, else
// the layout's alone (the fold stays as given).
DialogAnswer<BookletParameters> RunModalBookletOptionsDialog(const platform::Bundle* bundle,
                                                            const platform::PrintSession* session,
                                                            const BookletParameters& parameters, DialogState* dialog);
