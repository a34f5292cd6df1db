// What the panel's buttons do, and when each is enabled. Every change takes the undo snapshot
// first; Delete and Delete All ask before they change anything.
#include <algorithm>

#include "panels/special_pages/special_page_rows.h"
#include "panels/special_pages/special_pages_panel.h"
#include "platform/ui/interaction.h"

namespace ui = platform::ui;

namespace {

std::vector<const SpecialPage*> SelectedPages(const SpecialPagesContext& context) {
  std::vector<const SpecialPage*> pages;
  if (context.controls.list == nullptr) return pages;
  for (ui::DataBrowserItemID item : context.controls.list->dataBrowser().selection())
    if (item >= 1 && item <= context.rows.size()) pages.push_back(context.rows[item - 1].page);
  return pages;
}

const SpecialPageRow* RowOf(const SpecialPagesContext& context, const SpecialPage* page) {
  for (const SpecialPageRow& row : context.rows)
    if (row.page == page) return &row;
  return nullptr;
}

// Rows again, then the pages that were selected selected again where they still are.
void ShowRows(SpecialPagesContext& context, const std::vector<const SpecialPage*>& selected) {
  context.rows = SpecialPageRows(context.pages);
  ui::Control* list = context.controls.list;
  if (list == nullptr) return;
  std::vector<ui::DataBrowserItemID> items;
  std::set<ui::DataBrowserItemID> selection;
  for (std::size_t i = 0; i < context.rows.size(); ++i) {
    items.push_back(static_cast<ui::DataBrowserItemID>(i + 1));
    if (std::find(selected.begin(), selected.end(), context.rows[i].page) != selected.end())
      selection.insert(static_cast<ui::DataBrowserItemID>(i + 1));
  }
  list->dataBrowser().setItems(std::move(items));
  list->dataBrowser().setSelection(std::move(selection));
}

// The selected inserts in the order they move: down, the last goes first, so that each makes
// room for the one before it and a block of inserts moves together.
std::vector<const Insert*> InsertsToMove(const SpecialPagesContext& context, bool up) {
  std::vector<const Insert*> inserts;
  for (const SpecialPage* page : SelectedPages(context))
    if (const auto* insert = dynamic_cast<const Insert*>(page)) inserts.push_back(insert);
  if (!up) std::reverse(inserts.begin(), inserts.end());
  return inserts;
}

// True when the selected inserts can move: the one in front can.
bool CanMove(const SpecialPagesContext& context, bool up) {
  const std::vector<const Insert*> inserts = InsertsToMove(context, up);
  const InsertList& list = context.pages.inserts;
  return !inserts.empty() && (up ? list.canPromote(inserts.front()) : list.canDemote(inserts.front()));
}

void Enable(ui::Control* control, bool on) {
  if (control != nullptr) control->setEnabled(on);
}

void EnableButtons(SpecialPagesContext& context) {
  SpecialPagesControls& c = context.controls;
  const std::vector<const SpecialPage*> selected = SelectedPages(context);
  const bool pageAdding = !context.nUp && !context.bookletLayout;
  Enable(c.addInserts, pageAdding);
  Enable(c.addExceptions, pageAdding);
  Enable(c.edit, selected.size() == 1);
  Enable(c.remove, !selected.empty());
  Enable(c.removeAll, !context.rows.empty());
  Enable(c.undo, context.undo.has_value());
  Enable(c.moveUp, CanMove(context, true));
  Enable(c.moveDown, CanMove(context, false));
}

bool Confirm(const platform::Bundle* bundle, const char* messageKey) {
  ui::AlertRequest alert;
  alert.level = ui::AlertLevel::Caution;
  alert.title = bundle->localizedString("Delete Special Pages Title");
  alert.message = bundle->localizedString(messageKey);
  alert.buttons = {bundle->localizedString("No Command"), bundle->localizedString("Yes Command")};
  alert.cancelButton = 1;  // dismissing the question keeps the pages
  return ui::RunStandardAlert(alert) == 2;
}

// Each command answers whether pages went or were replaced (the selection then goes too).
bool DeleteSelected(SpecialPagesContext& context) {
  const std::vector<const SpecialPage*> selected = SelectedPages(context);
  TakeSpecialPagesSnapshot(context);
  if (!Confirm(context.bundle, "Delete Selected Special Pages")) return false;
  SpecialPages& pages = context.pages;
  for (const SpecialPage* page : selected) {
    if (pages.frontCover && page == &*pages.frontCover) {
      pages.frontCover.reset();
    } else if (pages.backCover && page == &*pages.backCover) {
      pages.backCover.reset();
    } else {
      pages.inserts.remove(page);
      pages.exceptions.remove(page);
    }
  }
  return true;
}

bool DeleteAll(SpecialPagesContext& context) {
  TakeSpecialPagesSnapshot(context);
  if (!Confirm(context.bundle, "Delete All Special Pages")) return false;
  context.pages = SpecialPages{};
  return true;
}

bool Undo(SpecialPagesContext& context) {
  if (!context.undo) return false;
  context.pages = std::move(*context.undo);
  context.undo.reset();
  return true;
}

bool Move(SpecialPagesContext& context, bool up) {
  if (!CanMove(context, up)) return false;  // nothing moves, nothing to undo
  TakeSpecialPagesSnapshot(context);
  for (const Insert* insert : InsertsToMove(context, up)) {
    if (up)
      context.pages.inserts.promote(insert);
    else
      context.pages.inserts.demote(insert);
  }
  return false;  // the moved inserts are the same pages
}

// A dialog's pages, after its OK, become the context's; the pages before are the undo snapshot.
bool TakePages(SpecialPagesContext& context, DialogAnswer<SpecialPages>&& answer) {
  if (!answer.record) return false;
  TakeSpecialPagesSnapshot(context);
  context.pages = std::move(*answer.record);
  return true;
}

bool Edit(SpecialPagesContext& context) {
  const std::vector<const SpecialPage*> selected = SelectedPages(context);
  const SpecialPageRow* row = selected.size() == 1 ? RowOf(context, selected.front()) : nullptr;
  if (row == nullptr) return false;
  switch (row->kind) {
    case SpecialPageKind::kFrontCover:
    case SpecialPageKind::kBackCover: return TakePages(context, RunModalCoversDialog(context, true));
    case SpecialPageKind::kInsert:
      return TakePages(context, RunModalInsertsDialog(context, static_cast<const Insert*>(row->page)));
    case SpecialPageKind::kException:
      return TakePages(context, RunModalExceptionsDialog(context, static_cast<const ExceptionPage*>(row->page)));
  }
  return false;
}

}  // namespace

