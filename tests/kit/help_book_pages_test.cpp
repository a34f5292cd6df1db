// The help book behind the Help buttons: every page the code opens is there, every page can be
// reached from the start page, every page is HTML a browser reads, and a page names only the
// controls its dialog has, by the titles the dialog shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <regex>
#include <set>
#include <string_view>

#include "platform/bundle/help_book.h"
#include "platform/ui/interface_file.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

const platform::Bundle& KorvoBundle() {
  static platform::Bundle* bundle = *platform::Bundle::open(korvo_test::BundlePath());
  return *bundle;
}

platform::HelpBook Book() { return *platform::BundleHelpBook(KorvoBundle()); }

bool IsPage(const fs::path& path) { return path.extension() == ".htm" || path.extension() == ".html"; }

// Every page of the built book, by its path in the book.
std::vector<std::string> BookPages() {
  std::vector<std::string> pages;
  const fs::path folder = korvo_test::BundlePath() + "/Contents/Resources/KorvoHelp";
  std::error_code error;  // no book: no pages, and the tests above say what is missing
  for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    if (it->is_regular_file() && IsPage(it->path())) pages.push_back(fs::relative(it->path(), folder).string());
  std::sort(pages.begin(), pages.end());
  return pages;
}

std::vector<std::string> Matches(const std::string& text, const std::regex& pattern) {
  std::vector<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it) found.push_back((*it)[1]);
  return found;
}

TEST(HelpBookPages, EveryPageTheCodeOpensIsInTheBook) {
  const std::regex literal(R"re("([A-Za-z0-9_/]+\.html?)")re");
  std::set<std::string> named;
  // The pages are named in the code of the panels and their dialogs; the platform's comments
  // name made-up ones.
  for (const auto& entry : fs::recursive_directory_iterator(std::string(KORVO_SOURCE_DIR) + "/src"))
    if ((entry.path().extension() == ".cpp" || entry.path().extension() == ".h") &&
        entry.path().string().find("/src/platform/") == std::string::npos)
      for (const std::string& page : Matches(korvo_test::ReadFile(entry.path().string()), literal)) named.insert(page);
  EXPECT_GE(named.size(), 15u) << "the Help buttons' pages are no longer found in the code";
  for (const std::string& page : named) EXPECT_TRUE(platform::FindHelpPage(Book(), page)) << page;
}

TEST(HelpBookPages, EveryPageIsReachableFromTheStartPageAndNoLinkIsBroken) {
  const std::regex link(R"re((?:href|src)="([^"]*)")re");
  const fs::path folder = Book().folder;
  std::set<std::string> reached{"index.html"};
  std::vector<std::string> toVisit{"index.html"};
  while (!toVisit.empty()) {
    const std::string page = toVisit.back();
    toVisit.pop_back();
    const std::string html = korvo_test::ReadFile((folder / page).string());
    EXPECT_EQ(html.find("<script"), std::string::npos) << page << " runs a script";
    for (std::string target : Matches(html, link)) {
      EXPECT_EQ(target.find(':'), std::string::npos) << page << " reaches outside the book: " << target;
      target = target.substr(0, target.find('#'));
      if (target.empty()) continue;
      const std::string resolved = (fs::path(page).parent_path() / target).lexically_normal().string();
      if (!fs::is_regular_file(folder / resolved)) {
        ADD_FAILURE() << page << " links to " << target << ", which is not in the book";
        continue;
      }
      if (IsPage(resolved) && reached.insert(resolved).second) toVisit.push_back(resolved);
    }
  }
  for (const std::string& page : BookPages()) EXPECT_TRUE(reached.count(page)) << page << " is reached by no link";
}

TEST(HelpBookPages, EveryPageIsWellFormedHtml) {
  std::string command = "xmllint --html --noout";
  for (const std::string& page : BookPages()) command += " '" + Book().folder + "/" + page + "'";
  std::string output;
  EXPECT_EQ(korvo_test::RunCommand(command, &output, true), 0) << output;
  EXPECT_EQ(output, "");
}

// A title as a page may name it: without the colon of a label or the ellipsis of a button.
std::string Bare(std::string title) {
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    while (!title.empty() && (title.back() == ' ' || title.back() == '\n')) title.pop_back();
    for (const std::string_view end : {std::string_view("..."), std::string_view(":")})
      if (title.ends_with(end)) {
        title.erase(title.size() - end.size());
        trimmed = true;
      }
  }
  return title;
}

void CollectTitles(platform::ui::Control& control, std::set<std::string>* titles) {
  for (const std::string* text : {&control.title(), &control.text()})
    if (!text->empty()) titles->insert(Bare(*text));
  if (const platform::ui::Menu* menu = control.menuIfAny())
    for (const platform::ui::MenuItem& item : menu->items()) titles->insert(Bare(item.text));
  for (const auto& child : control.children()) CollectTitles(*child, titles);
}

class HelpBookPage : public testing::TestWithParam<std::string> {};

TEST_P(HelpBookPage, NamesOnlyControlsItsDialogShows) {
  const std::string html = korvo_test::ReadFile(Book().folder + "/" + GetParam());
  std::set<std::string> titles;
  std::string firstWindowTitle;
  for (const std::string& named : Matches(html, std::regex(R"re(<meta name="interface" content="([^"]+)">)re"))) {
    const std::string file = named.substr(0, named.find('/')), window = named.substr(named.find('/') + 1);
    if (!KorvoBundle().resourcePath(file + ".interface.xml"))
      GTEST_SKIP() << "the interface description \"" << file << "\" is not in the resources yet";
    auto loaded = platform::ui::CreateWindowFromInterface(KorvoBundle(), file, window);
    ASSERT_TRUE(loaded) << named << ": " << loaded.error();
    if (titles.empty()) firstWindowTitle = (*loaded)->title();
    if (!(*loaded)->title().empty()) titles.insert(Bare((*loaded)->title()));
    CollectTitles((*loaded)->content(), &titles);
  }
  const std::vector<std::string> controls = Matches(html, std::regex(R"re(class="control">([^<]+)<)re"));
  if (GetParam() != "index.html") {
    EXPECT_FALSE(titles.empty()) << "the page names no interface description";
  }
  for (const std::string& control : controls)
    EXPECT_TRUE(titles.count(Bare(control))) << "\"" << control << "\" is no control of the dialog";
  const std::vector<std::string> heading = Matches(html, std::regex("<h1>([^<]*)</h1>"));
  ASSERT_EQ(heading.size(), 1u);
  EXPECT_TRUE(heading[0].starts_with(firstWindowTitle)) << heading[0] << " is not " << firstWindowTitle;
}

std::string TestName(const testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(EveryPage, HelpBookPage, testing::ValuesIn(BookPages()), TestName);

}  // namespace
