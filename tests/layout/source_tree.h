#pragma once
// The source tree as the layout tests read it: every file of src/ with the files it includes,
// and the layer table of the README.
#include <map>
#include <string>
#include <vector>

namespace layout_test {

struct SourceFile {
  std::string path;                   // "src/model/stock.cpp"
  std::string text;
  std::vector<std::string> includes;  // what its #include "..." lines name, as written
};

// Every .h and .cpp file under root/src, in path order.
std::vector<SourceFile> ReadSourceTree(const std::string& root);

// Folder -> the folders it may include, from the table rows "| `src/x/` | ... | `src/y/` ... |".
using LayerTable = std::map<std::string, std::vector<std::string>>;
LayerTable ParseLayerTable(const std::string& readme);

// "file: includes X, which its folder may not include", one per include against the table; an
// include of a file that is not under src/ is not ours and is left alone. A file that no row holds
// is reported too.
std::vector<std::string> LayerViolations(const LayerTable& table, const std::vector<SourceFile>& files);

// The include loops between the folders under root ("src/panels/"): a folder reaches another when
// one of its files includes one of the other's; the files of a folder's own subfolders count as
// its own. Each loop is "a -> b -> a", from the first folder
// (in path order) at which it closes; none when the folders form a graph without cycles.
std::vector<std::string> FolderLoops(const std::string& root, const std::vector<SourceFile>& files);

// "file: includes X, not subsystem's public header" for each file outside the subsystem's folder
// (the folder of its public header, "src/jobticket/writer/") that includes another of its headers.
std::vector<std::string> PrivateIncludes(const std::string& publicHeader, const std::string& subsystem,
                                         const std::vector<SourceFile>& files);

// "key: file, file" for each ticket key that more than one declaration under src/ spells.
std::vector<std::string> DuplicateKeyDeclarations(const std::vector<SourceFile>& files);

}  // namespace layout_test
