// The inserts dialog: where the sheets go (after the pages typed, or before page 1), how many at
// each place, and their paper, on a template insert. OK makes one insert per page typed; typed
// pages the list cannot take, or too many of them, keep the dialog open behind an alert.
#include <memory>
#include <string>

#include "controls/spin_control.h"
#include "kit/control_helpers.h"
#include "model/page_ranges.h"
#include "model/special_pages_codes.h"
#include "panels/special_pages/special_page_dialog_parts.h"
#include "panels/special_pages/special_pages_panel.h"
#include "platform/ui/interaction.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr const char* kHelpPage = "special_pages/db_add_inserts_d.html";
constexpr std::int32_t kOptionPopup = 10, kOptionPicture = 11;
constexpr std::int32_t kPagesField = 12, kQuantityField = 14, kQuantityArrows = 15, kPaperSummary = 16,
                       kPaperMenu = 17;
constexpr std::int32_t kAfterPages = 1, kBeforePage1 = 2;
constexpr std::int32_t kMaximumQuantity = 9999999;

class InsertsDialog {
 public:
  InsertsDialog(const SpecialPagesContext& context, ui::Window& window, SpecialPages& pages, const Insert* edited)
      : context_(context), window_(window), list_(pages.inserts), edited_(edited),
        paper_(context, FindDialogControl(window, kPaperSummary), FindDialogControl(window, kPaperMenu),
               kJobContextInsert) {}

  bool load() {
    option_ = FindDialogControl(window_, kOptionPopup);
    pages_ = FindDialogControl(window_, kPagesField);
    quantity_ = FindDialogControl(window_, kQuantityArrows);
    ui::Control* quantityField = FindDialogControl(window_, kQuantityField);
    if (!option_ || !pages_ || !quantity_ || !quantityField) return false;
    SetLocalizedWindowTitle(context_.bundle, edited_ ? "InsertsDialogTitleEdit" : "InsertsDialogTitleAdd", &window_);
    LimitToPageRangeCharacters(pages_);
    quantity_->setMinimum(1);
    quantity_->setMaximum(kMaximumQuantity);
    SetSpinControlField(*quantity_, *quantityField);
    CreateSpinControl(quantity_);
    if (ui::Control* picture = FindDialogControl(window_, kOptionPicture)) InitializeIcon(context_.bundle, picture);
    return true;
  }

  void fill() {
    if (edited_ != nullptr) {
      insert_ = *edited_;
      show(insert_.startPage() == 0 ? kBeforePage1 : kAfterPages,
           insert_.startPage() == 0 ? "" : std::to_string(insert_.startPage()));
    } else {
      defaults();
    }
  }

  ui::EventHandlerRef install() {
    return window_.installHandler(
        {{ui::kEventClassControl, ui::kEventControlHit}, {ui::kEventClassCommand, ui::kEventCommandProcess}},
        [this](ui::Event& e) { return handle(e); });
  }

  // The inserts typed go into the dialog's list; false, after an alert, when the pages cannot be
  // had or the list refuses them.
  bool accept() {
    if (!SpinControlIsInputValid(quantity_)) {
      ui::Beep();
      SetSpinControlValue(quantity_, quantity_->value());
      return false;
    }
    std::vector<std::int32_t> pages{0};
    if (option() != kBeforePage1) {
      if (platform::OSStatus status = ParseSinglePages(pages_->text(), &pages, kMaximumInsertPages);
          status != platform::noErr) {
        ShowPageRangeAlert(context_.bundle, status);
        return false;
      }
    }
    std::vector<Insert> made(pages.size(), insert_);
    std::vector<const SpecialPage*> added;
    for (std::size_t i = 0; i < pages.size(); ++i) {
      made[i].setStartPage(pages[i]);
      made[i].setQuantity(quantity_->value());
      added.push_back(&made[i]);
    }
    const platform::OSStatus status = edited_ ? list_.update(edited_, added) : list_.add(added);
    if (status != platform::noErr) {
      ShowPageRangeAlert(context_.bundle, kInvalidPageNumbersErr);
      return false;
    }
    return true;
  }

  void defaults() {
    insert_ = Insert{};
    DefaultStock(insert_.stock(), kJobContextInsert);
    show(kAfterPages, "");
  }

 private:
  std::int32_t option() const { return GetPopupButtonTicketValue(*option_).value_or(kAfterPages); }

  void show(std::int32_t option, const std::string& pages) {
    SetPopupButtonToTicketValue(*option_, option);
    pages_->setText(pages);
    SetSpinControlValue(quantity_, insert_.quantity());
    paper_.show(&insert_.stock());
    showOption();
  }

  // Before page 1 needs no pages: the field is emptied and out of play.
  void showOption() {
    const bool before1 = option() == kBeforePage1;
    if (before1) pages_->setText("");
    pages_->setEnabled(!before1);
    ShowPicture(FindDialogControl(window_, kOptionPicture),
                before1 ? "SpclPgs_InsertsOptions-BeforePage1.png" : "SpclPgs_InsertsOptions-AfterPage(s).png");
  }

  platform::OSStatus handle(ui::Event& e) {
    if (paper_.handle(e, insert_.stock())) return platform::noErr;
    if (e.eventClass != ui::kEventClassControl || e.control == nullptr) return platform::eventNotHandledErr;
    if (e.control == option_) showOption();
    return platform::eventNotHandledErr;
  }

  const SpecialPagesContext& context_;
  ui::Window& window_;
  InsertList& list_;  // the dialog's copy of the list
  const Insert* edited_;    // in that copy
  PaperChooser paper_;
  Insert insert_;
  ui::Control* option_ = nullptr;
  ui::Control* pages_ = nullptr;
  ui::Control* quantity_ = nullptr;
};

}  // namespace

DialogAnswer<SpecialPages> RunModalInsertsDialog(const SpecialPagesContext& context, const Insert* edited) {
  const long place = edited ? context.pages.inserts.indexOfPage(edited) : -1;
  return RunDialog(context.bundle, {kSpecialPageDialogsInterfaceName, "Inserts", kHelpPage},
                   CopySpecialPages(context.pages),
                   [&](ui::Window& window, SpecialPages& pages) -> std::optional<DialogWiring> {
                     const auto* same = place >= 0 ? static_cast<const Insert*>(pages.inserts.pageAtIndex(place)) : nullptr;
                     auto dialog = std::make_shared<InsertsDialog>(context, window, pages, same);
                     if (!dialog->load()) return std::nullopt;
                     dialog->fill();
                     return WireDialog(std::move(dialog));
                   });
}
