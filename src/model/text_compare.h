#pragma once
// Comparing the texts of model records (stock names, descriptions, custom colours) the way a
// user reads them: "Blue Card" and "blue card" are the same stock.
//
// The comparison decodes UTF-8 and folds each code point with a simple one-to-one lowercase
// mapping covering ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic: the scripts of the
// languages the product is localised for. It needs no locale, so the answer never depends on
// the user's settings. Multi-character foldings (German sharp s against "SS") are not made, and
// bytes that are not well-formed UTF-8 are compared as they are.
#include <string_view>

bool EqualIgnoringCase(std::string_view a, std::string_view b);

// The simple lowercase form of one code point; code points outside the covered scripts, and
// those without a lowercase form, come back unchanged.
char32_t FoldCodePoint(char32_t c);
