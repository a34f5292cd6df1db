#pragma once
// The fax cover page: who sends, to whom, and notes, with the watermark over the page.
#include <string_view>

#include "platform/status.h"
#include "watermark/memory_data.h"
#include "watermark/watermark_drawing.h"

// The text of one cover section: its bold label and its text (a section with empty text is left
// out). Both are drawn as they are, never read as a format.
struct FaxCoverSection {
  std::string_view label;
  std::string_view text;
};

// Draws text in the context's current font and source, broken into lines no wider than
// lineWidth (at spaces, line ends, or inside a word too long for a line), one below the other
// from (*x, *y) (page coordinates, y up, *y the top of the first line), each moved down by the
// font's line height. Stops before a line that would reach below the rectangle's bottom, or when
// the text is used up; *x and *y are then the start of the line after the last one drawn.
void RenderWrappingText(const WatermarkCanvas& context, std::string_view text, const PageRect& rect, double* x,
                        double* y, double lineWidth);

// Renders a one-page PDF cover of the page's size into sink: white, the sections of sender,
// recipients and notes in that order in 12-point black text inside a 31-point margin, starting
// 72 points below its top, then the watermark over the whole page at density percent. noErr;
// paramErr for a missing argument or an empty page; ioErr when the PDF could not be made.
platform::OSStatus DrawFaxCover(MemoryConsumer* sink, const PageRect& page, const FaxCoverSection& sender,
                                const FaxCoverSection& recipients, const FaxCoverSection& notes,
                                WatermarkData* record);
