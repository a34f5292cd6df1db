// The names korvo-pde set knows controls by are unique among everything the dialog shows at
// once: the shell and every panel, shown or hidden. Each dialog's window is a namespace of its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "platform/xml_handles.h"

namespace {

using Places = std::map<std::string, std::vector<std::string>>;  // name -> where it is declared

std::string Attribute(const xmlNode* node, const char* name) {
  const platform::XmlCharPtr value(xmlGetProp(node, reinterpret_cast<const xmlChar*>(name)));
  return value ? reinterpret_cast<const char*>(value.get()) : "";
}

void CollectNames(const xmlNode* node, const std::string& where, Places& places) {
  for (const xmlNode* child = node->children; child != nullptr; child = child->next) {
    if (child->type != XML_ELEMENT_NODE) continue;
    if (std::string name = Attribute(child, "name"); !name.empty() && std::string_view(reinterpret_cast<const char*>(child->name)) == "control")
      places[name].push_back(where);
    CollectNames(child, where, places);
  }
}

// The windows the panels show in the dialog's pane, by their description file and window name;
// every other window is a dialog of its own.
const std::set<std::pair<std::string, std::string>> kPanelWindows = {
    {"Paper_Output.interface.xml", "Panel"},
    {"JobNotes.interface.xml", "JobNotesEnhanced"},
    {"AdvancedPanel.interface.xml", "Advanced"},
    {"ImageOptionsPanel.interface.xml", "Panel"},
    {"BookletWatermarkPanel.interface.xml", "Panel"},
    {"SpecialPages.interface.xml", "SpecialPages"},
};

// Every name of every namespace, by namespace: "dialog" for the shell's window and the panels'
// windows (kPanelWindows), "<file>/<window>" for the rest.
std::map<std::string, Places> NamesOfAllDescriptions(const std::filesystem::path& resources) {
  std::map<std::string, Places> spaces;
  for (const auto& entry : std::filesystem::directory_iterator(resources)) {
    const std::string file = entry.path().filename().string();
    if (!file.ends_with(".interface.xml")) continue;
    const platform::XmlDocPtr doc(xmlReadFile(entry.path().c_str(), nullptr, XML_PARSE_NONET));
    EXPECT_TRUE(doc) << file;
    if (!doc) continue;
    for (const xmlNode* window = xmlDocGetRootElement(doc.get())->children; window; window = window->next) {
      if (window->type != XML_ELEMENT_NODE) continue;
      const std::string name = Attribute(window, "name");
      const bool shown = file == "PDE_Shell.interface.xml" || kPanelWindows.contains({file, name});
      CollectNames(window, file + "/" + name, spaces[shown ? "dialog" : file + "/" + name]);
    }
  }
  return spaces;
}

TEST(ControlNames, AreUniqueAcrossTheShellAndThePanels) {
  const std::map<std::string, Places> spaces = NamesOfAllDescriptions(std::string(KORVO_SOURCE_DIR) + "/resources");
  ASSERT_TRUE(spaces.contains("dialog"));
  EXPECT_TRUE(spaces.at("dialog").contains("Panel"));  // the shell's panel pop-up
  EXPECT_TRUE(spaces.at("dialog").contains("Finishing"));
  EXPECT_TRUE(spaces.at("dialog").contains("JobName"));
  for (const auto& [space, places] : spaces)
    for (const auto& [name, where] : places)
      EXPECT_EQ(where.size(), 1u) << "\"" << name << "\" is declared " << where.size() << " times in " << space
                                  << ", first in " << where.front() << ", again in " << where.back();
}

}  // namespace
