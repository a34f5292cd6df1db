// The covers dialog, on copies of the two covers: the cover option makes or removes covers
// (a cover that exists is kept), Same Covers keeps the back a copy of the front through every
// change; OK answers both.
#include <array>
#include <memory>

#include "kit/control_helpers.h"
#include "panels/special_pages/special_page_dialog_parts.h"
#include "panels/special_pages/special_pages_panel.h"
#include "vocabulary/ppd_bridge.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr const char* kHelpPage = "special_pages/db_add_covers_d.html";
constexpr std::int32_t kOptionPopup = 10, kOptionPicture = 11;
enum CoverOption : std::int32_t { kNoCovers = 1, kFrontOnly = 2, kBackOnly = 3, kSameCovers = 4, kDifferentCovers = 5 };
constexpr std::int32_t kBlankOrPreprinted = 1;

const char* const kOptionPictures[] = {"SpclPgs_CoversOptions_None.png", "SpclPgs_CoversOptions_FrontOnly.png",
                                       "SpclPgs_CoversOptions_BackOnly.png", "SpclPgs_CoversOptions_Same.png",
                                       "SpclPgs_CoversOptions_Different.png"};
const char* const kPrintingPictures[] = {"SpclPgs_CoversPrinting-Blank.png", "SpclPgs_CoversPrinting-FrontSide.png",
                                         "SpclPgs_CoversPrinting-BackSide.png", "SpclPgs_CoversPrinting-BothSides.png"};

// The picture of a value 1..N of a table; none outside it.
template <std::size_t N>
std::string PictureOf(const char* const (&table)[N], std::int32_t value) {
  return value >= 1 && value <= static_cast<std::int32_t>(N) ? table[value - 1] : "";
}

// One cover's controls: paper summary and menu at base + 1 and + 2, printed sides + 3, paper
// source + 4, printing picture + 5.
struct CoverControls {
  CoverControls(const SpecialPagesContext& context, ui::Window& window, std::int32_t base, const char* sourceKeyword)
      : paper(context, FindDialogControl(window, base + 1), FindDialogControl(window, base + 2),
              kJobContextCover),
        sides(FindDialogControl(window, base + 3)), source(FindDialogControl(window, base + 4)),
        picture(FindDialogControl(window, base + 5)), keyword(sourceKeyword) {}

  bool load(const platform::Bundle* bundle) {
    if (sides == nullptr || source == nullptr) return false;
    PopulatePopupButtonFromMap(bundle, *sides, CoverSidesImagedMap, kJobContextCover, 0);
    ui::Menu& menu = source->menu();
    menu.clear();
    menu.append(ui::MenuItem(bundle->localizedString("UseJobSetting"), 0, kPrinterDefault));
    for (const PPDOfferedChoice& choice : PPDCopyOfferedChoices(PPDGetCurrent(), keyword, false))
      if (choice.ticketValue != kPrinterDefault) menu.append(ui::MenuItem(choice.text, 0, choice.ticketValue));
    source->setMinimum(1);
    source->setMaximum(menu.count());
    source->setValue(1);
    if (picture != nullptr) InitializeIcon(bundle, picture);
    return true;
  }

  // A new cover: printed on no side, the cover paper, the source its pop-up shows.
  Cover made() const {
    Cover cover;
    cover.setSidesImaged(kBlankOrPreprinted);
    DefaultStock(cover.stock(), kJobContextCover);
    cover.stock().setSource(GetPopupButtonTicketValue(*source).value_or(kPrinterDefault));
    return cover;
  }

  void show(const std::optional<Cover>& cover, bool enabled) const {
    paper.show(cover ? &cover->stock() : nullptr);
    paper.setEnabled(cover && enabled);
    sides->setEnabled(cover && enabled);
    source->setEnabled(cover && enabled);
    if (cover) {
      SetPopupButtonToTicketValue(*sides, cover->sidesImaged());
      if (!SetPopupButtonToTicketValue(*source, cover->stock().source())) source->setValue(1);
    } else {
      sides->setValue(1);
    }
    ShowPicture(picture, cover ? PictureOf(kPrintingPictures, cover->sidesImaged()) : "");
  }

