#pragma once
// The watermark editor's controls and the record they show: what each field holds, in which unit,
// within which limits. Private to the editor.
#include <cstdint>

#include "platform/bundle/bundle.h"
#include "platform/ui/window.h"
#include "watermark/watermark.h"

// The offsets' units, as the record keeps them.
inline constexpr std::int32_t kWatermarkUnitsInches = 0;
inline constexpr std::int32_t kWatermarkUnitsMillimetres = 1;

struct WatermarkEditorControls {
  platform::ui::Control* kind = nullptr;  // radio group: text, picture
  platform::ui::Control* text = nullptr;
  platform::ui::Control* font = nullptr;
  platform::ui::Control* sizeArrows = nullptr;
  platform::ui::Control* color = nullptr;
  platform::ui::Control* angleArrows = nullptr;
  platform::ui::Control* densityArrows = nullptr;
  platform::ui::Control* xArrows = nullptr;
  platform::ui::Control* yArrows = nullptr;
  platform::ui::Control* units = nullptr;  // radio group: inches, millimetres
  platform::ui::Control* pictureFile = nullptr;
  platform::ui::Control* choosePicture = nullptr;
  platform::ui::Control* scaleArrows = nullptr;
  platform::ui::Control* preview = nullptr;
};

// Finds the controls and ties each field to its arrows; false when one is missing.
bool FindWatermarkEditorControls(platform::ui::Window& window, WatermarkEditorControls* controls);

// Fills the font and colour pop-ups (the record's own font and colour kept as an item when the
// lists lack them) and shows every field of the record.
void ShowWatermarkRecord(const platform::Bundle* bundle, const WatermarkEditorControls& c, const WatermarkData& record);

// The record as the controls say, starting from original (whose page and position stay; its
// glyphs stay while text and font do), the offsets read in shownUnits, the units the fields show.
// A text watermark leaves the picture fields empty, and a picture the text.
WatermarkData ReadWatermarkRecord(const WatermarkEditorControls& c, const WatermarkData& original,
                                  std::int32_t shownUnits);

// Switches the offsets to units, their values converted and their limits (half the page) with them.
void ShowWatermarkOffsetUnits(const WatermarkEditorControls& c, const WatermarkData& record, std::int32_t units);

// Enables the text's controls or the picture's, as the kind chosen says.
void EnableWatermarkKind(const WatermarkEditorControls& c);

// True when every field holds what was typed.
bool WatermarkFieldsValid(const WatermarkEditorControls& c);
