#include "panels/summary_view.h"

#include <memory>
#include <vector>

namespace ui = platform::ui;

SummaryViewPlace PlaceOfSummaryView(const ui::Control& view) {
  std::size_t index = 0;
  if (const ui::Control* parent = view.parent())
    while (index < parent->children().size() && parent->children()[index].get() != &view) ++index;
  return {view.parent(), view.id(), view.bounds(), index};
}

void MakeSummaryViewAgain(const SummaryViewPlace& place, ui::Control*& view) {
  if (view != nullptr || place.parent == nullptr) return;
  auto made = std::make_unique<ui::Control>(ui::ControlKind::TextView, place.id, place.bounds);
  made->setLocked(true);
  view = place.parent->embed(std::move(made));
  // Embedding appends: the siblings that followed the view move back behind it, in their order.
  std::vector<ui::Control*> after;
  const auto& children = place.parent->children();
  for (std::size_t i = place.index; i + 1 < children.size(); ++i) after.push_back(children[i].get());
  for (ui::Control* sibling : after) place.parent->embed(place.parent->detach(*sibling));
}

void TakeDownSummaryView(ui::Control*& view) {
  if (view != nullptr && view->parent() != nullptr) view->parent()->detach(*view);
  view = nullptr;
}
