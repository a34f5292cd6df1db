// "Pad Printing": the pads pop-up, the two counts with their arrows and one-only check boxes, the
// back cover and its paper (the stock menu on a copy of the pad paper).
#include "panels/paper_output/pad_printing_dialog.h"

#include <strings.h>

#include <cstdlib>
#include <memory>

#include "kit/control_helpers.h"
#include "kit/input_limiting.h"
#include "panels/stock_menu/stock_menu_button.h"
#include "platform/ui/interaction.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr platform::OSType kSignature = platform::FourCharCode("KPDE");
constexpr ui::ControlID kPadsPopupID{kSignature, 2101};
constexpr ui::ControlID kNumberFieldID{kSignature, 2103};
constexpr ui::ControlID kNumberArrowsID{kSignature, 2104};
constexpr ui::ControlID kNumberBoxID{kSignature, 2105};
constexpr ui::ControlID kPagesFieldID{kSignature, 2107};
constexpr ui::ControlID kPagesArrowsID{kSignature, 2108};
constexpr ui::ControlID kPagesBoxID{kSignature, 2109};
constexpr ui::ControlID kBackCoverID{kSignature, 2111};
constexpr ui::ControlID kPaperSummaryID{kSignature, 2112};
constexpr ui::ControlID kPaperButtonID{kSignature, 2113};
constexpr ui::ControlID kLogoID{kSignature, 2114};
constexpr std::int32_t kBlankBackCover = 3;
constexpr int kCountDigits = 9;
constexpr const char* kBackCoverTexts[] = {"Printer Default", "No Back Cover", "Blank Back Cover"};
constexpr const char* kHelpPage = "paper_output/finishing/db_pads_d.htm";

struct CountControls {
  ui::Control *field, *arrows, *box;
};

struct Controls {
  ui::Control* pads;
  CountControls number, pages;
  ui::Control *backCover, *summary, *paperButton;
};

// The whole number the field holds; none for an empty field or one too long to be a count.
std::optional<long> CountIn(const ui::Control& field) {
  const std::string& text = field.text();
  if (text.empty() || text.size() > kCountDigits) return std::nullopt;
  return std::strtol(text.c_str(), nullptr, 10);
}

void ShowCount(CountControls& c, bool boxChecked, std::int32_t value) {
  c.box->setValue(boxChecked ? 1 : 0);
  c.field->setText(boxChecked ? "1" : value > 0 ? std::to_string(value) : std::string());
}

// One arrow click: a step of one, never below 1.
void StepCount(CountControls& c, std::int32_t part) {
  const long now = CountIn(*c.field).value_or(0);
  const long next = part == ui::kControlUpButtonPart ? now + 1 : now - 1;
  c.field->setText(std::to_string(next < 1 ? 1 : next));
}

void EnableControls(const Controls& c) {
  const bool on = c.pads->value() == kPadsEnabledItem;
  for (const CountControls* count : {&c.number, &c.pages}) {
    count->box->setEnabled(on);
    count->field->setEnabled(on && count->box->value() == 0);
    count->arrows->setEnabled(on && count->box->value() == 0);
  }
  c.backCover->setEnabled(on);
  c.paperButton->setEnabled(on && c.backCover->value() == kBlankBackCover);
}

void Alert(const platform::Bundle* bundle, ui::AlertLevel level, const char* header, const std::string& message) {
  ui::AlertRequest alert;
  alert.level = level;
  alert.title = bundle->localizedString(header);
  alert.message = message;
  alert.buttons = {bundle->localizedString("OK")};
  ui::RunStandardAlert(alert);
}

struct CountRule {
  long maximum;
  const char* missingKey;
  const char* tooManyKey;
  const char* tooManyDetailKey;
};
constexpr CountRule kNumberRule{kMaximumPads, "NumberOfPadErrorString", "InvalidPadNumber",
                                "InvalidPadNumberDetailedError"};
constexpr CountRule kPagesRule{kMaximumPagesPerPad, "PagesPerPadErrorString", "InvaldPagesPerPad",
                               "InvaldPagesPerPadDetailedError"};

// The count the field gives (1 with its box set), or none after the alert that refuses it.
std::optional<std::int32_t> CheckedCount(const platform::Bundle* bundle, const CountControls& c,
                                         const CountRule& rule) {
  if (c.box->value() != 0) return 1;
  const std::optional<long> count = CountIn(*c.field);
  if (!count || *count < 1) {
    Alert(bundle, ui::AlertLevel::Caution, rule.missingKey, bundle->localizedString("PadDetailedErrorString"));
    return std::nullopt;
  }
  if (*count > rule.maximum) {
    Alert(bundle, ui::AlertLevel::Caution, rule.tooManyKey, bundle->localizedString(rule.tooManyDetailKey));
    return std::nullopt;
  }
  return static_cast<std::int32_t>(*count);
}

}  // namespace

