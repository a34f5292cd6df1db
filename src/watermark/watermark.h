#pragma once
// Watermarks, as other subsystems call it: the watermark file and its default records, the
// record data, the preview and the drawing on a session's pages, and the font preparation the
// drawing needs.
#include "watermark/default_watermarks.h"
#include "watermark/font_preparation.h"
#include "watermark/watermark_data.h"
#include "watermark/watermark_file.h"
#include "watermark/watermark_preview.h"
#include "watermark/watermark_session_drawing.h"
