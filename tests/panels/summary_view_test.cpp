// Summary views taken down at Close and made again at Open keep their place among their siblings,
// so the keyboard reaches them in the order the panel shows them.
#include "panels/summary_view.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

namespace ui = platform::ui;

TEST(SummaryView, MadeAgainInItsPlaceAmongItsSiblings) {
  ui::Control pane(ui::ControlKind::UserPane, {1, 1}, {0, 0, 100, 100});
  for (std::int32_t id : {10, 11, 12, 13})
    pane.embed(std::make_unique<ui::Control>(ui::ControlKind::StaticText, ui::ControlID{1, id}, ui::Rect{0, id, 10, 1}));
  ui::Control* summary = pane.children()[1].get();
  const SummaryViewPlace place = PlaceOfSummaryView(*summary);
  TakeDownSummaryView(summary);
  EXPECT_EQ(summary, nullptr);
  EXPECT_EQ(pane.children().size(), 3u);
  MakeSummaryViewAgain(place, summary);
  ASSERT_NE(summary, nullptr);
  std::vector<std::int32_t> order;
  for (const auto& child : pane.children()) order.push_back(child->id().id);
  EXPECT_EQ(order, (std::vector<std::int32_t>{10, 11, 12, 13}));
  EXPECT_EQ(summary->kind(), ui::ControlKind::TextView);
  EXPECT_EQ(summary->bounds().y, 11);
}

}  // namespace
