#include "platform/bundle/help_book.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <mutex>

namespace platform {

namespace {

namespace fs = std::filesystem;

std::string Lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The entry of folder named `name`, matched exactly first, then letter case aside; none when
// the folder has neither.
std::optional<fs::path> FindEntry(const fs::path& folder, const std::string& name) {
  std::error_code error;
  if (fs::exists(folder / name, error)) return folder / name;
  const std::string wanted = Lowered(name);
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    if (Lowered(it->path().filename().string()) == wanted) return it->path();
  return std::nullopt;
}

const std::string* InfoString(const Bundle& bundle, const char* key) {
  const auto found = bundle.infoDictionary().find(key);
  return found == bundle.infoDictionary().end() ? nullptr : found->second.asString();
}

std::mutex gBooksLock;
std::map<std::string, std::string, std::less<>> gBooks;  // name -> folder

}  // namespace

std::optional<HelpBook> BundleHelpBook(const Bundle& bundle) {
  const std::string* name = InfoString(bundle, "CFBundleHelpBookName");
  const std::string* folder = InfoString(bundle, "CFBundleHelpBookFolder");
  if (name == nullptr || folder == nullptr || folder->empty()) return std::nullopt;
  return HelpBook{*name, (fs::path(bundle.resourcesPath()) / *folder).string()};
}

std::optional<std::string> FindHelpPage(const HelpBook& book, std::string_view page) {
  const fs::path relative(page.empty() ? std::string_view(kHelpBookFrontPage) : page);
  if (relative.is_absolute()) return std::nullopt;
  fs::path found(book.folder);
  for (const fs::path& part : relative) {
    if (part == ".." || part == "." || part.empty()) return std::nullopt;
    const std::optional<fs::path> entry = FindEntry(found, part.string());
    if (!entry) return std::nullopt;
    found = *entry;
  }
  std::error_code error;
  if (!fs::is_regular_file(found, error)) return std::nullopt;
  // A symbolic link in the book may lead to another of its pages, never out of it.
  const fs::path root = fs::canonical(book.folder, error);
  if (error) return std::nullopt;
  const fs::path target = fs::canonical(found, error);
  if (error) return std::nullopt;
  if (std::mismatch(root.begin(), root.end(), target.begin(), target.end()).first != root.end()) return std::nullopt;
  return found.string();
}

void RegisterHelpBook(const HelpBook& book) {
  const std::lock_guard<std::mutex> hold(gBooksLock);
  gBooks.insert_or_assign(book.name, book.folder);
}

std::optional<HelpBook> RegisteredHelpBook(std::string_view name) {
  const std::lock_guard<std::mutex> hold(gBooksLock);
  const auto found = gBooks.find(name);
  if (found == gBooks.end()) return std::nullopt;
  return HelpBook{found->first, found->second};
}

}  // namespace platform
