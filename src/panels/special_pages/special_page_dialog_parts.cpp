#include "panels/special_pages/special_page_dialog_parts.h"

#include <string>

#include "kit/input_limiting.h"
#include "panels/stock_menu/stock_menu_button.h"

namespace ui = platform::ui;

ui::Control* FindDialogControl(ui::Window& window, std::int32_t id) {
  return window.find({kSpecialPageDialogSignature, id});
}

PaperChooser::PaperChooser(const PanelContext& panel, ui::Control* summary, ui::Control* menuButton,
                           JobContext context)
    : bundle_(panel.bundle), dialog_(panel.dialog), summary_(summary), menuButton_(menuButton), context_(context) {
  if (menuButton_ != nullptr) BuildStockMenu(bundle_, menuButton_->menu(), context_);
}

bool PaperChooser::handle(const ui::Event& event, Stock& stock) const {
  // Each page's paper has a menu of its own: a choice from another one (the other cover's) is not
  // this page's to take.
  if (event.eventClass != ui::kEventClassCommand || !IsStockMenuCommand(event.command)) return false;
  if (menuButton_ == nullptr || event.control != menuButton_) return false;
  ApplyStockMenuChoice(event, stock, dialog_);
  show(&stock);
  return true;
}

void PaperChooser::show(const Stock* stock) const { ShowStockSummary(bundle_, summary_, stock, context_); }

void PaperChooser::setEnabled(bool on) const {
  if (menuButton_ != nullptr) menuButton_->setEnabled(on);
}

// Only the characters: a list of single pages runs far past any fixed length.
void LimitToPageRangeCharacters(ui::Control* field) {
  LimitInputLengthAndCharacters(field, 0, 0,
                                std::make_shared<const CharacterSet>(CharacterSet::FromCharacters("0123456789, -")));
}
