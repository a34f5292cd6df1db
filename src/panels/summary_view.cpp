#include "panels/summary_view.h"

#include <memory>

namespace ui = platform::ui;

SummaryViewPlace PlaceOfSummaryView(const ui::Control& view) { return {view.parent(), view.id(), view.bounds()}; }

void MakeSummaryViewAgain(const SummaryViewPlace& place, ui::Control*& view) {
  if (view != nullptr || place.parent == nullptr) return;
  auto made = std::make_unique<ui::Control>(ui::ControlKind::TextView, place.id, place.bounds);
  made->setLocked(true);
  view = place.parent->embed(std::move(made));
}

void TakeDownSummaryView(ui::Control*& view) {
  if (view != nullptr && view->parent() != nullptr) view->parent()->detach(*view);
  view = nullptr;
}
