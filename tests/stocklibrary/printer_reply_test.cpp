// IPP replies read into stocks from bytes: the fuzzer's seed corpus (and every input it ever
// found failing, kept there) replayed, and what the seeds must give.
#include <gtest/gtest.h>

#include <filesystem>

#include "stocklibrary/media_col_reply.h"
#include "support/test_support.h"

namespace {

const std::filesystem::path kCorpus = std::filesystem::path(KORVO_SOURCE_DIR) / "fuzz/corpus/printer_reply";

bool Read(const std::string& name, std::vector<Stock>& stocks, std::string& error) {
  const std::string bytes = korvo_test::ReadFile((kCorpus / name).string());
  return StocksFromReplyBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), stocks, &error);
}

TEST(PrinterReply, EverySeedReadsOrIsRefusedWithAReason) {
  const int seeds = korvo_test::ReplayFuzzCorpus("printer_reply", [](const std::string& bytes) {
    std::vector<Stock> stocks;
    std::string error;
    if (!StocksFromReplyBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), stocks, &error)) {
      EXPECT_FALSE(error.empty());
    }
    for (const Stock& stock : stocks) {
      const platform::PlistDict ticket = stock.asTicket();
      EXPECT_EQ(Stock(&ticket).asTicket(), ticket);
    }
  });
  EXPECT_GE(seeds, 5);
}

TEST(PrinterReply, OnlyTheMediaColDatabaseMakesStocks) {
  std::vector<Stock> stocks;
  std::string error;
  ASSERT_TRUE(Read("two_stocks.ipp", stocks, error)) << error;
  ASSERT_EQ(stocks.size(), 2u);
  EXPECT_EQ(stocks[0].type(), 4);
  EXPECT_EQ(stocks[0].modulus(), 5);
  EXPECT_EQ(stocks[0].sidesCoated(), 2);
  EXPECT_EQ(stocks[1].customName(), "bare");

  ASSERT_TRUE(Read("only_media_col_ready.ipp", stocks, error)) << error;
  EXPECT_TRUE(stocks.empty());
  ASSERT_TRUE(Read("no_media.ipp", stocks, error)) << error;
  EXPECT_TRUE(stocks.empty());
  EXPECT_FALSE(Read("not_collections.ipp", stocks, error));
  EXPECT_NE(error.find("media-col-database"), std::string::npos);
}

TEST(PrinterReply, RangesAndWrongSyntaxAreNotReadAsValues) {
  std::vector<Stock> stocks;
  std::string error;
  ASSERT_TRUE(Read("ranges_and_wrong_syntax.ipp", stocks, error)) << error;
  ASSERT_EQ(stocks.size(), 1u);
  EXPECT_EQ(stocks[0].weight(), kPrinterDefault);
  EXPECT_EQ(stocks[0].size(), kPrinterDefault);
  EXPECT_EQ(stocks[0].customName(), "");  // an integer media-key is no name
}

TEST(PrinterReply, TruncatedOrEmptyBytesAreRefused) {
  const std::string bytes = korvo_test::ReadFile((kCorpus / "two_stocks.ipp").string());
  std::vector<Stock> stocks;
  std::string error;
  for (std::size_t cut : {std::size_t{0}, std::size_t{5}, bytes.size() / 2, bytes.size() - 1}) {
    EXPECT_FALSE(StocksFromReplyBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), cut, stocks, &error)) << cut;
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
