#include "platform/bundle/help_book.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace {

using platform::FindHelpPage;
using platform::HelpBook;

TEST(HelpBook, PagesAreFoundLetterCaseAsideAndNeverOutsideTheBook) {
  // A book holding paper_output/finishing/fold.htm and index.html, and beside it a file no page may reach.
  korvo_test::TempDir dir;
  std::filesystem::create_directories(dir.file("Book/paper_output/finishing"));
  korvo_test::WriteFile(dir.file("Book/paper_output/finishing/fold.htm"), "<p>fold</p>");
  korvo_test::WriteFile(dir.file("Book/index.html"), "<p>start</p>");
  korvo_test::WriteFile(dir.file("secret.txt"), "not a page");
  const HelpBook book{"Test Help", dir.file("Book")};
  EXPECT_EQ(FindHelpPage(book, "paper_output/finishing/fold.htm"), dir.file("Book/paper_output/finishing/fold.htm"));
  EXPECT_EQ(FindHelpPage(book, "Paper_Output/Finishing/FOLD.htm"), dir.file("Book/paper_output/finishing/fold.htm"));
  EXPECT_EQ(FindHelpPage(book, ""), dir.file("Book/index.html"));
  EXPECT_FALSE(FindHelpPage(book, "paper_output/finishing/pads.htm"));
  EXPECT_FALSE(FindHelpPage(book, "paper_output/finishing"));  // a folder is no page
  EXPECT_FALSE(FindHelpPage(book, "../secret.txt"));
  EXPECT_FALSE(FindHelpPage(book, "paper_output/../../secret.txt"));
  EXPECT_FALSE(FindHelpPage(book, dir.file("secret.txt")));
}

// The bundle's own book is checked end to end by korvo-pde help-page.
TEST(HelpBook, ARegisteredBookIsFoundByNameTheLaterFolderWinning) {
  EXPECT_FALSE(platform::RegisteredHelpBook("No Such Help"));
  korvo_test::TempDir dir;
  platform::RegisterHelpBook(HelpBook{"Registered Help", dir.path()});
  platform::RegisterHelpBook(HelpBook{"Registered Help", dir.file("Book")});
  ASSERT_TRUE(platform::RegisteredHelpBook("Registered Help"));
  EXPECT_EQ(platform::RegisteredHelpBook("Registered Help")->folder, dir.file("Book"));
}

}  // namespace
