// The house rules of the source tree: dependencies point down the README's layer table, the folders
// of the panels and of the platform include one another without loops, and every ticket key is
// declared once.
#include <gtest/gtest.h>

#include "layout/source_tree.h"
#include "support/test_support.h"

namespace {

using layout_test::SourceFile;

constexpr const char* kSmallTable = R"(| Folder | What it holds | May include |
|---|---|---|
| `src/platform/` | the platform | |
| `src/model/` | records | `src/platform/` |
| `src/shell/` | the shell | `src/model/` `src/platform/` |
)";

TEST(Layers, EveryIncludeUnderSrcPointsDownTheReadmesTableAndAnUpwardOneIsReported) {
  const layout_test::LayerTable table =
      layout_test::ParseLayerTable(korvo_test::ReadFile(std::string(KORVO_SOURCE_DIR) + "/README.md"));
  ASSERT_GE(table.size(), 10u) << "the README's layout section lost its layer table";
  const std::vector<std::string> violations =
      layout_test::LayerViolations(table, layout_test::ReadSourceTree(KORVO_SOURCE_DIR));
  EXPECT_TRUE(violations.empty()) << ::testing::PrintToString(violations);
  // Planted: an upward include and a folder without a row.
  const std::vector<SourceFile> files = {
      {"src/shell/shell.cpp", "", {"model/stock.h", "platform/ticket.h", "<vector>"}},
      {"src/model/stock.h", "", {"platform/ticket.h"}},
      {"src/model/stock.cpp", "", {"model/stock.h", "shell/shell.h", "cups/ppd.h"}},
      {"src/platform/ticket.h", "", {}},
      {"src/shell/shell.h", "", {}},
      {"src/extra/thing.h", "", {}},
  };
  EXPECT_EQ(layout_test::LayerViolations(layout_test::ParseLayerTable(kSmallTable), files),
            (std::vector<std::string>{"src/model/stock.cpp: includes shell/shell.h, which src/model/ may not include",
                                      "src/extra/thing.h: no row of the layer table holds it"}));
}

TEST(Layers, NoFolderOfThePanelsOrThePlatformIncludesItsWayBackToItselfAndALoopIsReported) {
  const std::vector<SourceFile> files = layout_test::ReadSourceTree(KORVO_SOURCE_DIR);
  for (const char* root : {"src/panels/", "src/platform/"})
    EXPECT_TRUE(layout_test::FolderLoops(root, files).empty())
        << root << ": " << ::testing::PrintToString(layout_test::FolderLoops(root, files));
  // Planted: a loop is reported, an include down is not.
  const std::vector<SourceFile> planted = {
      {"src/platform/drawing/face.h", "", {"platform/fonts/catalog.h", "platform/result.h"}},
      {"src/platform/fonts/catalog.cpp", "", {"platform/drawing/libraries.h", "model/stock.h"}},
      {"src/platform/ui/menu.h", "", {"platform/result.h"}},
      {"src/platform/result.h", "", {}},
  };
  EXPECT_EQ(layout_test::FolderLoops("src/platform/", planted),
            std::vector<std::string>{"src/platform/drawing -> src/platform/fonts -> src/platform/drawing"});
  EXPECT_TRUE(layout_test::FolderLoops("src/platform/", {planted[0], planted[2], planted[3]}).empty());
}

// The job-ticket writer and reader are read by the rest of the tree through one header each; the
// two may use each other's parts, the records being shared.
TEST(Layers, OtherSubsystemsReachASubsystemThroughItsPublicHeaders) {
  const std::vector<SourceFile> files = layout_test::ReadSourceTree(KORVO_SOURCE_DIR);
  const struct {
    const char* header;
    const char* subsystem;
  } publicHeaders[] = {{"jobticket/writer/jtkt_writer.h", "jobticket/"},
                       {"jobticket/reader/jtkt_reader.h", "jobticket/"},
                       {"stocklibrary/stock_library.h", "stocklibrary/"},
                       {"ipp/ipp.h", "ipp/"},
                       {"watermark/watermark.h", "watermark/"}};
  for (const auto& [header, subsystem] : publicHeaders) {
    const std::vector<std::string> found = layout_test::PrivateIncludes(header, subsystem, files);
    EXPECT_TRUE(found.empty()) << ::testing::PrintToString(found);
  }
  const std::vector<SourceFile> planted = {
      {"src/ipp/ipp_media.cpp", "", {"jobticket/writer/jtkt_media.h", "jobticket/writer/jtkt_writer.h"}},
      {"src/jobticket/reader/feature.cpp", "", {"jobticket/writer/jtkt_media.h"}}};
  EXPECT_EQ(layout_test::PrivateIncludes("jobticket/writer/jtkt_writer.h", "jobticket/", planted),
            std::vector<std::string>{
                "src/ipp/ipp_media.cpp: includes jobticket/writer/jtkt_media.h, not jobticket/writer/jtkt_writer.h"});
}

TEST(TicketKeys, EachKeyIsDeclaredOnceUnderSrcAndASecondDeclarationIsReported) {
  const std::vector<std::string> duplicates =
      layout_test::DuplicateKeyDeclarations(layout_test::ReadSourceTree(KORVO_SOURCE_DIR));
  EXPECT_TRUE(duplicates.empty()) << ::testing::PrintToString(duplicates);
  // Planted: a second declaration, beside a key quoted in a comment.
  const std::vector<SourceFile> files = {
      {"src/model/a_keys.h", "inline constexpr const char* kA = \"com.korvo.print.Gutter\";\n", {}},
      {"src/panels/p.h", "// \"com.korvo.print.Gutter\" is quoted in a comment\n"
                         "inline constexpr const char* kGutter = \"com.korvo.print.Gutter\";\n", {}},
  };
  EXPECT_EQ(layout_test::DuplicateKeyDeclarations(files),
            std::vector<std::string>{"com.korvo.print.Gutter: src/model/a_keys.h src/panels/p.h"});
}

}  // namespace
