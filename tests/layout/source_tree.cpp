#include "layout/source_tree.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <regex>
#include <set>
#include <sstream>

#include "support/test_support.h"

namespace layout_test {

namespace fs = std::filesystem;

namespace {

// The longest folder of the table that holds path; empty when none does.
std::string RowOf(const LayerTable& table, const std::string& path) {
  std::string best;
  for (const auto& [folder, allowed] : table)
    if (path.starts_with(folder) && folder.size() > best.size()) best = folder;
  return best;
}

}  // namespace

std::vector<SourceFile> ReadSourceTree(const std::string& root) {
  static const std::regex include(R"re(^\s*#\s*include\s+"([^"]+)")re");
  std::vector<SourceFile> files;
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(root) / "src")) {
    const std::string extension = entry.path().extension().string();
    if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp")) continue;
    SourceFile file{fs::relative(entry.path(), root).generic_string(), korvo_test::ReadFile(entry.path().string()), {}};
    std::istringstream lines(file.text);
    std::smatch match;
    for (std::string line; std::getline(lines, line);)
      if (std::regex_search(line, match, include)) file.includes.push_back(match[1]);
    files.push_back(std::move(file));
  }
  std::sort(files.begin(), files.end(), [](const SourceFile& a, const SourceFile& b) { return a.path < b.path; });
  return files;
}

LayerTable ParseLayerTable(const std::string& readme) {
  static const std::regex folder("`(src/[^`]*)`");
  LayerTable table;
  std::istringstream lines(readme);
  for (std::string line; std::getline(lines, line);) {
    if (!line.starts_with("| `src/")) continue;
    std::vector<std::string> cells;
    std::istringstream row(line.substr(1));
    for (std::string cell; std::getline(row, cell, '|');) cells.push_back(cell);
    if (cells.size() < 3) continue;  // a row without a "may include" column
    std::smatch own;
    if (!std::regex_search(cells[0], own, folder)) continue;
    std::vector<std::string>& allowed = table[own[1]];
    for (std::sregex_iterator it(cells[2].begin(), cells[2].end(), folder), end; it != end; ++it)
      allowed.push_back((*it)[1]);
  }
  return table;
}

std::vector<std::string> LayerViolations(const LayerTable& table, const std::vector<SourceFile>& files) {
  std::vector<std::string> paths;
  for (const SourceFile& file : files) paths.push_back(file.path);
  std::vector<std::string> violations;
  for (const SourceFile& file : files) {
    const std::string from = RowOf(table, file.path);
    if (from.empty()) {
      violations.push_back(file.path + ": no row of the layer table holds it");
      continue;
    }
    const std::vector<std::string>& allowed = table.at(from);
    for (const std::string& include : file.includes) {
      const std::string target = "src/" + include;
      if (std::find(paths.begin(), paths.end(), target) == paths.end()) continue;  // not ours
      const std::string to = RowOf(table, target);
      const bool mayInclude = to == from || std::any_of(allowed.begin(), allowed.end(), [&](const std::string& folder) {
                                return target.starts_with(folder);
                              });
      if (!mayInclude) violations.push_back(file.path + ": includes " + include + ", which " + from + " may not include");
    }
  }
  return violations;
}

std::vector<std::string> FolderLoops(const std::string& root, const std::vector<SourceFile>& files) {
  // A folder below a room of root (a panel's finishing/) belongs to that room.
  const auto folderOf = [&root](const std::string& path) {
    const std::string below = path.substr(root.size());
    const std::size_t slash = below.find('/');
    return slash == std::string::npos ? root.substr(0, root.size() - 1) : root + below.substr(0, slash);
  };
  std::map<std::string, std::set<std::string>> reaches;
  for (const SourceFile& file : files) {
    if (!file.path.starts_with(root)) continue;
    for (const std::string& include : file.includes) {
      const std::string target = "src/" + include;
      if (!target.starts_with(root)) continue;
      if (folderOf(target) != folderOf(file.path)) reaches[folderOf(file.path)].insert(folderOf(target));
    }
  }
  // A depth-first walk: an edge back to a folder still on the path closes a loop.
  std::vector<std::string> loops, path;
  std::set<std::string> done;
  const std::function<void(const std::string&)> walk = [&](const std::string& folder) {
    path.push_back(folder);
    for (const std::string& next : reaches[folder]) {
      const auto onPath = std::find(path.begin(), path.end(), next);
      if (onPath != path.end()) {
        std::string loop;
        for (auto it = onPath; it != path.end(); ++it) loop += *it + " -> ";
        loops.push_back(loop + next);
      } else if (!done.contains(next)) {
        walk(next);
      }
    }
    path.pop_back();
    done.insert(folder);
  };
  for (const auto& [folder, targets] : reaches)
    if (!done.contains(folder)) walk(folder);
  return loops;
}

std::vector<std::string> PrivateIncludes(const std::string& publicHeader, const std::string& subsystem,
                                         const std::vector<SourceFile>& files) {
  const std::string folder = publicHeader.substr(0, publicHeader.rfind('/') + 1);
  std::vector<std::string> found;
  for (const SourceFile& file : files) {
    if (file.path.starts_with("src/" + subsystem)) continue;
    for (const std::string& include : file.includes)
      if (include.starts_with(folder) && include != publicHeader)
        found.push_back(file.path + ": includes " + include + ", not " + publicHeader);
  }
  return found;
}

std::vector<std::string> DuplicateKeyDeclarations(const std::vector<SourceFile>& files) {
  static const std::regex declaration(R"re(constexpr[^=;]*=\s*"(com\.[a-z]+\.print\.[^"]+)")re");
  std::map<std::string, std::vector<std::string>> declaredIn;
  for (const SourceFile& file : files)
    for (std::sregex_iterator it(file.text.begin(), file.text.end(), declaration), end; it != end; ++it)
      declaredIn[(*it)[1]].push_back(file.path);
  std::vector<std::string> duplicates;
  for (const auto& [key, places] : declaredIn) {
    if (places.size() < 2) continue;
    std::string line = key + ":";
    for (const std::string& place : places) line += " " + place;
    duplicates.push_back(line);
  }
  return duplicates;
}

}  // namespace layout_test