std::int32_t PadBackCoverChoice(const std::string& stored) {
  for (std::int32_t i = 0; i < 3; ++i)
    if (strcasecmp(stored.c_str(), kBackCoverTexts[i]) == 0) return i + 1;
  return 1;
}

const char* PadBackCoverText(std::int32_t choice) {
  return choice >= 1 && choice <= 3 ? kBackCoverTexts[choice - 1] : kBackCoverTexts[0];
}

DialogAnswer<PadPrinting> RunModalPadPrintingDialog(const PaperOutputContext& context) {
  const platform::Bundle* bundle = context.bundle;
  DialogState* dialog = context.dialog;
  return RunDialog(bundle, {"PadPrint", "PadPrint", kHelpPage}, PadPrinting{context.pads, context.padStock},
                   [bundle, dialog](ui::Window& window, PadPrinting& edited) -> std::optional<DialogWiring> {
    auto controls = std::make_shared<Controls>(Controls{
        window.find(kPadsPopupID),
        {window.find(kNumberFieldID), window.find(kNumberArrowsID), window.find(kNumberBoxID)},
        {window.find(kPagesFieldID), window.find(kPagesArrowsID), window.find(kPagesBoxID)},
        window.find(kBackCoverID),
        window.find(kPaperSummaryID),
        window.find(kPaperButtonID)});
    Controls& c = *controls;
    for (ui::Control* control : {c.pads, c.number.field, c.number.arrows, c.number.box, c.pages.field, c.pages.arrows,
                                 c.pages.box, c.backCover, c.summary, c.paperButton})
      if (control == nullptr) return std::nullopt;
    PadSettings& pads = edited.pads;
    Stock& paper = edited.paper;
    for (ui::Control* field : {c.number.field, c.pages.field})
      LimitInputLengthAndCharacters(field, 0, kCountDigits,
                                    std::make_shared<const CharacterSet>(CharacterSet::DecimalDigits()));
    BuildStockMenu(bundle, c.paperButton->menu(), kJobContextJob);
    if (ui::Control* logo = window.find(kLogoID)) {
      logo->setPicture(bundle->localizedString("PadPrint_Logo"));
      InitializeIcon(bundle, logo);
    }
    c.pads->setValue(pads.on ? kPadsEnabledItem : kPadsDisabledItem);
    ShowCount(c.number, pads.numberBoxChecked, pads.numberOfPads);
    ShowCount(c.pages, pads.pagesBoxChecked, pads.pagesPerPad);
    c.backCover->setValue(PadBackCoverChoice(pads.backCover));
    ShowStockSummary(bundle, c.summary, &paper, kJobContextJob);
    EnableControls(c);

    DialogWiring wiring;
    wiring.state = controls;
    wiring.handlers.push_back(window.installHandler(
        {{ui::kEventClassControl, ui::kEventControlHit}, {ui::kEventClassCommand, ui::kEventCommandProcess}},
        [bundle, dialog, &c, &paper](ui::Event& e) {
          if (e.eventClass == ui::kEventClassCommand) {
            if (!ApplyStockMenuChoice(e, paper, dialog)) return platform::eventNotHandledErr;
            ShowStockSummary(bundle, c.summary, &paper, kJobContextJob);
            return platform::noErr;
          }
          for (CountControls* count : {&c.number, &c.pages}) {
            if (e.control == count->arrows) StepCount(*count, e.part);
            if (e.control == count->box && count->box->value() != 0) count->field->setText("1");
          }
          EnableControls(c);
          return platform::eventNotHandledErr;
        }));
    wiring.acceptOK = [bundle, &c, &pads] {
      pads.on = c.pads->value() == kPadsEnabledItem;
      if (!pads.on) return true;
      const std::optional<std::int32_t> number = CheckedCount(bundle, c.number, kNumberRule);
      if (!number) return false;
      const std::optional<std::int32_t> pages = CheckedCount(bundle, c.pages, kPagesRule);
      if (!pages) return false;
      pads.numberOfPads = *number;
      pads.pagesPerPad = *pages;
      pads.numberBoxChecked = c.number.box->value() != 0;
      pads.pagesBoxChecked = c.pages.box->value() != 0;
      pads.backCover = PadBackCoverText(c.backCover->value());
      const std::int64_t total = std::int64_t{*number} * *pages;
      Alert(bundle, ui::AlertLevel::Note, "Pad Printing",
            FormatLocalizedText(bundle->localizedString("PadEnabledAlert"), {total}));
      return true;
    };
    return wiring;
  });
}
