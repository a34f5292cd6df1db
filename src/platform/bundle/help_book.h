#pragma once
// A bundle's help book: a folder of HTML pages in its resources, named by its information
// property list ("CFBundleHelpBookName" the book, "CFBundleHelpBookFolder" the folder). Pages
// are asked for by their path in the book, as the code that shows them names them.
#include <optional>
#include <string>
#include <string_view>

#include "platform/bundle/bundle.h"

namespace platform {

// The page a book opens on when no page is asked for.
inline constexpr const char* kHelpBookFrontPage = "index.html";

struct HelpBook {
  std::string name;
  std::string folder;  // <resources>/<CFBundleHelpBookFolder>
};

// The bundle's book, or none when its Info.plist lacks either key or gives a non-string.
std::optional<HelpBook> BundleHelpBook(const Bundle& bundle);

// The file of `page` in the book's folder, or none when the book has no such page. Letter case
// aside: books are written for file systems that ignore it, so "Paper_Output/x.htm" finds
// "paper_output/x.htm". An empty page is the front page; a path that is absolute or climbs out
// of the folder (".."), or a symbolic link that leads out of it, is no page.
std::optional<std::string> FindHelpPage(const HelpBook& book, std::string_view page);

// Remembers the book under its name, so that what opens a book by name (a browser launcher)
// finds its folder; registering a name again replaces its folder. Safe from any thread.
void RegisterHelpBook(const HelpBook& book);
std::optional<HelpBook> RegisteredHelpBook(std::string_view name);

}  // namespace platform
