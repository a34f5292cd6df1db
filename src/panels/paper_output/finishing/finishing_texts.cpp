#include "panels/paper_output/finishing/finishing_texts.h"

#include <array>

#include "model/finishing_folds.h"

namespace {

// In code order from the printer default.
constexpr std::array<std::string_view, 5> kOffsets = {"PrinterDefault", "None", "OffsetEachSet", "OffsetEachSubset",
                                                      "OffsetEachSetSubset"};

template <std::size_t N>
std::optional<std::string_view> Pick(const std::array<std::string_view, N>& texts, std::int32_t value,
                                     std::int32_t first) {
  if (value < first || value - first >= static_cast<std::int32_t>(N)) return std::nullopt;
  return texts[static_cast<std::size_t>(value - first)];
}

}  // namespace

std::optional<std::string_view> OneStaplePositionKey(std::int32_t value) {
  const StaplePosition* position = StaplePositionStored(value);
  if (position == nullptr || position->kind != StapleKind::OneStaple) return std::nullopt;
  return position->texts.choice;
}
std::optional<std::string_view> EdgePositionKey(std::int32_t value, std::int32_t first) {
  if (value < first || value - first >= static_cast<std::int32_t>(std::size(kEdgeTexts))) return std::nullopt;
  return kEdgeTexts[value - first].choice;
}
std::optional<std::string_view> OffsetKey(std::int32_t offset) { return Pick(kOffsets, offset, kOffsetPrinterDefault); }
std::optional<std::string_view> HolePunchKey(std::int32_t holesCode) {
  const HolePunchCount* count = RowWith(kHolePunchCounts, &HolePunchCount::holesCode, holesCode);
  if (count == nullptr) return std::nullopt;
  return count->label;
}

std::optional<std::string_view> FoldKey(std::int32_t fold) {
  const FoldFacts* facts = FoldOf(fold);
  if (facts == nullptr || facts->summaryKey == nullptr) return std::nullopt;
  return facts->summaryKey;
}
