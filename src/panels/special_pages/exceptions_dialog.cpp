// The exceptions dialog, on a clone of the range it adds or edits: its pages, paper, sides and
// image shift on one tab, its colour and image quality on the other. Nothing reaches the list
// before OK; OK makes one range per range typed, each a copy of the clone.
#include <array>
#include <memory>

#include "controls/combo_box.h"
#include "kit/control_helpers.h"
#include "kit/dialog_services.h"
#include "model/full_color_summary.h"
#include "model/image_options_keys.h"
#include "model/page_ranges.h"
#include "model/special_pages_codes.h"
#include "panels/image_options/color_setup_dialog.h"
#include "panels/image_options/image_shift_dialog.h"
#include "panels/special_pages/special_page_dialog_parts.h"
#include "panels/special_pages/special_pages_panel.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr const char* kHelpPages[] = {"special_pages/tab_add_exceptions_paper_output_d.htm",
                                      "special_pages/tab_add_exceptions_image_options_d.htm"};
constexpr std::int32_t kTabs = 100, kFirstTabPane = 101, kTabCount = 2;
constexpr std::int32_t kPagesField = 12, kPaperSummary = 16, kPaperMenu = 17;
constexpr std::int32_t kPlexPopup = 20, kPlexPicture = 21, kImageShiftSummary = 22, kImageShiftButton = 23;
constexpr std::int32_t kColorSummary = 30, kColorButton = 31, kHalftonePopup = 32, kAntialiasingPopup = 33,
                       kOutputColorPopup = 34, kOutputColorPicture = 35, kCurveCombo = 36, kLightenDarkenPopup = 42;
constexpr std::int32_t kLightest = kLightenDarkenLightest, kDarkest = kLightenDarkenDarkest;
constexpr int kCurveHistoryCount = 10, kCurveMaximumLength = 30;

std::string PlexPicture(std::int32_t plex) {
  switch (plex) {
    case 1: return "2SidedPrinting_1Sided.png";
    case 2: return "2SidedPrinting_2Sided.png";
    case 3: return "2SidedPrinting_2SidedFlip.png";
    default: return "2SidedPrinting_PrnDef.png";
  }
}

std::string OutputColorPicture(std::int32_t color) {
  switch (color) {
    case 1: return "OutputColor_BlackandWhite.png";
    case 2: return "OutputColor_Color.png";
    default: return "OutputColor_PrnDef.png";
  }
}

// Lighten/darken from lightest (-5) to darkest (5), under the row that leaves it to the job.
void FillLightenDarken(const platform::Bundle* bundle, ui::Control& popup) {
  ui::Menu& menu = popup.menu();
  menu.clear();
  menu.append(ui::MenuItem(bundle->localizedString("UseJobSetting"), 0, kPrinterDefault));
  for (std::int32_t step = kLightest; step <= kDarkest; ++step) {
    const char* key = step == kLightest ? "Lighten Darken Lightest"
                      : step == 0       ? "Lighten Darken Normal"
                      : step == kDarkest ? "Lighten Darken Darkest"
                                         : nullptr;
    menu.append(ui::MenuItem(key ? FormatLocalizedText(bundle->localizedString(key), {std::int64_t{step}}) : std::to_string(step),
                             0, step));
  }
  popup.setMinimum(1);
  popup.setMaximum(menu.count());
}

// Each pop-up and the field of the range it edits.
struct RangePopup {
  std::int32_t id;
  const SettingMap* map;
  std::int32_t (ExceptionPage::*get)() const;
  void (ExceptionPage::*set)(std::int32_t);
};
const RangePopup kPopups[] = {
    {kPlexPopup, PlexMap, &ExceptionPage::plex, &ExceptionPage::setPlex},
    {kHalftonePopup, HalftoneScreenMap, &ExceptionPage::halftoneScreen, &ExceptionPage::setHalftoneScreen},
    {kAntialiasingPopup, AntialiasingMap, &ExceptionPage::antialiasing, &ExceptionPage::setAntialiasing},
    {kOutputColorPopup, OutputColorMap, &ExceptionPage::outputColor, &ExceptionPage::setOutputColor},
    {kLightenDarkenPopup, nullptr, &ExceptionPage::lightenDarken, &ExceptionPage::setLightenDarken},
};

