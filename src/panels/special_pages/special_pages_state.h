#pragma once
// The Special Pages panel's context record: the covers, inserts and exception ranges of the job,
// one undo snapshot of them, the job's paper (whose size an exception range's image shift starts
// from; new pages leave their paper to the job), what the ticket says of n-up and booklet layout,
// and the panel's controls once it is opened.
#include <memory>
#include <optional>
#include <vector>

#include "model/special_pages_ticket.h"
#include "model/stock.h"
#include "panels/panel_context.h"
#include "platform/four_char_code.h"
#include "platform/ui/control.h"
#include "platform/ui/event.h"
#include "platform/ui/window.h"

inline constexpr platform::OSType kSpecialPagesSignature = platform::FourCharCode("KPDE");
inline constexpr const char* kSpecialPagesInterfaceName = "SpecialPages";
inline constexpr const char* kSpecialPagesWindowName = "SpecialPages";

// One row of the list: what kind of page, and the page itself (owned by the context's pages).
enum class SpecialPageKind { kFrontCover, kInsert, kException, kBackCover };
struct SpecialPageRow {
  SpecialPageKind kind;
  SpecialPage* page;
};

// The controls of the opened panel (null until the first Open).
struct SpecialPagesControls {
  platform::ui::Control* list = nullptr;
  platform::ui::Control* addCovers = nullptr;
  platform::ui::Control* addInserts = nullptr;
  platform::ui::Control* addExceptions = nullptr;
  platform::ui::Control* edit = nullptr;
  platform::ui::Control* remove = nullptr;
  platform::ui::Control* removeAll = nullptr;
  platform::ui::Control* undo = nullptr;
  platform::ui::Control* moveUp = nullptr;
  platform::ui::Control* moveDown = nullptr;
};

struct SpecialPagesContext : PanelContext {
  SpecialPages pages;
  std::optional<SpecialPages> undo;  // the pages before the last change; one level only
  std::optional<Stock> jobStock;     // from the ticket, when it holds one
  bool nUp = false;
  bool bookletLayout = false;
  bool toldNoJobPaper = false;  // a forced booklet size without the job's paper is told once a dialog

  std::vector<SpecialPageRow> rows;  // as the list shows them; item i + 1 is rows[i]
  SpecialPagesControls controls;
};

// A deep copy: the lists hold clones of the pages.
inline SpecialPages CopySpecialPages(const SpecialPages& pages) {
  return SpecialPages{pages.frontCover, pages.backCover, InsertList(pages.inserts), ExceptionPageList(pages.exceptions)};
}

// The pages as they are now become the undo snapshot (taken before every change).
inline void TakeSpecialPagesSnapshot(SpecialPagesContext& context) { context.undo.emplace(CopySpecialPages(context.pages)); }
