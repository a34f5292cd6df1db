#pragma once
// The PostScript text of a Type 42 program around its sfnts array.
#include <array>
#include <string>
#include <vector>

#include "watermark/truetype_font.h"

using Type42EncodingVector = std::array<std::string, 256>;

// StandardEncoding matched to the glyphs: a code whose name no glyph has gets the name of the
// glyph the font's character map gives for the code's character (a font that calls its space
// "uni00A0" still draws a space), else glyph 0's name (".notdef"); then each glyph whose name no code has yet takes, in glyph order, the first code
// from 32 to 255 still named ".notdef" (none left: the glyph stays unencoded).
Type42EncodingVector Type42Encoding(const TrueTypeFont& font, const std::vector<std::string>& glyphNames);

// Everything before the sfnts array: the version comment, the VMUsage comment (when the font
// gives a maximum), the dictionary, FontName, Encoding, PaintType, FontMatrix, FontBBox,
// FontType and an empty FontInfo. Numbers are written the same in every locale.
void WriteType42Header(const TrueTypeFont& font, const std::string& postScriptName,
                       const Type42EncodingVector& encoding, std::string* out);

// The CharStrings dictionary ("/.notdef 0" first and once; a name met again is skipped) and the
// closing definefont.
void WriteType42CharStrings(const std::vector<std::string>& glyphNames, std::string* out);
