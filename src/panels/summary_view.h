#pragma once
// The read-only summary text views a panel shows only while it is open: Close takes the view
// down and a later Open makes it again in the place it had, also among its siblings (so that the
// keyboard still reaches it before the controls after it).
#include <cstddef>

#include "platform/ui/control.h"

struct SummaryViewPlace {
  platform::ui::Control* parent = nullptr;
  platform::ui::ControlID id;
  platform::ui::Rect bounds;
  std::size_t index = 0;  // among the parent's children
};

// Where view is now, for MakeSummaryViewAgain.
SummaryViewPlace PlaceOfSummaryView(const platform::ui::Control& view);

// A new view at place into view when the last one was taken down; nothing without a place.
void MakeSummaryViewAgain(const SummaryViewPlace& place, platform::ui::Control*& view);

// The view out of its parent; view is null after.
void TakeDownSummaryView(platform::ui::Control*& view);
