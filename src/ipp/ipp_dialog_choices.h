#pragma once
// The print dialog's own choices (copies, collation, pages, order) as job attributes, beside the
// ticket's: where the ticket sets the same thing -- the Advanced panel's page range and output
// order, the pads' uncollated copies -- the ticket's is sent.
#include "model/print_dialog_choices.h"
#include "platform/cups_library.h"
#include "platform/plist/plist_value.h"

// Adds to job (which holds the ticket's Job Template already) copies, multiple-document-handling,
// page-ranges, page-delivery and page-set from choices, each unless job holds it already (null
// choices add nothing).
void AddIppDialogChoices(ipp_t* job, const PrintDialogChoices* choices, const platform::PlistDict* ticket);
