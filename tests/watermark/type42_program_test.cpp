// The PostScript around the font bytes: header, encoding, names and CharStrings.
#include <gtest/gtest.h>

#include <sstream>

#include "support/test_support.h"
#include "watermark/postscript_glyph_tables.h"
#include "watermark/type42_conversion.h"
#include "watermark/type42_names.h"
#include "watermark/type42_test_support.h"

namespace {

using namespace type42_test;

std::string Header(const std::string& program) { return program.substr(0, program.find("/sfnts [\n")); }

std::string CharStrings(const std::string& program) { return program.substr(program.find("/CharStrings ")); }

TEST(Type42Program, DejaVuSansHeaderMatchesItsGoldenFile) {
  const std::string program = Convert(kDejaVuSans, "DejaVuSans");
  EXPECT_EQ(Header(program), korvo_test::ReadFile(korvo_test::DataPath("watermark/DejaVuSans.t42-header")));
  EXPECT_TRUE(program.ends_with("end readonly def\nFontName currentdict end definefont pop\n"));
}

// Ghostscript's own StandardEncoding is the reference for ours; the Macintosh order has no entry
// left empty.
TEST(Type42Program, TheGlyphTablesAreWhole) {
  std::string gs;
  ASSERT_EQ(RunGhostscript("-dNODISPLAY -c \"StandardEncoding { =only ( ) print } forall\"", &gs), 0);
  std::string ours;
  for (const char* name : StandardEncodings) ours += std::string(name) + " ";
  EXPECT_EQ(gs, ours);
  for (const char* name : macGlyphEncoding) EXPECT_NE(name, nullptr);
}

TEST(Type42Program, FontNamesAreValidPostScriptNamesCutOnACharacter) {
  EXPECT_EQ(PostScriptFontName("DejaVuSans"), "DejaVuSans");
  EXPECT_EQ(PostScriptFontName("My Font (Bold)/x%"), "My_Font__Bold__x_");
  EXPECT_EQ(PostScriptFontName("Caf\xC3\xA9"), "Caf_");
  EXPECT_EQ(PostScriptFontName(""), "Untitled");
  // 510 ASCII bytes then a two-byte character: the character would end past byte 511.
  const std::string longName = std::string(510, 'a') + "\xC3\xA9" + "zzz";
  EXPECT_EQ(PostScriptFontName(longName), std::string(510, 'a'));
  const std::string program = Convert(korvo_test::DataPath("watermark/fonts/tiny.ttf"), "bad name)} def");
  EXPECT_NE(program.find("/FontName /bad_name___def def\n"), std::string::npos);
}

TEST(Type42Program, NotdefIsDefinedOnceAndGlyphsGetTheirNames) {
  const std::string program = Convert(korvo_test::DataPath("watermark/fonts/tiny.ttf"), "Tiny");
  EXPECT_EQ(CharStrings(program),
            "/CharStrings 2 dict dup begin\n/.notdef 0 def\n/A 1 def\nend readonly def\n"
            "FontName currentdict end definefont pop\n");
  EXPECT_NE(program.find("dup 65 /A put\n"), std::string::npos);
  EXPECT_NE(program.find("dup 66 /.notdef put\n"), std::string::npos);
  EXPECT_NE(program.find("%!PS-TrueTypeFont-1.0000-1.0000\n"), std::string::npos);
  EXPECT_EQ(program.find("%%VMUsage"), std::string::npos);  // the font gives no maximum
}

// Every glyph of DejaVu Sans gets a valid PostScript name, .notdef once (that the names lead to the
// right glyphs, Ghostscript's drawing shows).
TEST(Type42Program, GlyphNamesAreValidAndOnePerGlyph) {
  const std::vector<std::uint8_t> bytes = ReadBytes(kDejaVuSans);
  std::string why;
  auto font = ReadTrueTypeFont(Bytes(bytes), &why);
  ASSERT_TRUE(font) << why;
  auto names = Type42GlyphNames(*font, &why);
  ASSERT_TRUE(names) << why;
  ASSERT_EQ(names->size(), font->numGlyphs);
  EXPECT_EQ((*names)[0], ".notdef");
  const std::string program = Convert(kDejaVuSans, "DejaVuSans");
  EXPECT_NE(program.find("/Euro "), std::string::npos);
  EXPECT_NE(program.find("/CharStrings " + std::to_string(font->numGlyphs) + " dict dup begin\n"), std::string::npos);
  std::size_t notdefs = 0;
  for (std::size_t at = program.find("\n/.notdef "); at != std::string::npos; at = program.find("\n/.notdef ", at + 1))
    ++notdefs;
  EXPECT_EQ(notdefs, 1u);
  for (const std::string& name : *names) EXPECT_TRUE(IsPostScriptName(name)) << name;
}

// Liberation Serif calls its space "uni00A0": code 32 still reaches it, through the character map.
TEST(Type42Program, ACodeWhoseStandardNameIsMissingFindsItsGlyphThroughTheCharacterMap) {
  const std::string program = Convert(kLiberationSerif, "LiberationSerif");
  EXPECT_NE(program.find("dup 32 /uni00A0 put\n"), std::string::npos);
  EXPECT_NE(program.find("dup 65 /A put\n"), std::string::npos);
}

// The header's numbers do not follow the user's locale.
TEST(Type42Program, NumbersIgnoreTheLocale) {
  const std::string before = Header(Convert(kDejaVuSans, "DejaVuSans"));
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
  const std::string after = Header(Convert(kDejaVuSans, "DejaVuSans"));
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_EQ(before, after);
}

}  // namespace
