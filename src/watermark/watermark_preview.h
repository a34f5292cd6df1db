#pragma once
// The preview of a watermark: its page drawn white with the watermark on it, as a one-page PDF
// kept in memory (what the Booklet/Watermark panel and the editor show) or as a PNG picture.
#include <functional>
#include <optional>
#include <string>

#include "platform/status.h"
#include "watermark/memory_data.h"
#include "watermark/watermark_drawing.h"

// Draws the record over the page as one layer of the given opacity.
void DrawWatermarkLayer(cairo_t* cr, double width, double height, WatermarkData* record, double alpha,
                        GlyphFiling filing = GlyphFiling::kSaveWithRecord);

// Fills the page white and draws the record on it at its opacity (density percent for a text
// watermark, whole for a picture).
void PaintWatermarkPage(cairo_t* cr, double width, double height, WatermarkData* record,
                        GlyphFiling filing = GlyphFiling::kSaveWithRecord);

// A one-page PDF of width x height points, painted by paint (in cairo's device space: y down,
// a unit a point), written into sink. noErr; paramErr for a missing sink or an empty page; ioErr
// when the PDF could not be made or the sink could not grow.
platform::OSStatus RenderPDFPage(MemoryConsumer* sink, double width, double height,
                                 const std::function<void(cairo_t*)>& paint);

// The page as a one-page PDF with a media box of width x height points, written into sink (which
// CreateMemoryConsumer has set up). Afterwards the record's glyph array is freed (the file keeps
// them). noErr; paramErr for a missing argument or an empty page; ioErr when the PDF could not be
// made or the sink could not grow.
platform::OSStatus RenderWatermarkPreview(WatermarkData* record, double width, double height, MemoryConsumer* sink);

// The page as a PNG picture of one pixel a point; none when it cannot be made. The watermark
// editor draws with kKeepInMemory, so that its preview leaves the file alone.
std::optional<std::string> RenderWatermarkPicture(WatermarkData* record, double width, double height,
                                                  GlyphFiling filing = GlyphFiling::kSaveWithRecord);
