// The Type 42 fuzzer's seed corpus (and every input it ever found failing, kept there) replayed
// as an ordinary test: each input is converted or refused, output only on conversion.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "watermark/type42_conversion.h"
#include "watermark/type42_test_support.h"

namespace {

TEST(Type42FuzzCorpus, EverySeedIsConvertedOrRefusedCleanly) {
  const std::filesystem::path corpus = std::filesystem::path(KORVO_SOURCE_DIR) / "fuzz/corpus/type42";
  int seeds = 0, converted = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    SCOPED_TRACE(entry.path().string());
    const std::vector<std::uint8_t> font = type42_test::ReadBytes(entry.path().string());
    std::string program;
    std::ostringstream diagnostics;
    const Type42Result result = convertTTFtoPS42(type42_test::Bytes(font), "Seed", &program, &diagnostics);
    EXPECT_EQ(result == Type42Result::kDone, !program.empty());
    EXPECT_EQ(result == Type42Result::kDone, diagnostics.str().empty()) << diagnostics.str();
    converted += result == Type42Result::kDone;
    ++seeds;
  }
  EXPECT_GE(seeds, 10);
  EXPECT_GE(converted, 2);
}

}  // namespace
