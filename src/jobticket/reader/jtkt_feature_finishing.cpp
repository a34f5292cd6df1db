// The finishing features and the job offset: each reads every value of the file's set (the first
// value element and its following siblings) and keeps the last value of each of its own keys.
#include <array>
#include <optional>
#include <string_view>

#include "jobticket/reader/jtkt_import_context.h"
#include "jobticket/reader/jtkt_import_node.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "model/finishing_folds.h"
#include "model/paper_output_codes.h"
#include "model/paper_output_keys.h"
#include "vocabulary/device_profile.h"
#include "vocabulary/printer_default.h"

using platform::PlistDict;
using platform::PlistValue;

namespace {

// One keyword name of a finishing feature: which of the feature's keys it sets, and to what.
struct FinishingValue {
  std::string_view keyword;
  int slot;
  std::int32_t value;
};

struct FinishingFeature {
  std::string_view id;
  const char* keys[3];
  const FinishingValue* values;
  std::size_t count;
  // The finishing option a value of this feature stands for on its own (0: none), and whether a
  // feature the file does not give still stores its default.
  std::int32_t option = 0;
  bool defaultWhenAbsent = true;
};

// The values of a table's rows that an imported ticket names, each setting the slot slotOf gives.
template <std::size_t Count, class Row, std::size_t N, class Slot>
constexpr std::array<FinishingValue, Count> ValuesOf(const Row (&rows)[N], std::int32_t Row::*value, Slot slotOf) {
  std::array<FinishingValue, Count> values{};
  std::size_t n = 0;
  for (const Row& row : rows)
    if (!row.keyword.empty()) values[n++] = {row.keyword, slotOf(row), row.*value};
  return values;
}
template <class Row, std::size_t N>
constexpr std::size_t NamedRows(const Row (&rows)[N]) {
  std::size_t n = 0;
  for (const Row& row : rows)
    if (!row.keyword.empty()) ++n;
  return n;
}
constexpr auto FirstSlot = [](const auto&) { return 0; };

// A staple position sets the key of its kind (the kinds are in key order).
constexpr auto kStaples = ValuesOf<std::size(kStaplePositions)>(
    kStaplePositions, &StaplePosition::stored, [](const StaplePosition& p) { return static_cast<int>(p.kind); });
// The folds set the fold key, the z-fold half sheet's sides the z-fold key.
constexpr auto kFoldKeyValues = [] {
  constexpr auto folds = ValuesOf<NamedRows(kFolds)>(kFolds, &FoldFacts::stored, FirstSlot);
  constexpr auto sides = ValuesOf<NamedRows(kZFoldSides)>(kZFoldSides, &ZFoldSide::stored, [](const auto&) { return 1; });
  std::array<FinishingValue, folds.size() + sides.size()> values{};
  std::size_t n = 0;
  for (const FinishingValue& v : folds) values[n++] = v;
  for (const FinishingValue& v : sides) values[n++] = v;
  return values;
}();
constexpr auto kPunchLocations =
    ValuesOf<std::size(kHolePunchEdges)>(kHolePunchEdges, &HolePunchEdge::stored, FirstSlot);
constexpr auto kPunchCounts =
    ValuesOf<std::size(kHolePunchCounts)>(kHolePunchCounts, &HolePunchCount::holesCode, FirstSlot);
constexpr auto kBinds = ValuesOf<std::size(kBindPositions)>(kBindPositions, &BindPosition::stored, FirstSlot);
constexpr auto kCoilPunches =
    ValuesOf<std::size(kCoilPunchPositions)>(kCoilPunchPositions, &CoilPunchPosition::stored, FirstSlot);

constexpr FinishingFeature kFinishingFeatures[] = {
    {"FinishingStaple", {kFinishingStaple1ValueKey, kFinishingStaple2ValueKey, kFinishingStapleCenterValueKey},
     kStaples.data(), kStaples.size()},
    {"FinishingFold", {kFinishingFoldValueKey, kFinishingZFoldValueKey, nullptr}, kFoldKeyValues.data(),
     kFoldKeyValues.size()},
    {"FinishingPunchLocation", {kFinishingHolePunchValueKey, nullptr, nullptr}, kPunchLocations.data(),
     kPunchLocations.size()},
    {"FinishingPunchCount", {kFinishingHolePunchOptionsKey, nullptr, nullptr}, kPunchCounts.data(),
     kPunchCounts.size()},
    {"FinishingBind", {kFinishingBindValueKey, nullptr, nullptr}, kBinds.data(), kBinds.size()},
    {"FinishingCoilPunch", {kFinishingCoilPunchValueKey, nullptr, nullptr}, kCoilPunches.data(), kCoilPunches.size(),
     kFinishingCoilPunch, false},
};

// Calls take(keyword name) for each value of the set at path that converts through the feature.
template <class Take>
bool EachValue(const PlistDict* feature, const JTKTImportFeatureContext& context, std::string_view path, Take take) {
  bool any = false;
  for (xmlNodePtr element = JTKTImportGetNode(context.node, path); element != nullptr; element = element->next) {
    if (element->type != XML_ELEMENT_NODE) continue;
    any = true;
    const char* syntaxClass = JTKTImportGetNodeSyntax(element);
    const std::optional<PlistValue> name =
        JTKTImportNodeValue(element, syntaxClass, KFSGetFeatureSyntax(feature, syntaxClass), JTKTFileName(context),
                            JTKTUnknownKeyword::Ignore);
    if (name && name->asString() != nullptr && std::string_view(syntaxClass) == kKFSKeywordClass)
      take(std::string_view(*name->asString()));
  }
  return any;
}

void Put(const JTKTImportFeatureContext& context, bool fromFile, const char* key, std::int32_t value) {
  if (fromFile)
    JTKTStore(context, JTKTTarget::Ticket, key, PlistValue(value));
  else
    JTKTStoreDefault(context, JTKTTarget::Ticket, key, PlistValue(value));
}

// The features that read the finishing set whole rather than by position.
bool IsWholeSetFeature(std::string_view id) {
  return id == "FinishingCustom" || id == "FinishingNone" || id == "FinishingSBM";
}

}  // namespace

