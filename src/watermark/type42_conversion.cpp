#include "watermark/type42_conversion.h"

#include "watermark/type42_names.h"
#include "watermark/type42_program.h"
#include "watermark/type42_sfnts.h"

namespace {

Type42Result Fail(Type42Result result, std::ostream* diagnostics, const std::string& line) {
  if (diagnostics) *diagnostics << line << std::flush;
  return result;
}

// Codes named by the glyphs they draw: a name the font gives two glyphs draws the first of them.
Type42EncodingVector NamedEncoding(const Type42GlyphEncoding& encoding, const std::vector<std::string>& glyphNames) {
  Type42EncodingVector names;
  for (std::size_t code = 0; code < names.size(); ++code)
    names[code] = encoding[code] < glyphNames.size() ? glyphNames[encoding[code]] : glyphNames[0];
  return names;
}

Type42Result Convert(FontBytes font, std::string_view fontName, const Type42GlyphEncoding* encoding,
                     std::string* output, std::ostream* diagnostics) {
  std::string reason;
  auto parsed = ReadTrueTypeFont(font, &reason);
  if (!parsed) return Fail(Type42Result::kRejected, diagnostics, reason);
  auto glyphNames = Type42GlyphNames(*parsed, &reason);
  if (!glyphNames) return Fail(Type42Result::kRejected, diagnostics, reason);
  if (ReadU16(parsed->name, 0) != 0)
    return Fail(Type42Result::kRejected, diagnostics, "DEBUG: Malformed TrueType file - name table format is not 0.\n");

  // Written in place, and cut back to what output held when the font cannot be converted whole.
  const std::size_t mark = output->size();
  output->reserve(mark + font.size() * 2 + font.size() / 15 + std::size_t{16} * glyphNames->size() + 8192);
  WriteType42Header(*parsed, PostScriptFontName(fontName),
                    encoding ? NamedEncoding(*encoding, *glyphNames) : Type42Encoding(*parsed, *glyphNames), output);
  if (!WriteSfnts(BuildType42FontBytes(*parsed), output)) {
    output->resize(mark);
    return Fail(Type42Result::kCannotSplit, diagnostics,
                "DEBUG: TrueType table too large to cut at a table or glyph boundary; nothing converted.\n");
  }
  WriteType42CharStrings(*glyphNames, output);
  return Type42Result::kDone;
}

}  // namespace

Type42Result convertTTFtoPS42(FontBytes font, std::string_view fontName, std::string* output,
                              std::ostream* diagnostics) {
  return Convert(font, fontName, nullptr, output, diagnostics);
}

Type42Result convertTTFtoPS42(FontBytes font, std::string_view fontName, const Type42GlyphEncoding& encoding,
                              std::string* output, std::ostream* diagnostics) {
  return Convert(font, fontName, &encoding, output, diagnostics);
}
