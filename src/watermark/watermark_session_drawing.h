#pragma once
// The drawing of the current session's watermark into a file: what korvo-pde's watermark command
// asks of the plug-in.
#include "platform/module_export.h"
#include "platform/status.h"
#include "platform/ticket/print_session.h"


struct PageSize {
  double width = 0, height = 0;
};

// The session's page in points: the page format's unadjusted paper rectangle (top, left, bottom,
// right), width and height swapped for the landscape orientations; US Letter when the ticket
// gives no usable rectangle.
PageSize SessionPageSize(const platform::PrintSession& session);

// Draws the watermark the current session's print settings name on the session's page into path:
// a PNG picture when path ends in ".png", else a one-page PDF, written whole or not at all. A
// session that names no watermark gives a blank page. noErr; paramErr without a path or session;
// fnfErr when the named watermark cannot be loaded; ioErr when the drawing cannot be made or
// written; each failure after one "ERROR:" line on standard error.
extern "C" KORVO_EXPORT platform::OSStatus KorvoWatermarkToFileAtPath(const char* path);
