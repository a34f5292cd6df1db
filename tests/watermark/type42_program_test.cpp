// The Type 42 program: the PostScript around the font bytes (header, encoding, names and
// CharStrings) and the font bytes themselves. Broken and hostile fonts are refused whole: one
// "DEBUG:" line, no output, nothing read out of bounds (the sanitizer build runs these too); the
// fuzzer's seed corpus, with every input it ever found failing, is replayed as well.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "support/test_support.h"
#include "watermark/postscript_glyph_tables.h"
#include "watermark/type42_conversion.h"
#include "watermark/type42_names.h"
#include "watermark/type42_sfnts.h"
#include "watermark/type42_test_support.h"

namespace {

using namespace type42_test;

std::string Header(const std::string& program) { return program.substr(0, program.find("/sfnts [\n")); }

std::string CharStrings(const std::string& program) { return program.substr(program.find("/CharStrings ")); }

TEST(Type42Program, DejaVuSansHeaderMatchesItsGoldenFile) {
  const std::string program = Convert(kDejaVuSans, "DejaVuSans");
  EXPECT_EQ(Header(program), korvo_test::ReadFile(korvo_test::DataPath("watermark/DejaVuSans.t42-header")));
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
  EXPECT_NE(program.find("dup 66 /.notdef put\n"), std::string::npos);
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

// The font bytes the program carries: the input's tables, byte for byte, cut into strings
// PostScript can hold at the boundaries Type 42 allows.
std::vector<std::uint8_t> Join(const std::vector<std::vector<std::uint8_t>>& strings) {
  std::vector<std::uint8_t> all;
  for (const auto& s : strings) all.insert(all.end(), s.begin(), s.end());
  return all;
}

// Every table of the input that the program carries is there, byte for byte; the rest are the
// tables left out on purpose.
void ExpectTablesCarried(const std::string& path, const std::vector<std::string>& expectedLeftOut) {
  SCOPED_TRACE(path);
  const std::vector<std::uint8_t> input = ReadBytes(path);
  const std::string program = Convert(path, "Test");
  ASSERT_FALSE(program.empty());
  const auto strings = SfntsStrings(program);
  const std::vector<std::uint8_t> carried = Join(strings);
  std::string why;
  auto original = ReadTrueTypeFont(Bytes(input), &why);
  auto copy = ReadTrueTypeFont(Bytes(carried), &why);
  ASSERT_TRUE(original && copy) << why;
  std::vector<std::string> leftOut;
  for (const FontTable& t : original->tables) {
    const std::string tag{char(t.tag >> 24), char(t.tag >> 16), char(t.tag >> 8), char(t.tag)};
    auto inCopy = find_table(tag, Bytes(carried));
    if (!inCopy) {
      leftOut.push_back(tag);
      continue;
    }
    const auto inOriginal = Bytes(input).subspan(t.offset, t.length);
    EXPECT_TRUE(std::equal(inOriginal.begin(), inOriginal.end(), inCopy->begin(), inCopy->end())) << tag;
  }
  EXPECT_EQ(leftOut, expectedLeftOut);
  // Each string holds at most 65534 font bytes and ends where a table or a glyph begins.
  const Type42FontBytes layout = BuildType42FontBytes(*original);
  std::size_t end = 0;
  for (std::size_t i = 0; i < strings.size(); ++i) {
    EXPECT_LE(strings[i].size(), kSfntsStringLimit);
    end += strings[i].size();
    if (i + 1 < strings.size()) {
      EXPECT_TRUE(std::binary_search(layout.breakPoints.begin(), layout.breakPoints.end(), end)) << end;
    }
  }
}

TEST(Type42Sfnts, RealFontsAreCarriedWholeLessTheirLayoutTables) {
  ExpectTablesCarried(kDejaVuSans, {"FFTM", "GDEF", "GPOS", "GSUB", "MATH", "kern"});
  ExpectTablesCarried(kLiberationSerif, {"FFTM", "GDEF", "GPOS", "GSUB", "kern"});
  // Its 191 KB "kern" table cannot be cut; the program leaves it out and converts.
  ExpectTablesCarried(kDejaVuSansExtraLight, {"FFTM", "GDEF", "GPOS", "GSUB", "kern"});
  // A small font is one string.
  EXPECT_EQ(SfntsStrings(Convert(korvo_test::DataPath("watermark/fonts/tiny.ttf"), "Tiny")).size(), 1u);
}

// A font file of the given tables (4-byte aligned, in tag order).
std::vector<std::uint8_t> BuildFont(const std::map<std::string, std::vector<std::uint8_t>>& tables) {
  std::vector<std::uint8_t> out(12 + 16 * tables.size(), 0);
  auto put32 = [&out](std::size_t at, std::size_t v) {
    for (std::size_t b = 0; b < 4; ++b) out[at + b] = static_cast<std::uint8_t>(v >> (24 - 8 * b));
  };
  put32(0, 0x00010000);
  out[5] = static_cast<std::uint8_t>(tables.size());
  std::size_t entry = 12;
  for (const auto& [tag, data] : tables) {
    std::copy(tag.begin(), tag.end(), out.begin() + static_cast<std::ptrdiff_t>(entry));
    put32(entry + 8, out.size());
    put32(entry + 12, data.size());
    out.insert(out.end(), data.begin(), data.end());
    out.resize((out.size() + 3) & ~std::size_t{3}, 0);
    entry += 16;
  }
  return out;
}

// A table that needs cutting but offers no boundary: nothing is appended, and the reason is told.
TEST(Type42Sfnts, AnUncuttableTableRollsTheConversionBack) {
  const std::vector<std::uint8_t> tiny = ReadBytes(korvo_test::DataPath("watermark/fonts/tiny.ttf"));
  std::map<std::string, std::vector<std::uint8_t>> tables;
  for (const char* tag : {"glyf", "head", "hhea", "hmtx", "loca", "maxp", "name", "post"}) {
    auto table = find_table(tag, Bytes(tiny));
    ASSERT_TRUE(table) << tag;
    tables[tag].assign(table->begin(), table->end());
  }
  std::vector<std::uint8_t> font = BuildFont(tables);
  std::string program;
  ASSERT_EQ(convertTTFtoPS42(Bytes(font), "Rebuilt", &program, nullptr), Type42Result::kDone);
  tables["cvt "].assign(70000, 0);  // carried, and with no break point inside
  font = BuildFont(tables);
  program = "kept";
  std::ostringstream diagnostics;
  EXPECT_EQ(convertTTFtoPS42(Bytes(font), "Big", &program, &diagnostics), Type42Result::kCannotSplit);
  EXPECT_EQ(program, "kept");
  EXPECT_TRUE(diagnostics.str().starts_with("DEBUG: ")) << diagnostics.str();
}


using namespace type42_test;

struct Hostile {
  const char* file;
  const char* reason;  // a piece of the DEBUG line
};

void PrintTo(const Hostile& hostile, std::ostream* os) { *os << hostile.file; }

class Type42Hostile : public ::testing::TestWithParam<Hostile> {};

TEST_P(Type42Hostile, IsRefusedWithOneDebugLine) {
  const std::vector<std::uint8_t> font = ReadBytes(korvo_test::DataPath(std::string("watermark/fonts/") + GetParam().file));
  ASSERT_FALSE(font.empty());
  std::string program;
  std::ostringstream diagnostics;
  EXPECT_EQ(convertTTFtoPS42(Bytes(font), "Hostile", &program, &diagnostics), Type42Result::kRejected);
  EXPECT_TRUE(program.empty());
  const std::string line = diagnostics.str();
  EXPECT_TRUE(line.starts_with("DEBUG: ")) << line;
  EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1) << line;
  EXPECT_NE(line.find(GetParam().reason), std::string::npos) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Corpus, Type42Hostile,
    ::testing::Values(Hostile{"truncated.ttf", "outside the file"}, Hostile{"short_header.ttf", "too short"},
                      Hostile{"offsets_past_end.ttf", "outside the file"},
                      Hostile{"bad_magic.ttf", "Malformed TrueType file - Bad magic number"},
                      Hostile{"wrong_magic.ttf", "not a TrueType font"},
                      Hostile{"units_per_em_zero.ttf", "unitsPerEm"},
                      Hostile{"post_bad_count.ttf", "glyph count"},
                      Hostile{"post_index_past_strings.ttf", "past its strings"},
                      Hostile{"post_string_past_table.ttf", "runs past the table"},
                      Hostile{"huge_num_glyphs.ttf", "numGlyphs does not fit"},
                      Hostile{"loca_out_of_order.ttf", "out of order"}, Hostile{"no_loca.ttf", "no loca"},
                      Hostile{"no_post.ttf", "Malformed TrueType file - missing vital table."},
                      Hostile{"collection.ttf", "collections"}, Hostile{"cff_flavoured.ttf", "CFF"}),
    [](const ::testing::TestParamInfo<Hostile>& param) {
      std::string name = param.param.file;
      return name.substr(0, name.find('.'));
    });

TEST(Type42HostileBytes, EveryCutOfARealFontIsRefusedOrConverted) {
  const std::vector<std::uint8_t> font = ReadBytes(korvo_test::DataPath("watermark/fonts/tiny.ttf"));
  for (std::size_t length = 0; length < font.size(); ++length) {
    std::string program;
    std::ostringstream diagnostics;
    const Type42Result result = convertTTFtoPS42(FontBytes(font.data(), length), "Cut", &program, &diagnostics);
    EXPECT_EQ(result == Type42Result::kDone, !program.empty()) << length;
  }
}

TEST(Type42FuzzCorpus, EverySeedIsConvertedOrRefusedCleanly) {
  int converted = 0;
  const int seeds = korvo_test::ReplayFuzzCorpus("type42", [&converted](const std::string& bytes) {
    const std::vector<std::uint8_t> font(bytes.begin(), bytes.end());
    std::string program;
    std::ostringstream diagnostics;
    const Type42Result result = convertTTFtoPS42(Bytes(font), "Seed", &program, &diagnostics);
    EXPECT_EQ(result == Type42Result::kDone, !program.empty());
    EXPECT_EQ(result == Type42Result::kDone, diagnostics.str().empty()) << diagnostics.str();
    converted += result == Type42Result::kDone;
  });
  EXPECT_GE(seeds, 10);
  EXPECT_GE(converted, 2);
}

}  // namespace
