#pragma once
// What the three special-page dialogs share: their windows, the paper summary with its stock
// menu, and the page field that takes only page-range characters.
#include <memory>
#include <string_view>

#include "model/stock.h"
#include "panels/panel_context.h"
#include "platform/bundle/bundle.h"
#include "platform/four_char_code.h"
#include "platform/ui/control.h"
#include "platform/ui/event.h"
#include "platform/ui/window.h"
#include "vocabulary/job_context.h"

inline constexpr platform::OSType kSpecialPageDialogSignature = platform::FourCharCode("SpPg");
inline constexpr const char* kSpecialPageDialogsInterfaceName = "SpecialPageDialogs";

// The dialog's control of that id, or null.
platform::ui::Control* FindDialogControl(platform::ui::Window& window, std::int32_t id);

// A page's paper in a dialog: the summary view and the stock menu beside it, on a stock the
// dialog owns.
class PaperChooser {
 public:
  // The menu is built for the context; either control may be missing. The panel gives the
  // bundle and the dialog's state its stock menu works with.
  PaperChooser(const PanelContext& panel, platform::ui::Control* summary, platform::ui::Control* menuButton,
               JobContext context);
  // A command of the stock menu applied to stock, the summary shown again: true when it was one.
  bool handle(const platform::ui::Event& event, Stock& stock) const;
  // The summary of stock, or an empty summary for none.
  void show(const Stock* stock) const;
  void setEnabled(bool on) const;

 private:
  const platform::Bundle* bundle_;
  DialogState* dialog_;
  platform::ui::Control* summary_;
  platform::ui::Control* menuButton_;
  JobContext context_;
};

// Limits the field to the characters of page ranges ("0123456789, -").
void LimitToPageRangeCharacters(platform::ui::Control* field);
