#pragma once
// The window that shows the summary of a set of job-ticket settings before they are imported or
// exported, and lets the user go on or cancel. The import and export flows do not open it
// themselves; the dialog around them does.
#include "jobticket/reader/jtkt_reader.h"
#include "jobticket/writer/jtkt_writer.h"
#include "platform/plist/plist_value.h"
#include "platform/status.h"

// Shows the summary of settings (print-settings keys) in the window "Summary" of "JTKTSummary",
// titled for the mode (the import's title names name), and waits for the user: 0 when the user
// confirms, -1 when the user cancels, or the status of a window that cannot be loaded (nothing
// is shown then). paramErr without settings.
extern "C" KORVO_EXPORT platform::OSStatus DisplayJTKTImportExportSummary(const platform::PlistDict* settings,
                                                                         JTKTImportExportMode mode, const char* name);
