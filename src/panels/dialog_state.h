#pragma once
// What one print dialog's shell shares with every panel of it and the dialogs they open: the
// shell's context owns it from Prologue to Terminate and hands it to each panel's Initialize as
// the extension's reference, and the panel keeps it in its context. Nothing of it outlives the
// dialog, so nothing of one dialog reaches the next.
#include "kit/job_ticket_service.h"
#include <cstdint>

#include "stocklibrary/stock_library.h"

// The units a custom size dialog shows its fields in.
enum CustomSizeUnits : std::int32_t { kUnitsNotChosen = 0, kUnitsInches = 1, kUnitsMillimetres = 2 };

struct DialogState {
  // The printer's stock library, retrieved by a worker from the first Open.
  PrinterStockLibrary printerStock;
  // The dialog's job-ticket export and import (the shell's, with its Sync around the file work).
  JobTicketService jobTickets;
  // The units of the last custom size dialog, for the next; kUnitsNotChosen until one has run.
  CustomSizeUnits customSizeUnits = kUnitsNotChosen;
};
