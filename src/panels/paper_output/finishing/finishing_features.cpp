#include "panels/paper_output/finishing/finishing_features.h"

#include "vocabulary/installable_options.h"

bool StapleKindInstalled(StapleKind kind) {
  for (const StaplePosition& p : kStaplePositions)
    if (p.kind == kind && FinishingFeatureInstalled(p.feature)) return true;
  return false;
}

bool HolePunchCountInstalled(const HolePunchCount& count) {
  for (std::string_view name : count.features)
    if (FinishingFeatureInstalled(name)) return true;
  return false;
}
