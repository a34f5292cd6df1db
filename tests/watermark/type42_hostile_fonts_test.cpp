// Broken and hostile fonts are refused whole: one "DEBUG:" line, no output, nothing read out of
// bounds (the sanitizer build runs these too). The fuzzer's seed corpus, with every input it ever
// found failing, is replayed here as well.
#include <gtest/gtest.h>

#include <sstream>

#include "support/test_support.h"
#include "watermark/type42_conversion.h"
#include "watermark/type42_test_support.h"

namespace {

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
