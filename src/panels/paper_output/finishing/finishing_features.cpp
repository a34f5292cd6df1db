#include "panels/paper_output/finishing/finishing_features.h"

#include "vocabulary/installable_options.h"

bool PositionFeatures::any() const {
  for (std::string_view name : names)
    if (FinishingFeatureInstalled(name)) return true;
  return false;
}

bool StapleKindInstalled(StapleKind kind) {
  for (const StaplePosition& p : kStaplePositions)
    if (p.kind == kind && FinishingFeatureInstalled(p.feature)) return true;
  return false;
}

const PositionFeatures& HolePunchFeatures(std::int32_t holesCode) {
  static const PositionFeatures kTwo{{"2HolePunchL", "2HolePunchT", "2HolePunchB", "2HolePunchR"}};
  static const PositionFeatures kThree{{"3HolePunchL", "3HolePunchT", "3HolePunchB", "3HolePunchR"}};
  static const PositionFeatures kFour{{"4HolePunchL", "4HolePunchT", "4HolePunchB", "4HolePunchR"}};
  if (holesCode == 4) return kThree;
  if (holesCode == 5) return kFour;
  return kTwo;
}
