// The English table shipped in the plug-in's bundle.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/bundle/bundle.h"
#include "platform/bundle/po_table.h"
#include "support/test_support.h"

namespace {

const std::string kSourceTable = std::string(KORVO_SOURCE_DIR) + "/resources/en.lproj/Localizable.po";

TEST(LocalizableTable, PassesTheGettextChecker) {
  std::string output;
  if (korvo_test::RunCommand("command -v msgfmt", &output) != 0) GTEST_SKIP() << "msgfmt (package gettext) is not installed";
  int status = korvo_test::RunCommand("msgfmt --check -o /dev/null '" + kSourceTable + "'", &output, true);
  EXPECT_EQ(status, 0) << output;
}

TEST(LocalizableTable, HoldsTheTextsTheShellShows) {
  auto table = platform::ParsePOTable(korvo_test::ReadFile(kSourceTable));
  ASSERT_TRUE(table) << table.error();
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"PDE Shell", "Korvo Features"},   {"PaperOutput", "Paper/Output"},
      {"SpecialPages", "Special Pages"}, {"ImageOptions", "Image Options"},
      {"JobNotes", "Job Notes"},         {"BookletWatermark", "Booklet/Watermark"},
      {"Advanced", "Advanced"},           {"PrinterDefault", "Printer Default"},
      {"UseJobSetting", "Use Job Setting"}, {"Top Tray", "Top Tray"},
      {"Main Stacker", "Main Stacker"},   {"Top Tray 1", "Top Tray 1"},
      {"Top Tray 2", "Top Tray 2"},       {"Main Stacker 1", "Main Stacker 1"},
      {"Main Stacker 2", "Main Stacker 2"}, {"Inch abbreviation", "in"},
      {"Millimeter abbreviation", "mm"}};
  for (const auto& [key, text] : expected) {
    auto found = table->find(key);
    ASSERT_NE(found, table->end()) << key;
    EXPECT_EQ(found->second, text) << key;
  }
}

}  // namespace
