#pragma once
// What the page format says about the sheet, for the finishings that only some papers take:
// its name and height, the square-fold and trim test, and the caution alert the dialogs show.
#include <optional>
#include <string>

#include "platform/bundle/bundle.h"
#include "platform/ticket/print_session.h"

// "com.apple.print.PaperInfo.PMPaperName" of the page format's paper ticket; empty when absent.
std::string PaperName(const platform::PrintSession* session);
// The height of "com.apple.print.PaperInfo.PMUnadjustedPaperRect" (top, left, bottom, right) in
// points; none when the rectangle is absent or not four numbers.
std::optional<double> PaperHeightPoints(const platform::PrintSession* session);

// True when square fold and trimming take the job's paper.
bool checkForSupportedPaperSize(const platform::PrintSession* session);
// True for A4 or Letter, the papers the coil punch takes.
bool PaperTakesCoilPunch(const platform::PrintSession* session);

// A caution alert with one OK button: the localised title and the text as given (already
// localised and assembled by the caller).
void DisplayInvalidInputAlert(const platform::Bundle* bundle, const char* titleKey, const std::string& text);