void JTKTImportFinishing(std::string_view id, const PlistDict* feature, const JTKTImportFeatureContext& context) {
  if (IsWholeSetFeature(id)) {
    const bool custom = id == "FinishingCustom";
    EachValue(feature, context, ".finishings.value", [&](std::string_view keyword) {
      if (custom) {
        JTKTStore(context, JTKTTarget::Ticket, kFinishingCustomKey, PlistValue(""));
        JTKTStore(context, JTKTTarget::Ticket, kFinishingOptionsKey, PlistValue(std::int32_t{kFinishingCustom}));
      } else if (keyword == "None") {
        JTKTStore(context, JTKTTarget::Ticket, kFinishingOptionsKey, PlistValue(std::int32_t{kFinishingNone}));
      } else if (keyword == "SBM") {
        JTKTStore(context, JTKTTarget::Ticket, kFinishingOptionsKey, PlistValue(std::int32_t{kFinishingSignatureBooklet}));
      }
    });
    return;
  }
  for (const FinishingFeature& f : kFinishingFeatures) {
    if (f.id != id) continue;
    std::int32_t values[3] = {kPrinterDefault, kPrinterDefault, kPrinterDefault};
    bool read[3] = {false, false, false};
    EachValue(feature, context, ".finishings.value", [&](std::string_view keyword) {
      for (std::size_t i = 0; i < f.count; ++i) {
        if (f.values[i].keyword != keyword) continue;
        values[f.values[i].slot] = f.values[i].value;
        read[f.values[i].slot] = true;
      }
    });
    for (int slot = 0; slot < 3; ++slot)
      if (f.keys[slot] != nullptr && (read[slot] || f.defaultWhenAbsent)) Put(context, read[slot], f.keys[slot], values[slot]);
    if (f.option != 0 && read[0]) JTKTStore(context, JTKTTarget::Ticket, kFinishingOptionsKey, PlistValue(f.option));
  }
}

// The job offset: none, offset sets, offset subsets, or both when the file names sets and subsets.
void JTKTImportOffset(const PlistDict* feature, const JTKTImportFeatureContext& context) {
  std::int32_t offset = kPrinterDefault;
  bool read = false;
  EachValue(feature, context, ".job-offset.value", [&](std::string_view keyword) {
    read = true;
    if (keyword == "None") offset = kOffsetNone;
    if (keyword == "Set")
      offset = offset == kOffsetSubsets || offset == kOffsetSetsAndSubsets ? kOffsetSetsAndSubsets : kOffsetSets;
    if (keyword == "Subset")
      offset = offset == kOffsetSets || offset == kOffsetSetsAndSubsets ? kOffsetSetsAndSubsets : kOffsetSubsets;
  });
  Put(context, read, kFinishingOffsetKey, offset);
}

bool JTKTIsFinishingFeature(std::string_view id) {
  if (IsWholeSetFeature(id)) return true;
  for (const FinishingFeature& f : kFinishingFeatures)
    if (f.id == id) return true;
  return false;
}

void JTKTReportUnknownSetValues(const JTKTFeatureList& features, const JTKTImportFeatureContext& context) {
  struct Set {
    std::string_view path;
    bool (*readBy)(std::string_view id);
  };
  static constexpr Set kSets[] = {{".finishings.value", JTKTIsFinishingFeature},
                                  {".job-offset.value", [](std::string_view id) { return id == "Offset"; }}};
  for (const Set& set : kSets) {
    for (xmlNodePtr element = JTKTImportGetNode(context.node, set.path); element != nullptr; element = element->next) {
      if (element->type != XML_ELEMENT_NODE) continue;
      const char* syntaxClass = JTKTImportGetNodeSyntax(element);
      if (std::string_view(syntaxClass) != kKFSKeywordClass) continue;  // numbers and names say so as they are read
      bool known = false;
      for (const JTKTImportable& importable : features) {
        const PlistDict* feature = importable.feature;
        const PlistValue* id = feature ? platform::PlistDictFind(*feature, kKFSIDKey) : nullptr;
        if (id == nullptr || id->asString() == nullptr || !set.readBy(*id->asString())) continue;
        known = JTKTImportNodeValue(element, syntaxClass, KFSGetFeatureSyntax(feature, syntaxClass),
                                    JTKTFileName(context), JTKTUnknownKeyword::Ignore)
                    .has_value();
        if (known) break;
      }
      if (!known) {
        const std::optional<std::string> text = JTKTImportNodeText(element);
        JTKTImportLogValueError(JTKTFileName(context), element, text.value_or(""), "is not a value the printer knows");
      }
    }
  }
}
