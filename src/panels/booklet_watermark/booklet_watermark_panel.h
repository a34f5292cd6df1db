#pragma once
// The Booklet/Watermark panel's operations beyond the dialog's seven: the saved watermarks'
// names, opening its controls, bringing them in line with the context, and their events.
#include <string>
#include <vector>

#include "panels/booklet_watermark/booklet_watermark_state.h"
#include "platform/status.h"
#include "platform/ui/event.h"

// The names of the saved watermarks, in menu order. With makeDefaults, a user without a watermark
// file is given the default watermarks first (a damaged file has been kept aside by the store, so
// it counts as none the next time). A list whose first watermark cannot be loaded loses that name.
// Empty when there is no list or the store cannot be reached.
std::vector<std::string> LoadSavedWatermarkNames(const platform::Bundle* bundle, bool makeDefaults);

// New... and Edit... of the watermark pop-up: the watermark editor on a new record or the chosen
// one; its OK files the record (a taken name or a failed write is refused with an alert, nothing
// changed) and chooses it, Cancel changes nothing.
void NewWatermark(BookletWatermarkContext& context);
void EditChosenWatermark(BookletWatermarkContext& context);

// Loads the interface description and wires its controls: kPMInvalidPDEContext when it cannot
// be loaded or lacks a control.
platform::OSStatus BuildBookletWatermarkControls(BookletWatermarkContext& context);
// Draws the chosen watermark on the session's page into the preview, fitted and centred, when it
// is not the one shown already; no watermark leaves the preview empty. Drawing a text watermark
// keeps its glyphs with the saved record, so that its font can travel as a subset.
void ShowWatermarkPreview(BookletWatermarkContext& context);
// Pop-ups, check marks and enabled states as the context says.
void BookletWatermarkSyncToUI(BookletWatermarkContext& context);
// What the panel's controls do; eventNotHandledErr for the rest.
platform::OSStatus BookletWatermarkEventHandler(platform::ui::Event& event, BookletWatermarkContext& context);
