#pragma once
// The finishing rules of the panel that need no dialog: the direct menu choices, slip sheets
// against pads, the booklet's hold on two-sided printing, and the options that the job's paper
// rules out.
#include "panels/paper_output/paper_output_state.h"

// "Printer Default" (code 0) and "None" (code 1): every position field cleared, square fold and
// trimming off.
void ChoosePrinterDefaultFinishing(FinishingState& f);
void ChooseNoFinishing(FinishingState& f);
// "SignatureBooklet": code 3, the position and fold fields cleared.
void ChooseSignatureBooklet(FinishingState& f);
// Slip sheets on or off; turning them on turns pads off.
void ToggleSlipSheets(PaperOutputContext& context);
// A fold command carrying its fold code: code 40, staples and punch to "none".
void ApplyFoldCommand(PaperOutputContext& context, std::int32_t foldCode);
// The remove-staples command: the three staple fields to "none"; a booklet code then becomes 0.
void RemoveStaples(PaperOutputContext& context);
// After the offset dialog: a booklet or advanced fold code gives way to no finishing.
void AfterOffsetDialog(FinishingState& f);
// After the advanced fold dialog: an advanced fold takes offset subsets off.
void AfterAdvancedFoldDialog(FinishingState& f);
// After the coil punch dialog's OK: code 58 for a coil side, square fold and trimming off.
void AfterCoilPunchDialog(FinishingState& f);

// Booklet on or off, as the booklet dialog sets it. Turning it on remembers the user's two-sided
// choice and forces long edge in the pop-up (short edge in the ticket) and pads off; turning it
// off gives the remembered choice back once and forgets it.
void SetBookletLayout(PaperOutputContext& context, bool on);
// Takes the booklet dialog's results back: layout, outlines, size, gutter, creep and fold.
void ApplyBookletSettings(PaperOutputContext& context, const BookletSettings& settings);

// The options the job's paper rules out, checked on every event of the panel: coil punch needs a
// plain paper of 80 to 216 gsm, square fold and trimming no transparency, label, tab or ordered
// stock (only where the printer has those finishers).
void ApplyStockDependentOptions(PaperOutputContext& context);
