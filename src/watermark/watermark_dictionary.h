#pragma once
// The watermark file's form of a record: a dictionary under the record's name in the file's root,
// beside the list of names ("WatermarkListEntries") and the font programs (watermark_fonts.h).
#include <string>

#include "platform/plist/plist_value.h"
#include "platform/result.h"
#include "watermark/watermark_data.h"

// The root key of the watermark names, in menu order.
inline constexpr const char* kWatermarkListKey = "WatermarkListEntries";

// Every stored field: the strings, the offsets and colours as reals (32-bit floats), xPos and yPos
// as reals, the whole numbers as integers, and, only when there are glyphs, "glyphs" (their 16-bit
// identifiers in this machine's byte order) with "glyphCount". isText and the page size are not
// stored.
platform::PlistDict WatermarkDataToDictionary(const WatermarkData& record);

// The record the dictionary holds: absent keys leave their fields zero or empty, and a value of the
// wrong kind, a number the field cannot hold (a fraction for an integer, an infinity, beyond a
// float's range), or glyph data of odd length make the record unreadable, with a message naming
// the key. A string over its limit keeps the field's content in previous and the rest is loaded;
// note (when given) then says which, and is empty otherwise. The glyph count is the data's length;
// "glyphCount" is only checked to be an integer. isText is set when textString is not empty.
platform::Result<WatermarkData> WatermarkDataFromDictionary(const platform::PlistDict& dictionary,
                                                            const WatermarkData& previous = {},
                                                            std::string* note = nullptr);