void ShowSpecialPages(SpecialPagesContext& context) {
  ShowRows(context, SelectedPages(context));
  EnableButtons(context);
}

platform::OSStatus SpecialPagesEventHandler(ui::Event& event, SpecialPagesContext& context) {
  SpecialPagesControls& c = context.controls;
  ui::Control* hit = event.control;
  if (hit == nullptr) return platform::eventNotHandledErr;
  std::vector<const SpecialPage*> keep = SelectedPages(context);
  bool replaced = false;
  if (hit == c.addCovers) {
    replaced = TakePages(context, RunModalCoversDialog(context, false));
  } else if (hit == c.addInserts) {
    replaced = TakePages(context, RunModalInsertsDialog(context, nullptr));
  } else if (hit == c.addExceptions) {
    // N-up leaves no place for exception pages: the button only goes out.
    if (!context.nUp) replaced = TakePages(context, RunModalExceptionsDialog(context, nullptr));
  } else if (hit == c.edit) {
    replaced = Edit(context);
  } else if (hit == c.remove) {
    replaced = DeleteSelected(context);
  } else if (hit == c.removeAll) {
    replaced = DeleteAll(context);
  } else if (hit == c.undo) {
    replaced = Undo(context);
  } else if (hit == c.moveUp || hit == c.moveDown) {
    replaced = Move(context, hit == c.moveUp);
  } else {
    return platform::eventNotHandledErr;
  }
  // The rows again; the pages chosen before stay chosen unless pages went or were replaced.
  if (replaced) keep.clear();
  ShowRows(context, keep);
  EnableButtons(context);
  return platform::noErr;
}
