// Highlight colour. The writer sends up to two groups of highlight elements: the ticket's own
// highlight keys, then the job's highlight dictionary, each in the order printing colour,
// mapping colour, mismatch action, mapping algorithm. A group is read back into the place it was
// written from: with two groups the first is the ticket's; a lone group written before the job's
// image shift is the ticket's too; any other lone group is the dictionary's. Inside a page, its
// group is the page's own.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "jobticket/reader/jtkt_import_context.h"
#include "jobticket/reader/jtkt_import_node.h"
#include "vocabulary/device_profile.h"

using platform::PlistDict;
using platform::PlistValue;

namespace {

enum Part { kColorant, kMapColor, kMismatch, kAlgorithm, kPartCount };

struct PartRow {
  const char* feature;
  const char* key;
  const JTKTKeywordMap* table;
  const char* keywordElement;
  const char* nameElement;     // the printer's own custom colour, by number
  const char* customElement;   // a colour of the user's own, by its components
  const char* numberKey;       // the printer's custom colour number
  const char* componentPrefix; // "HighlightColorPrinting" + "RGB", "R", ...
};

constexpr PartRow kParts[kPartCount] = {
    {"HighlightPrintingColor", "HiglightPrintingColor", JTKTHighlightPrintingColorMap, "highlight-colorant",
     "highlight-colorant-color", "highlight-colorant-color-custom-col", "HighlightKorvoPrintingColor",
     "HighlightColorPrinting"},
    {"HighlightMappingColor", "HighlightMappingColor", JTKTHighlightMappingColorMap, "highlight-map-color",
     "highlight-map-color", "highlight-map-color-custom-col", "HighlightKorvoMappingColor", "HighlightColorMapping"},
    {"HighlightMismatchAction", "HighlightMismatchAction", JTKTHighlightMismatchMap, "highlight-colorant-mismatch",
     nullptr, nullptr, nullptr, nullptr},
    {"HighlightMappingAlgorithm", "HighlightMappingAlgorithm", JTKTHighlightMappingAlgorithmMap, "highlight-map",
     nullptr, nullptr, nullptr, nullptr},
};

constexpr const char* kKorvoColorPrefix = "korvo-custom-color-";
// The stored colour of the printer's own custom colour.
constexpr std::int32_t kKorvoCustomColor = 15;

// The elements of one group, by part (null where the group has none).
struct Group {
  xmlNodePtr keyword[kPartCount] = {};
  xmlNodePtr custom[kPartCount] = {};
};

bool Named(xmlNodePtr element, const char* name) {
  return name != nullptr && element->name != nullptr && std::string_view(reinterpret_cast<const char*>(element->name)) == name;
}

// The groups in document order, and whether the first came before the job's image shift.
std::vector<Group> Groups(xmlNodePtr first, bool* firstBeforeShift) {
  std::vector<Group> groups;
  int last = kPartCount;  // the part last seen; a part at or before it opens a new group
  bool shiftSeen = false;
  *firstBeforeShift = false;
  for (xmlNodePtr e = first; e != nullptr; e = e->next) {
    if (e->type != XML_ELEMENT_NODE) continue;
    if (Named(e, "x-side1-image-shift")) shiftSeen = true;
    for (int part = 0; part < kPartCount; ++part) {
      const PartRow& row = kParts[part];
      const bool custom = Named(e, row.customElement);
      if (!custom && !Named(e, row.keywordElement) && !Named(e, row.nameElement)) continue;
      // The keyword "other" after a custom colour's components belongs to them.
      const bool sameColour = part == last && !custom && !groups.empty() && groups.back().custom[part] != nullptr &&
                              groups.back().keyword[part] == nullptr;
      if (!sameColour && part <= last) {
        if (groups.empty()) *firstBeforeShift = !shiftSeen;
        groups.emplace_back();
      }
      (custom ? groups.back().custom[part] : groups.back().keyword[part]) = e;
      last = part;
      break;
    }
  }
  return groups;
}

std::optional<std::int32_t> Integer(xmlNodePtr parent, const char* path, const JTKTImportFeatureContext& context) {
  return parent ? JTKTImportNodeInteger(JTKTImportGetNode(parent->children, path), JTKTFileName(context)) : std::nullopt;
}

void StoreComponents(xmlNodePtr custom, const PartRow& row, PlistDict& target, const JTKTImportFeatureContext& context) {
  const std::string prefix = row.componentPrefix;
  const bool rgb = JTKTImportGetNode(custom->children, ".color-srgb-col") != nullptr;
  target[prefix + "RGB"] = PlistValue(rgb ? 1 : 0);
  const char* const members[3][2] = {{"red", "hue"}, {"green", "saturation"}, {"blue", "value"}};
  const char* const keys[3][2] = {{"R", "H"}, {"G", "S"}, {"B", "V"}};
  for (int i = 0; i < 3; ++i) {
    const std::string path = rgb ? std::string(".color-srgb-col.color-srgb-") + members[i][0]
                                 : std::string(".color-hsv-col.color-hsv-") + members[i][1];
    if (const std::optional<std::int32_t> v = Integer(custom, path.c_str(), context))
      target[prefix + keys[i][rgb ? 0 : 1]] = PlistValue(*v);
  }
}

// Stores one part of a group; false when nothing of it could be read.
bool StorePart(int part, const Group& group, PlistDict& target, const JTKTImportFeatureContext& context) {
  const PartRow& row = kParts[part];
  xmlNodePtr element = group.keyword[part];
  if (element == nullptr) return false;
  const PlistDict* feature = KFSGetFeature(row.feature);
  const char* syntaxClass = JTKTImportGetNodeSyntax(element);
  if (std::string_view(syntaxClass) == kKFSNameClass && row.numberKey != nullptr) {
    const std::optional<std::string> text = JTKTImportNodeText(element);
    if (!text || !text->starts_with(kKorvoColorPrefix)) return false;
    const std::string digits = text->substr(std::string_view(kKorvoColorPrefix).size());
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
    target[row.key] = PlistValue(kKorvoCustomColor);
    target[row.numberKey] = PlistValue(std::stoi(digits));
    return true;
  }
  const std::optional<PlistValue> name =
      JTKTImportNodeValue(element, syntaxClass, KFSGetFeatureSyntax(feature, syntaxClass), JTKTFileName(context));
  if (!name || name->asString() == nullptr || std::string_view(syntaxClass) != kKFSKeywordClass) return false;
  std::string keyword = *name->asString();
  std::int32_t value = 0;
  if (!JTKTConvertKeyword(row.table, kJTKTKeywordToValue, &keyword, &value)) return false;
  target[row.key] = PlistValue(value);
  if (group.custom[part] != nullptr) StoreComponents(group.custom[part], row, target, context);
  return true;
}

}  // namespace

