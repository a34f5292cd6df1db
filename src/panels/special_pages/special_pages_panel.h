#pragma once
// The Special Pages panel's operations beyond the dialog's seven: its ticket entries, its
// controls, its dialogs and the alerts of typed page numbers.
#include "panels/modal_dialog.h"
#include "panels/special_pages/special_pages_state.h"
#include "platform/status.h"
#include "platform/ticket/print_session.h"
#include "platform/ticket/ticket.h"

// The lists and covers from the ticket (covers by the cover rules below), the job's paper when
// the ticket holds one, n-up and booklet layout.
void ReadSpecialPagesTicket(SpecialPagesContext& context, const platform::Ticket& settings);
// The lists and covers into the ticket; the pad count goes whenever a special page exists.
void WriteSpecialPagesTicket(SpecialPagesContext& context, platform::Ticket& settings);

// The covers from the ticket: with a forced booklet size the front cover takes the job's paper
// size; with booklet layout the back cover is a copy of the front. False when the size was forced
// but the ticket holds no job paper to take it from: the front cover keeps its own.
bool ReadCoversFromTicket(const platform::Ticket& settings, SpecialPages& pages);
// With a forced booklet size a front cover without a size first takes the job's, so the ticket
// holds the size at once. False, as above, when there is no job paper.
bool PrepareCoversForTicket(const platform::Ticket& settings, SpecialPages& pages);

// One "ERROR:" line, the first time in the dialog's life, for a forced booklet size that found
// no job paper.
void TellNoJobPaperOnce(SpecialPagesContext& context);
// The job's paper size (when it has one) for the cover; false when the ticket holds no job paper.
bool TakeJobPaperSize(const platform::Ticket& settings, Cover& cover);

// Loads the interface and wires its controls: noErr; kPMInvalidPDEContext when it cannot be
// loaded (after its "!!" line).
platform::OSStatus BuildSpecialPagesControls(SpecialPagesContext& context);
// Lets the list's cells and selection no longer reach the context, which is about to go.
void FinalizeSpecialPagesControls(SpecialPagesContext& context);
// The rows again, the selection kept where its pages still are, and every button's enabling.
void ShowSpecialPages(SpecialPagesContext& context);
// The buttons of the panel; eventNotHandledErr for everything else.
platform::OSStatus SpecialPagesEventHandler(platform::ui::Event& event, SpecialPagesContext& context);

// The dialogs, each on a copy of the context's pages: on OK the pages with the covers, inserts or
// exception ranges as the dialog made them (edited: a page of the context's own lists, or null
// to add).
DialogAnswer<SpecialPages> RunModalCoversDialog(const SpecialPagesContext& context, bool editing);
DialogAnswer<SpecialPages> RunModalInsertsDialog(const SpecialPagesContext& context, const Insert* edited);
DialogAnswer<SpecialPages> RunModalExceptionsDialog(const SpecialPagesContext& context,
                                                    const ExceptionPage* edited);

// The alert for a page-range answer (special_pages_codes.h); nothing for noErr or another code.
void ShowPageRangeAlert(const platform::Bundle* bundle, platform::OSStatus code);