class ExceptionsDialog {
 public:
  ExceptionsDialog(const SpecialPagesContext& context, ui::Window& window, SpecialPages& pages,
                   const ExceptionPage* edited)
      : context_(context), bundle_(context.bundle), window_(window), list_(pages.exceptions), edited_(edited),
        paper_(context, FindDialogControl(window, kPaperSummary), FindDialogControl(window, kPaperMenu),
               kJobContextException) {}

  bool load() {
    pages_ = FindDialogControl(window_, kPagesField);
    tabs_ = FindDialogControl(window_, kTabs);
    curve_ = FindDialogControl(window_, kCurveCombo);
    for (int i = 0; i < kTabCount; ++i) panes_[static_cast<std::size_t>(i)] = FindDialogControl(window_, kFirstTabPane + i);
    if (!pages_ || !tabs_ || !curve_ || !panes_[0] || !panes_[1]) return false;
    for (const RangePopup& p : kPopups) {
      ui::Control* popup = FindDialogControl(window_, p.id);
      if (popup == nullptr) return false;
      if (p.map != nullptr)
        PopulatePopupButtonFromMap(bundle_, *popup, p.map, kJobContextException, 0);
      else
        FillLightenDarken(bundle_, *popup);
    }
    SetLocalizedWindowTitle(bundle_, edited_ ? "Edit Exceptions Title" : "Add Exceptions Title", &window_);
    LimitToPageRangeCharacters(pages_);
    KComboOptions options;
    options.kind = KComboKind::kText;
    options.bundle = bundle_;
    options.map = TRCMap;
    options.context = kJobContextException;
    options.historyKey = kTRCInputHistoryKey;
    options.maximumHistoryCount = kCurveHistoryCount;
    options.maximumLength = kCurveMaximumLength;
    KComboBoxInitializeWithMapAndHistory(curve_, options);
    for (std::int32_t id : {kPlexPicture, kOutputColorPicture})
      if (ui::Control* picture = FindDialogControl(window_, id)) InitializeIcon(bundle_, picture);
    return true;
  }

  void fill() {
    if (edited_ != nullptr) {
      range_ = *edited_;
      const std::int32_t first = range_.startPage(), last = range_.endPage();
      pages_->setText(first == last ? std::to_string(first) : std::to_string(first) + "-" + std::to_string(last));
    } else {
      DefaultStock(range_.stock(), kJobContextException);
    }
    std::optional<std::string> curve;
    range_.colorOptions().trc(&curve);
    const KComboValue value = curve ? KComboValue(*curve) : KComboValue(kPrinterDefault);
    KComboBoxSetValue(curve_, &value);
    show();
  }

  ui::EventHandlerRef install() {
    UpdateTabControl(*tabs_, kTabCount, panes_.data());
    return window_.installHandler(
        {{ui::kEventClassControl, ui::kEventControlHit}, {ui::kEventClassCommand, ui::kEventCommandProcess}},
        [this](ui::Event& e) { return handle(e); });
  }

  // The ranges typed, each a copy of the clone, into the dialog's list; false, after an alert,
  // for pages that cannot be had or a list that refuses them.
  bool accept() {
    takeCurve();
    std::vector<PageRange> ranges;
    platform::OSStatus status = ParsePageRanges(pages_->text(), &ranges);
    for (const PageRange& r : ranges)
      if (status == platform::noErr && r.first <= 0) status = kInvalidPageNumbersErr;
    if (status != platform::noErr) {
      ShowPageRangeAlert(bundle_, status);
      return false;
    }
    std::vector<ExceptionPage> made(ranges.size(), range_);
    std::vector<const SpecialPage*> added;
    for (std::size_t i = 0; i < ranges.size(); ++i) {
      made[i].setStartPage(ranges[i].first);
      made[i].setEndPage(ranges[i].first + ranges[i].count - 1);
      added.push_back(&made[i]);
    }
    status = edited_ ? list_.update(edited_, added) : list_.add(added);
    if (status != platform::noErr) {
      ShowPageRangeAlert(bundle_, kInvalidPageNumbersErr);
      return false;
    }
    return true;
  }

  // The curve typed is kept in the history.
  void collect() { KComboBoxFinalize(curve_, true); }

  // The help page of the tab in front.
  std::string_view helpPage() const { return kHelpPages[tabs_->value() == 2 ? 1 : 0]; }

  void defaults() {
    DefaultStock(range_.stock(), kJobContextException);
    pages_->setText("");
    range_.setPlex(kPrinterDefault);
    range_.imageShift().option = kPrinterDefault;
    range_.setHalftoneScreen(kPrinterDefault);
    range_.setAntialiasing(kPrinterDefault);
    range_.setOutputColor(kPrinterDefault);
    show();
  }

