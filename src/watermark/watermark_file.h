#pragma once
// The watermarks, kept in one file of the shared store (kWatermarkFileName) so that the print path
// outside the dialog finds them by name: the list of names in menu order, one record per name, and
// the font programs (watermark_fonts.h).
//
// Every operation reads the file anew, and every change is one locked read-modify-write of the
// whole file (preference_file.h), so two dialogs changing watermarks at once both have their way and
// a failure leaves the file as it was. A damaged file is kept aside (the operation then answers
// kNoFile, as there is none any more, and the next save makes a fresh file); a file that cannot be read is never
// written over. All take the name of the file in the shared store.
#include <string>
#include <string_view>
#include <vector>

#include "watermark/watermark_data.h"
#include "watermark/watermark_result.h"

// The names in menu order, in *names (cleared first). kDone when the file has a list; kNotFound
// when it has none; kBadRecord when the list is not an array of strings; kNoFile, kNoFolder or
// kFileUnreadable otherwise.
WatermarkResult loadWatermarkList(std::string_view fileName, std::vector<std::string>* names,
                                  std::string* error = nullptr);

// The names as loadWatermarkList answers them, less the first when its record does not read whole
// (as loadWatermarkData would answer it): the list the Booklet/Watermark panel offers, from one
// reading of the file.
WatermarkResult loadUsableWatermarkList(std::string_view fileName, std::vector<std::string>* names,
                                        std::string* error = nullptr);

// Stores names as the list, starting a new file when there is none (or the old one was damaged).
WatermarkResult saveWatermarkList(std::string_view fileName, const std::vector<std::string>& names,
                                  std::string* error = nullptr);

// Loads the record filed under name. *record is cleared and filled from the stored record
// (watermark_dictionary.h); a string of it too long to load keeps the content it had in *record,
// and is reported once on standard error. On any failure *record is cleared. Its page size, which
// belongs to whoever shows it, is kept. kDone, or kNotFound, kBadRecord (also reported on standard
// error, once), kNoFile, kNoFolder, kFileUnreadable.
WatermarkResult loadWatermarkData(std::string_view fileName, std::string_view name, WatermarkData* record,
                                  std::string* error = nullptr);

// Stores the record under its name (WatermarkName), replacing a record of that name; the list is
// not touched. A new file is started when there is none. Refused: a record without a name
// (kNoName), with a string over its limit (kFieldTooLong), or whose name is the list's or a font
// program's (kNameTaken).
WatermarkResult saveWatermarkData(std::string_view fileName, const WatermarkData& record, std::string* error = nullptr);

// Adds a new watermark: stores the record and appends its name to the list, in one write. Refused
// as saveWatermarkData, and with kNameTaken when a watermark of that name exists already, its
// letter case aside (the ticket names watermarks ignoring case).
WatermarkResult addWatermarkData(std::string_view fileName, const WatermarkData& record, std::string* error = nullptr);

// Files the record named oldName under the record's own name: the new record is stored before the
// old one is removed, and the name takes the old one's place in the list, all in one write, so that
// a failure leaves the old record and the list as they were. Renaming to the same name replaces the
// record, and so may a change of its letter case. kNotFound when there is no record oldName;
// kNameTaken when another watermark (case aside) or a font program has the new name; the
// refusals of saveWatermarkData.
WatermarkResult renameWatermarkData(std::string_view fileName, std::string_view oldName, const WatermarkData& record,
                                    std::string* error = nullptr);

// Removes the record filed under name and the first name in the list equal to it. Nothing is
// written when the file cannot be read (kNoFile, kFileUnreadable) or holds neither (kNotFound).
WatermarkResult removeWatermarkData(std::string_view fileName, std::string_view name, std::string* error = nullptr);