  // A change of this cover's controls, into the cover: true when it was one of them.
  bool take(const ui::Event& e, std::optional<Cover>& cover) const {
    if (!cover) return false;
    if (paper.handle(e, cover->stock())) return true;
    if (e.eventClass != ui::kEventClassControl) return false;
    if (e.control == sides) {
      cover->setSidesImaged(GetPopupButtonTicketValue(*sides).value_or(kBlankOrPreprinted));
      return true;
    }
    if (e.control == source) {
      cover->stock().setSource(GetPopupButtonTicketValue(*source).value_or(kPrinterDefault));
      return true;
    }
    return false;
  }

  PaperChooser paper;
  ui::Control* sides;
  ui::Control* source;
  ui::Control* picture;
  const char* keyword;
};

class CoversDialog {
 public:
  CoversDialog(const SpecialPagesContext& context, ui::Window& window, SpecialPages& pages)
      : context_(context), window_(window), front_(context, window, 20, "KVFrontCoverSheet"),
        back_(context, window, 30, "KVBackCoverSheet"), frontCover_(pages.frontCover), backCover_(pages.backCover) {}

  bool load(bool editing) {
    option_ = FindDialogControl(window_, kOptionPopup);
    if (option_ == nullptr || !front_.load(context_.bundle) || !back_.load(context_.bundle)) return false;
    SetLocalizedWindowTitle(context_.bundle, editing ? "Covers Dialog Title Edit" : "Covers Dialog Title Add", &window_);
    if (ui::Control* picture = FindDialogControl(window_, kOptionPicture)) InitializeIcon(context_.bundle, picture);
    const std::int32_t option = !frontCover_ && !backCover_ ? kNoCovers
                                : !backCover_               ? kFrontOnly
                                : !frontCover_              ? kBackOnly
                                : *frontCover_ == *backCover_ ? kSameCovers
                                                              : kDifferentCovers;
    SetPopupButtonToTicketValue(*option_, option);
    show();
    return true;
  }

  ui::EventHandlerRef install() {
    return window_.installHandler(
        {{ui::kEventClassControl, ui::kEventControlHit}, {ui::kEventClassCommand, ui::kEventCommandProcess}},
        [this](ui::Event& e) { return handle(e); });
  }

  void defaults() {
    SetPopupButtonToTicketValue(*option_, kNoCovers);
    choose(kNoCovers);
    show();
  }

 private:
  std::int32_t option() const { return GetPopupButtonTicketValue(*option_).value_or(kNoCovers); }

  void choose(std::int32_t option) {
    const bool wantFront = option != kNoCovers && option != kBackOnly;
    const bool wantBack = option == kBackOnly || option == kSameCovers || option == kDifferentCovers;
    if (!wantFront) frontCover_.reset();
    if (!wantBack) backCover_.reset();
    if (wantFront && !frontCover_) frontCover_ = front_.made();
    if (wantBack && !backCover_) backCover_ = back_.made();
    followFront();
  }

  // With Same Covers the back is the front's copy, whatever changed on the front.
  void followFront() {
    if (option() == kSameCovers && frontCover_) backCover_ = frontCover_;
  }

  void show() {
    ShowPicture(FindDialogControl(window_, kOptionPicture), PictureOf(kOptionPictures, option()));
    front_.show(frontCover_, true);
    back_.show(backCover_, option() != kSameCovers);
  }

  platform::OSStatus handle(ui::Event& e) {
    if (front_.take(e, frontCover_)) {
      followFront();
    } else if (back_.take(e, backCover_)) {
    } else if (e.eventClass == ui::kEventClassControl && e.control == option_) {
      choose(option());
    } else {
      return platform::eventNotHandledErr;
    }
    show();
    return e.eventClass == ui::kEventClassCommand ? platform::noErr : platform::eventNotHandledErr;
  }

  const SpecialPagesContext& context_;
  ui::Window& window_;
  CoverControls front_, back_;
  std::optional<Cover>& frontCover_;  // the dialog's copies
  std::optional<Cover>& backCover_;
  ui::Control* option_ = nullptr;
};

}  // namespace

DialogAnswer<SpecialPages> RunModalCoversDialog(const SpecialPagesContext& context, bool editing) {
  return RunDialog(context.bundle, {kSpecialPageDialogsInterfaceName, "Covers", kHelpPage},
                   CopySpecialPages(context.pages),
                   [&](ui::Window& window, SpecialPages& pages) -> std::optional<DialogWiring> {
                     auto dialog = std::make_shared<CoversDialog>(context, window, pages);
                     if (!dialog->load(editing)) return std::nullopt;
                     return WireDialog(std::move(dialog));
                   });
}
