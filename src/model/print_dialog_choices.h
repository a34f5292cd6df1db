#pragma once
// What the system print dialog's own tabs chose beside our panels: copies, collation, the pages
// and their order. The plug-in adds them to a job as IPP attributes where its ticket says nothing
// of the same thing.
#include <utility>
#include <vector>

struct PrintDialogChoices {
  int copies = 1;
  bool collate = true;
  bool reverse = false;
  enum class PageSet { kAll, kEven, kOdd } pageSet = PageSet::kAll;
  std::vector<std::pair<int, int>> pageRanges;  // first and last page, from 1; empty: all
};
