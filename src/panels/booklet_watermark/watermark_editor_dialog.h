#pragma once
// The watermark editor: a line of text (font, size, colour, angle, density, offsets from the page
// centre) or a picture (its file and scale), shown on the page as it will print. It edits a copy
// of the record; only a confirmed OK files it, through the store the caller gives.
#include <functional>

#include "platform/bundle/bundle.h"
#include "panels/modal_dialog.h"
#include "watermark/watermark.h"

// Files the record the user confirmed, in one write. False after an alert saying why: the editor
// then stays open and nothing has changed.
using WatermarkStore = std::function<bool(const WatermarkData&)>;

// Runs window "Editor" of "WatermarkEditor" titled by titleKey on the record, whose page size
// limits the offsets to half the page either way. After OK (store agreed) the record as filed.
// The preview draws the record being edited without filing it.
DialogAnswer<WatermarkData> RunModalWatermarkEditorDialog(const platform::Bundle* bundle, const WatermarkData& record,
                                                          const char* titleKey, const WatermarkStore& store);
