#include "watermark/postscript_glyph_tables.h"

#define N ".notdef"
#define N8 N, N, N, N, N, N, N, N
#define N16 N8, N8

const std::array<const char*, 256> StandardEncodings{
    // 0 to 31
    N16, N16,
    // 32 to 127
    "space", "exclam", "quotedbl", "numbersign", "dollar", "percent", "ampersand", "quoteright",
    "parenleft", "parenright", "asterisk", "plus", "comma", "hyphen", "period", "slash",
    "zero", "one", "two", "three", "four", "five", "six", "seven",
    "eight", "nine", "colon", "semicolon", "less", "equal", "greater", "question",
    "at", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O",
    "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", "bracketleft", "backslash", "bracketright",
    "asciicircum", "underscore",
    "quoteleft", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o",
    "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z", "braceleft", "bar", "braceright",
    "asciitilde", N,
    // 128 to 160
    N16, N16, N,
    // 161 to 191
    "exclamdown", "cent", "sterling", "fraction", "yen", "florin", "section", "currency",
    "quotesingle", "quotedblleft", "guillemotleft", "guilsinglleft", "guilsinglright", "fi", "fl", N,
    "endash", "dagger", "daggerdbl", "periodcentered", N, "paragraph", "bullet", "quotesinglbase",
    "quotedblbase", "quotedblright", "guillemotright", "ellipsis", "perthousand", N, "questiondown",
    // 192 to 208
    N, "grave", "acute", "circumflex", "tilde", "macron", "breve", "dotaccent", "dieresis", N, "ring",
    "cedilla", N, "hungarumlaut", "ogonek", "caron", "emdash",
    // 209 to 224
    N16,
    // 225 to 255
    "AE", N, "ordfeminine", N, N, N, N, "Lslash", "Oslash", "OE", "ordmasculine", N, N, N, N, N,
    "ae", N, N, N, "dotlessi", N, N, "lslash", "oslash", "oe", "germandbls", N, N, N, N};
