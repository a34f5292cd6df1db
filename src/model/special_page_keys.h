#pragma once
// The members of a special page's dictionary (covers, inserts, exception ranges).
#include <cstdint>

namespace special_page_keys {

inline constexpr const char* kStartPageKey = "StartPage";
inline constexpr const char* kStockKey = "Stock";
inline constexpr const char* kSidesImagedKey = "SidesImaged";  // a cover's sides; an exception range's plex
inline constexpr const char* kQuantityKey = "Quantity";
inline constexpr const char* kEndPageKey = "EndPage";
inline constexpr const char* kFullColorOptionsPageKey = "FullColorOptionsPage";
inline constexpr const char* kAntialiasingKey = "Antialiasing";
inline constexpr const char* kOutputColorKey = "OutputColor";
inline constexpr const char* kHalftoneScreenKey = "HalftoneScreen";
inline constexpr const char* kLightenDarkenKey = "LightenDarken";

// The highlight-colour dictionary of an exception page.
inline constexpr const char* kHighlightColorOptionsPageKey = "HighlightColorOptionsPage";

}  // namespace special_page_keys
