// The inserts dialog: where the sheets go (after the pages typed, or before page 1), how many at
// each place, and their paper, on a template insert. OK makes one insert per page typed; typed
// pages the list cannot take, or too many of them, keep the dialog open behind an alert.
#include <string>

#include "controls/spin_control.h"
#include "kit/control_helpers.h"
#include "model/page_ranges.h"
#include "model/special_pages_codes.h"
#include "panels/modal_dialog.h"
#include "panels/special_pages/special_page_dialog_parts.h"
#include "panels/special_pages/special_pages_panel.h"
#include "platform/ui/interaction.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr const char* kHelpPage = "special_pages/db_add_inserts_d.html";
constexpr std::int32_t kHelpButton = 3, kDefaultsButton = 4, kOptionPopup = 10, kOptionPicture = 11;
constexpr std::int32_t kPagesField = 12, kQuantityField = 14, kQuantityArrows = 15, kPaperSummary = 16,
                       kPaperMenu = 17;
constexpr std::int32_t kAfterPages = 1, kBeforePage1 = 2;
constexpr std::int32_t kMaximumQuantity = 9999999;

class InsertsDialog {
 public:
  InsertsDialog(SpecialPagesContext& context, ui::Window& window, const Insert* edited)
      : context_(context), window_(window), edited_(edited),
        paper_(context.bundle, FindDialogControl(window, kPaperSummary), FindDialogControl(window, kPaperMenu),
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

  void install() {
    handlers_.push_back(window_.installHandler(
        {{ui::kEventClassControl, ui::kEventControlHit}, {ui::kEventClassCommand, ui::kEventCommandProcess}},
        [this](ui::Event& e) { return handle(e); }));
    handlers_.push_back(InstallHelpButton(context_.bundle, FindDialogControl(window_, kHelpButton), kHelpPage));
  }

  // The inserts typed go into the list (snapshot first); false, after an alert, when the pages
  // cannot be had or the list refuses them.
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
    SpecialPages before = CopySpecialPages(context_.pages);
    const platform::OSStatus status = edited_ ? context_.pages.inserts.update(edited_, added)
                                              : context_.pages.inserts.add(added);
    if (status != platform::noErr) {
      ShowPageRangeAlert(context_.bundle, kInvalidPageNumbersErr);
      return false;
    }
    context_.undo.emplace(std::move(before));
    ShowSpecialPages(context_);
    return true;
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

  void defaults() {
    insert_ = Insert{};
    DefaultStock(insert_.stock(), kJobContextInsert);
    show(kAfterPages, "");
  }

  platform::OSStatus handle(ui::Event& e) {
    if (paper_.handle(e, insert_.stock())) return platform::noErr;
    if (e.eventClass != ui::kEventClassControl || e.control == nullptr) return platform::eventNotHandledErr;
    if (e.control == option_) showOption();
    if (e.control == FindDialogControl(window_, kDefaultsButton)) defaults();
    return platform::eventNotHandledErr;
  }

  SpecialPagesContext& context_;
  ui::Window& window_;
  const Insert* edited_;
  PaperChooser paper_;
  Insert insert_;
  ui::Control* option_ = nullptr;
  ui::Control* pages_ = nullptr;
  ui::Control* quantity_ = nullptr;
  std::vector<ui::EventHandlerRef> handlers_;
};

}  // namespace

bool RunModalInsertsDialog(SpecialPagesContext& context, const Insert* edited, platform::OSStatus* status) {
  if (status) *status = platform::noErr;
  std::unique_ptr<ui::Window> window = LoadDialogWindow(context.bundle, kSpecialPageDialogsInterfaceName, "Inserts");
  if (window == nullptr) {
    if (status) *status = kDialogNotLoadedErr;
    return false;
  }
  InsertsDialog dialog(context, *window, edited);
  if (!dialog.load()) {
    if (status) *status = kDialogNotLoadedErr;
    return false;
  }
  dialog.fill();
  dialog.install();
  return RunModalOKCancel(*window, [&] { return dialog.accept(); });
}
