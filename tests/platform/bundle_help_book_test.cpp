#include "platform/bundle/help_book.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace {

using platform::FindHelpPage;
using platform::HelpBook;

// A book folder holding paper_output/finishing/fold.htm, index.html and, beside the folder,
// a file no page path may reach.
HelpBook MakeBook(const korvo_test::TempDir& dir) {
  std::filesystem::create_directories(dir.file("Book/paper_output/finishing"));
  korvo_test::WriteFile(dir.file("Book/paper_output/finishing/fold.htm"), "<p>fold</p>");
  korvo_test::WriteFile(dir.file("Book/index.html"), "<p>start</p>");
  korvo_test::WriteFile(dir.file("secret.txt"), "not a page");
  return HelpBook{"Test Help", dir.file("Book")};
}

TEST(HelpBook, PagesAreFoundLetterCaseAsideAndNeverOutsideTheBook) {
  korvo_test::TempDir dir;
  const HelpBook book = MakeBook(dir);
  EXPECT_EQ(FindHelpPage(book, "paper_output/finishing/fold.htm"), dir.file("Book/paper_output/finishing/fold.htm"));
  EXPECT_EQ(FindHelpPage(book, "Paper_Output/Finishing/FOLD.htm"), dir.file("Book/paper_output/finishing/fold.htm"));
  EXPECT_EQ(FindHelpPage(book, ""), dir.file("Book/index.html"));
  EXPECT_FALSE(FindHelpPage(book, "paper_output/finishing/pads.htm"));
  EXPECT_FALSE(FindHelpPage(book, "paper_output/finishing"));  // a folder is no page
  EXPECT_FALSE(FindHelpPage(book, "../secret.txt"));
  EXPECT_FALSE(FindHelpPage(book, "paper_output/../../secret.txt"));
  EXPECT_FALSE(FindHelpPage(book, dir.file("secret.txt")));
}

TEST(HelpBook, TheBundleNamesItsBookAndARegisteredBookIsFoundByName) {
  auto bundle = platform::Bundle::open(korvo_test::BundlePath());
  ASSERT_TRUE(bundle) << bundle.error();
  const std::optional<HelpBook> book = platform::BundleHelpBook(**bundle);
  ASSERT_TRUE(book);
  EXPECT_EQ(book->name, "Korvo Printer Help");
  EXPECT_EQ(book->folder, (*bundle)->resourcesPath() + "/KorvoHelp");

  EXPECT_FALSE(platform::RegisteredHelpBook("No Such Help"));
  korvo_test::TempDir dir;
  platform::RegisterHelpBook(HelpBook{"Registered Help", dir.path()});
  platform::RegisterHelpBook(HelpBook{"Registered Help", dir.file("Book")});  // the later folder wins
  ASSERT_TRUE(platform::RegisteredHelpBook("Registered Help"));
  EXPECT_EQ(platform::RegisteredHelpBook("Registered Help")->folder, dir.file("Book"));
}

}  // namespace