 private:
  // The curve combo box: a typed name becomes the curve, the special entry clears it, an empty
  // field leaves it.
  void takeCurve() {
    KComboValue value;
    if (KComboBoxCopyValue(curve_, &value) != platform::noErr) return;
    if (const std::string* name = std::get_if<std::string>(&value))
      range_.colorOptions().setTRC(*name);
    else if (std::get<std::int32_t>(value) == kPrinterDefault)
      range_.colorOptions().setTRC(std::nullopt);
  }

  void showPicture(std::int32_t id, const std::string& file) { ShowPicture(FindDialogControl(window_, id), file); }

  void showText(std::int32_t id, const std::optional<std::string>& text) {
    if (ui::Control* view = FindDialogControl(window_, id); view && text) UpdateSummaryTextView(view, text->c_str());
  }

  void show() {
    for (const RangePopup& p : kPopups)
      SetPopupButtonToTicketValue(*FindDialogControl(window_, p.id), (range_.*p.get)());
    paper_.show(&range_.stock());
    showPicture(kPlexPicture, PlexPicture(range_.plex()));
    showPicture(kOutputColorPicture, OutputColorPicture(range_.outputColor()));
    showText(kImageShiftSummary, GenerateImageShiftSummary(bundle_, &range_.imageShift(), kJobContextException));
    showText(kColorSummary, GenerateFullColorSummary(bundle_, &range_.colorOptions(), kJobContextException));
  }

  // The image shift works on the range's own paper size (the job's when it has none) and sides.
  void setUpImageShift() {
    ImageShiftOptions& shift = range_.imageShift();
    shift.paperSize = range_.stock().size() != kPrinterDefault ? range_.stock().size()
                      : context_.jobStock                     ? context_.jobStock->size()
                                                              : kPrinterDefault;
    shift.plex = range_.plex();
    TakeAnswer(RunModalImageShiftDialog(bundle_, context_.session, shift, kJobContextException), shift);
  }

  platform::OSStatus handle(ui::Event& e) {
    if (paper_.handle(e, range_.stock())) return platform::noErr;
    ui::Control* hit = e.control;
    if (e.eventClass != ui::kEventClassControl || hit == nullptr) return platform::eventNotHandledErr;
    for (const RangePopup& p : kPopups)
      if (hit == FindDialogControl(window_, p.id))
        (range_.*p.set)(GetPopupButtonTicketValue(*hit).value_or(kPrinterDefault));
    if (hit == tabs_) {
      UpdateTabControl(*tabs_, kTabCount, panes_.data());
    } else if (hit == FindDialogControl(window_, kImageShiftButton)) {
      setUpImageShift();
    } else if (hit == FindDialogControl(window_, kColorButton)) {
      takeCurve();
      TakeAnswer(RunModalColorSetupDialog(bundle_, range_.colorOptions(), kJobContextException),
                 range_.colorOptions());
    }
    show();
    return platform::eventNotHandledErr;
  }

  const SpecialPagesContext& context_;
  const platform::Bundle* bundle_;
  ui::Window& window_;
  ExceptionPageList& list_;     // the dialog's copy of the list
  const ExceptionPage* edited_;  // in that copy
  PaperChooser paper_;
  ExceptionPage range_;
  ui::Control* pages_ = nullptr;
  ui::Control* tabs_ = nullptr;
  ui::Control* curve_ = nullptr;
  std::array<ui::Control*, kTabCount> panes_{};
};

}  // namespace

DialogAnswer<SpecialPages> RunModalExceptionsDialog(const SpecialPagesContext& context,
                                                    const ExceptionPage* edited) {
  const long place = edited ? context.pages.exceptions.indexOfPage(edited) : -1;
  return RunDialog(context.bundle, {kSpecialPageDialogsInterfaceName, "Exceptions", kHelpPages[0]},
                   CopySpecialPages(context.pages),
                   [&](ui::Window& window, SpecialPages& pages) -> std::optional<DialogWiring> {
    const auto* same = place >= 0 ? static_cast<const ExceptionPage*>(pages.exceptions.pageAtIndex(place)) : nullptr;
    auto dialog = std::make_shared<ExceptionsDialog>(context, window, pages, same);
    if (!dialog->load()) return std::nullopt;
    dialog->fill();
    return WireDialog(std::move(dialog));
  });
}
