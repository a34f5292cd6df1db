// The font bytes a Type 42 program carries: the input's tables, byte for byte, cut into strings
// PostScript can hold at the boundaries Type 42 allows.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "support/test_support.h"
#include "watermark/type42_conversion.h"
#include "watermark/type42_sfnts.h"
#include "watermark/type42_test_support.h"

namespace {

using namespace type42_test;

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

}  // namespace
