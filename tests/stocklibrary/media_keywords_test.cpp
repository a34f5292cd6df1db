// Media keywords to stock values.
#include <gtest/gtest.h>

#include "stocklibrary/media_keywords.h"
#include "vocabulary/printer_default.h"

namespace {

TEST(MediaKeywords, TypeRulesInOrder) {
  EXPECT_EQ(convertJTKTTypeToIndex("Stationery", std::nullopt, std::nullopt, kPrinterDefault), 1);
  EXPECT_EQ(convertJTKTTypeToIndex("tab-stock", "pre-printed", std::nullopt, 3), 24);
  EXPECT_EQ(convertJTKTTypeToIndex("custom7", std::nullopt, std::nullopt, kPrinterDefault), 21);
  EXPECT_EQ(convertJTKTTypeToIndex("glossy", "LETTER-HEAD", std::nullopt, kPrinterDefault), 14);
  EXPECT_EQ(convertJTKTTypeToIndex("glossy", "plain", "standard", kPrinterDefault), 10);
  EXPECT_EQ(convertJTKTTypeToIndex("glossy", std::nullopt, "none", 3), 10);
  EXPECT_EQ(convertJTKTTypeToIndex("glossy", std::nullopt, "virgin", 3), 6);
  EXPECT_EQ(convertJTKTTypeToIndex("glossy", std::nullopt, std::nullopt, kPrinterDefault), 7);
}

TEST(MediaKeywords, ColorsAndCoatings) {
  EXPECT_EQ(convertJTKTColorToIndex("WHITE"), 1);
  EXPECT_EQ(convertJTKTColorToIndex("no-color"), 6);
  EXPECT_EQ(convertJTKTColorToIndex("ivory"), 11);
  EXPECT_EQ(convertJTKTColorToIndex("custom1"), 15);
  EXPECT_EQ(convertJTKTColorToIndex("mauve"), 10);
  EXPECT_EQ(convertJTKTCoatingTypeToIndex("Matte"), 5);
  EXPECT_EQ(convertJTKTCoatingTypeToIndex("velvet"), kPrinterDefault);
}

TEST(MediaKeywords, SidesCoated) {
  auto run = [](std::optional<std::string_view> f, std::optional<std::string_view> b) {
    std::optional<std::int32_t> sides, type;
    convertJTKTSidesCoatedAndCoatingType(f, b, sides, type);
    return std::pair(sides, type);
  };
  using P = std::pair<std::optional<std::int32_t>, std::optional<std::int32_t>>;
  EXPECT_EQ(run(std::nullopt, std::nullopt), P(std::nullopt, std::nullopt));
  EXPECT_EQ(run("none", std::nullopt), P(std::nullopt, std::nullopt));
  EXPECT_EQ(run("none", "NONE"), P(1, kPrinterDefault));
  EXPECT_EQ(run("glossy", std::nullopt), P(2, 1));
  EXPECT_EQ(run("satin", "matte"), P(3, 4));
  EXPECT_EQ(run("none", "matte"), P(2, 5));
  EXPECT_EQ(run(std::nullopt, "high-gloss"), P(2, 2));
}

}  // namespace
