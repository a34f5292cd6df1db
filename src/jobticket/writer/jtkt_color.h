#pragma once
// Colour and image quality: the full-colour adjustments and colour management (lightness to
// rendering intents) of the job or of an exception range, the halftone screen, and highlight-
// colour printing. FillFullColorOptions reads a full-colour dictionary through FullColorOptions
// into the colour fields of a page record; WriteJTktFullColor writes them.
#include <cstdint>

#include "jobticket/writer/jtkt_context.h"
#include "jobticket/writer/jtkt_page_data.h"
#include "model/full_color_options.h"
#include "model/image_options_keys.h"
#include "platform/plist/plist_value.h"

// "Not set" in the highlight-colour record.
inline constexpr std::int32_t kJTktHighlightUnset = -1;

// Highlight-colour codes: 0 red ... 11 brown, 8 black (mapping colour only), 12 a custom colour
// given by its components, 13 the loaded colour, 14 the printer's own custom colour by number.
inline constexpr std::int32_t kJTktHighlightCustom = 12;
inline constexpr std::int32_t kJTktHighlightPrinterCustom = 14;

// The highlight-colour record; every integer kJTktHighlightUnset while not set.
struct JTktHighlightColor {
  std::int32_t colorant = kJTktHighlightUnset;
  std::int32_t mapColor = kJTktHighlightUnset;
  std::int32_t mismatch = kJTktHighlightUnset;   // 0 use the loaded colour, 1 cancel, 2 hold
  std::int32_t algorithm = kJTktHighlightUnset;  // 0 to 4
  bool colorantIsRGB = false;
  std::int32_t colorantRed = 0, colorantGreen = 0, colorantBlue = 0;
  std::int32_t colorantHue = 0, colorantSaturation = 0, colorantValue = 0;
  std::int32_t colorantCustomNumber = 0;
  bool mapIsRGB = false;
  std::int32_t mapRed = 0, mapGreen = 0, mapBlue = 0;
  std::int32_t mapHue = 0, mapSaturation = 0, mapValue = 0;
  std::int32_t mapCustomNumber = 0;
};

extern "C" {
// The set colour fields of the record, in document order. 0, or paramErr without context or record.
KORVO_EXPORT int WriteJTktFullColor(const JTktWriteContext* ctx, const _PAGEDATA* pageRecord);
// The tone-curve collection holding name (UTF-8, escaped here); nothing for a null name.
KORVO_EXPORT int WriteJTktTRC(const JTktWriteContext* ctx, const char* name);
// A source profile: code 0 writes profileName as a name element; other codes a keyword or a fixed
// profile name of their table; a code outside it, or code 0 without a name, writes nothing.
KORVO_EXPORT int WriteJTktRGBSource(const JTktWriteContext* ctx, std::int32_t code, const char* elementName,
                                   const char* profileName);
KORVO_EXPORT int WriteJTktCMYKSource(const JTktWriteContext* ctx, std::int32_t code, const char* elementName,
                                    const char* profileName);
KORVO_EXPORT int WriteJTktGraySource(const JTktWriteContext* ctx, const char* elementName, const char* profileName);
// systemSpecified non-zero: the "system-specified" keyword; zero: profileName as a name element.
KORVO_EXPORT int WriteJTktColorDestination(const JTktWriteContext* ctx, int systemSpecified, const char* elementName,
                                          const char* profileName);
// The three halftone lines of a stored halftone value, in one fragment (empty for a value the
// table does not list, the printer default included).
KORVO_EXPORT int WriteJTktHalfTone(const JTktWriteContext* ctx, std::int32_t value);
// The highlight-colour elements of the record.
KORVO_EXPORT int WriteJTktHLC(const JTktWriteContext* ctx, const JTktHighlightColor* record);
}

// Sets every colour field of the record to not set, then fills them from a full-colour
// dictionary read through FullColorOptions (null: nothing more).
void FillFullColorOptions(_PAGEDATA* pageRecord, const platform::PlistDict* dictionary);
// The same from the options an exception range holds.
void FillFullColorOptions(_PAGEDATA* pageRecord, const FullColorOptions& options);

// Ticket writers, through the writer they are given.
void WriteJTKTFullColor(const JTktWriter& writer, const platform::PlistDict* fullColorDictionary);
void WriteJTKTHalftone(const JTktWriter& writer, const platform::PlistDict* ticket);
// The highlight-colour record of a dictionary (the ticket itself, or its job highlight options).
JTktHighlightColor FillHighlightColor(const platform::PlistDict* dictionary);
void WriteJTKTHighlightColor(const JTktWriter& writer, const platform::PlistDict* dictionary);
