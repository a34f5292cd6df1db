#pragma once
// The font programs kept in the watermark file beside the records, so that a job's watermark
// text can be printed in its font by the print path outside the dialog. Two kinds, both data
// under a root key: the plain PostScript name holds the Type 42 program converted from the font;
// "KV-" + PostScript name + "-KV" holds a PostScript subset of the font (the key the print-settings
// ticket names as "com.korvo.print.watermark.SubsetFontName").
#include <string>
#include <string_view>

#include "platform/plist/plist_value.h"
#include "watermark/watermark_result.h"

// "KV-<postScriptName>-KV".
std::string SubsetFontKey(std::string_view postScriptName);

// Appends the program stored under fontKey to *data. kNotFound when there is none; kBadRecord when
// the key holds something else (a watermark); the file faults of loadWatermarkData.
WatermarkResult loadFontData(std::string_view fileName, std::string_view fontKey, platform::PlistData* data,
                             std::string* error = nullptr);

// Stores data under fontKey, replacing a program stored there. Only into an existing file: fonts go
// with watermarks, so with no file (kNoFile) or a damaged one (kFileUnreadable) nothing is stored.
// kNameTaken when fontKey names a watermark or the list; kNoName for an empty key.
WatermarkResult storeFontData(std::string_view fileName, std::string_view fontKey, const platform::PlistData& data,
                              std::string* error = nullptr);
