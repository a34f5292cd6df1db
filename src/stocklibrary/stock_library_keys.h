#pragma once
// The keys of the stock library: the library file's keys and the keys of one entry dictionary.
// The library file also holds the library dialog's own keys, which this code never touches.

// The user's preference file that holds the library and the recently chosen stocks is named
// where every preference file is (kStockLibraryPreferencesFileName, preference_locations.h).
#include "kit/preference_locations.h"

// The file's keys owned here: UUID -> entry dictionary, and the recent choices (UUID strings).
inline constexpr const char* kStockListKey = "com.korvo.print.StockLibrary.StockList";
inline constexpr const char* kStockMenuListKey = "com.korvo.print.StockLibrary.StockMenuList";

// One entry's dictionary.
inline constexpr const char* kEntryStatusKey = "EntryStatus";
inline constexpr const char* kEntryStockKey = "Stock";
inline constexpr const char* kEntryUUIDKey = "com.korvo.print.StockLibrary.UUID";
inline constexpr const char* kEntryNameKey = "com.korvo.print.StockLibrary.NameKey";