void JTKTImportHighlight(const JTKTImportFeatureContext& context) {
  if (context.dictionary == nullptr) return;
  bool firstBeforeShift = false;
  const std::vector<Group> groups = Groups(context.node, &firstBeforeShift);
  const Group* ticketGroup = nullptr;
  const Group* jobGroup = nullptr;
  if (JTKTAtPageScope(context)) {
    // A page has one group of its own, kept in its highlight dictionary.
    jobGroup = groups.empty() ? nullptr : &groups[0];
  } else if (groups.size() >= 2) {
    ticketGroup = &groups[0];
    jobGroup = &groups[1];
  } else if (groups.size() == 1) {
    (firstBeforeShift && JTKTImportGetNode(context.node, ".x-side1-image-shift") ? ticketGroup : jobGroup) = &groups[0];
  }
  if (ticketGroup != nullptr)
    for (int part = 0; part < kPartCount; ++part) StorePart(part, *ticketGroup, *context.dictionary, context);
  // The dictionary takes each part the file gives; a part it lacks is the profile's default.
  for (int part = 0; part < kPartCount; ++part) {
    if (jobGroup != nullptr && StorePart(part, *jobGroup, *JTKTTargetDictionary(context, JTKTTarget::Highlight), context))
      continue;
    if (JTKTAtPageScope(context)) continue;  // a page's unset part is the job's, so no default
    const PlistDict* feature = KFSGetFeature(kParts[part].feature);
    std::string syntaxClass;
    PlistValue fallback;
    if (feature == nullptr || !KFSGetFeatureDefaultValue(feature, &syntaxClass, &fallback) || fallback.asString() == nullptr)
      continue;
    std::string keyword = *fallback.asString();
    std::int32_t value = 0;
    if (syntaxClass == kKFSKeywordClass && JTKTConvertKeyword(kParts[part].table, kJTKTKeywordToValue, &keyword, &value))
      JTKTStoreDefault(context, JTKTTarget::Highlight, kParts[part].key, PlistValue(value));
  }
}
