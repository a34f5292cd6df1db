// The booklet dialog's creation form. The two radio groups move together: a booklet fold turns
// layout on, "None" turns it off; the layout's own controls follow whether it is on.
#include "panels/booklet/booklet_dialog.h"

#include <memory>

#include "controls/spin_control.h"
#include "kit/control_helpers.h"
#include "model/finishing_folds.h"
#include "model/paper_output_codes.h"
#include "model/special_pages_ticket.h"
#include "panels/stock_menu/custom_stock_dialogs.h"
#include "platform/ui/interaction.h"
#include "vocabulary/installable_options.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr platform::OSType kSignature = platform::FourCharCode("KPDE");
// The finishing group's buttons, in order.
constexpr std::int32_t kFoldValues[] = {kFoldNone, kFoldBiFoldMultipleInside, kFoldBookletFoldStaple};
constexpr const char* kHelpPage = "Paper_Output/Finishing/db_booklet_creation_d.htm";
// Square fold and trim have dialogs of their own; the booklet dialog's copies stay hidden.
constexpr std::int32_t kHiddenControls[] = {1621, 1622, 1623, 1624};

ui::ControlID Id(std::int32_t id) { return {kSignature, id}; }

void ChooseOptionButton(ui::Control& group, std::size_t place) {
  for (std::size_t i = 0; i < group.children().size(); ++i) group.children()[i]->setValue(i == place ? 1 : 0);
  group.setValue(static_cast<std::int32_t>(place) + 1);
}

struct BookletControls {
  ui::Control* finishing = nullptr;  // radio groups; the plain options form has no finishing
  ui::Control* layout = nullptr;
  ui::Control* outlines = nullptr;
  ui::Control* newSize = nullptr;
  ui::Control* gutterField = nullptr;
  ui::Control* gutterArrows = nullptr;
  ui::Control* creepField = nullptr;
  ui::Control* creepArrows = nullptr;
  ui::Control* picture = nullptr;
  bool Found() const {
    return (finishing == nullptr || finishing->children().size() == 3) && layout && layout->children().size() == 2 &&
           outlines && newSize && gutterField && gutterArrows && creepField && creepArrows && picture;
  }
};

// Booklet pages come from the whole document: an exception list with pages, or without one an
// insert list with pages, rules booklet out. Either list counts on its own.
bool SpecialPagesRuleBookletOut(const platform::PrintSession* session) {
  const platform::Ticket* t = session ? session->ticket(platform::kPDE_PMPrintSettingsRef) : nullptr;
  if (t == nullptr) return false;
  return TicketHoldsSpecialPages(*t, false);
}

void Show(const BookletControls& c, const BookletParameters& p, bool bookletAllowed) {
  std::int32_t place = 1;
  for (std::int32_t i = 0; i < 3; ++i)
    if (kFoldValues[i] == p.fold) place = i + 1;
  if (c.finishing != nullptr) {
    ChooseOptionButton(*c.finishing, static_cast<std::size_t>(place - 1));
    for (int i = 2; i <= 3; ++i) c.finishing->children()[static_cast<std::size_t>(i - 1)]->setEnabled(bookletAllowed);
  }
  ChooseOptionButton(*c.layout, p.layoutOn ? 1 : 0);
  c.layout->children()[1]->setEnabled(bookletAllowed);
  c.outlines->setValue(p.outlines == 2 ? 1 : 0);
  SetPopupButtonToTicketValue(*c.newSize, p.newSize);
  ShowSpinControlValue(c.gutterArrows, p.gutter);
  ShowSpinControlValue(c.creepArrows, p.creep);
  for (ui::Control* control : {c.outlines, c.newSize, c.gutterField, c.gutterArrows, c.creepField, c.creepArrows})
    control->setEnabled(p.layoutOn);
  c.picture->setPicture(BookletPicture(p.fold, p.layoutOn, p.outlines));
  DrawControl(*c.picture);
}

// The parameters as the controls show them; without finishing choices the fold stays shown's.
BookletParameters Read(const BookletControls& c, const BookletParameters& shown) {
  BookletParameters p;
  p.fold = shown.fold;
  if (c.finishing != nullptr) {
    const std::int32_t place = c.finishing->value();
    p.fold = place >= 1 && place <= 3 ? kFoldValues[place - 1] : kFoldNone;
  }
  p.layoutOn = c.layout->value() == 2;
  p.outlines = c.outlines->value() != 0 ? 2 : 1;
  p.newSize = GetPopupButtonTicketValue(*c.newSize).value_or(kPrinterDefault);
  p.width = shown.width;
  p.length = shown.length;
  p.gutter = c.gutterArrows->value();
  p.creep = c.creepArrows->value();
  return p;
}

void SetUpSpin(const platform::Bundle* bundle, ui::Window& window, ui::Control& field, ui::Control& arrows,
               std::uint32_t decimals, std::int32_t rangeLabel, const char* rangeKey) {
  SetSpinControlField(arrows, field);
  SetSpinControlDecimals(arrows, decimals);
  CreateSpinControl(&arrows);
  auto shown = [decimals](std::int32_t v) {
    return decimals == 0 ? std::to_string(v) : std::to_string(v / 10) + "." + std::to_string(v % 10);
  };
  if (ui::Control* label = window.find(Id(rangeLabel)))
    SetLocalizedStaticText(bundle, rangeKey, label, {shown(arrows.minimum()), shown(arrows.maximum())});
}

void Localize(const platform::Bundle* bundle, ui::Window& window) {
  constexpr struct {
    std::int32_t id;
    const char* key;
  } kLabels[] = {{1609, "Booklet Finishing:"}, {1610, "Booklet Layout:"}, {1606, "Fit to New Size Label"},
                 {1611, "Gutter Label"},       {1615, "Creep Label"}};
  for (const auto& label : kLabels)
    if (ui::Control* text = window.find(Id(label.id))) SetLocalizedStaticText(bundle, label.key, text);
}

// "Custom..." asks for the size as the stock menu's does; a cancelled size dialog puts the pop-up
// back to the size before.
void TakeNewSize(const platform::Bundle* bundle, DialogState* dialog, BookletParameters& edited,
                 BookletParameters chosen) {
  if (chosen.newSize == kStockSizeCustom) {
    CustomSize size{chosen.width, chosen.length};
    if (!TakeAnswer(RunModalCustomStockSizeDialog(bundle, size, dialog), size)) return;
    chosen.width = size.width;
    chosen.length = size.length;
  }
  edited = chosen;
}

DialogAnswer<BookletParameters> RunBookletDialog(const platform::Bundle* bundle, const platform::PrintSession* session,
                                                bool staplesChosen, const char* windowName, const char* titleKey,
                                                BookletParameters parameters, DialogState* dialog) {
  const bool bookletAllowed = !staplesChosen && !SpecialPagesRuleBookletOut(session);
  return RunDialog(bundle, {"BookletCreation", windowName, kHelpPage}, parameters,
                   [&](ui::Window& window, BookletParameters& edited) -> std::optional<DialogWiring> {
    auto controls = std::make_shared<BookletControls>(BookletControls{
        window.find(Id(1630)), window.find(Id(1631)), window.find(Id(1605)), window.find(Id(1607)),
        window.find(Id(1612)), window.find(Id(1613)), window.find(Id(1616)), window.find(Id(1617)),
        window.find(Id(1608))});
    const BookletControls& c = *controls;
    if (!c.Found()) return std::nullopt;
    for (std::int32_t id : kHiddenControls)
      if (ui::Control* hidden = window.find(Id(id))) hidden->setVisible(false);
    SetLocalizedWindowTitle(bundle, titleKey, &window);
    Localize(bundle, window);
    InitializeIcon(bundle, c.picture);
    PopulatePopupButtonFromMap(bundle, *c.newSize, StockSizeMap, kJobContextJob, 0);
    if (ui::MenuItem* first = c.newSize->menu().item(1)) first->text = bundle ? bundle->localizedString("Off") : "Off";
    SetUpSpin(bundle, window, *c.gutterField, *c.gutterArrows, 0, 1614, "Gutter Range Label");
    SetUpSpin(bundle, window, *c.creepField, *c.creepArrows, 1, 1618, "Creep Range Label");
    Show(c, edited, bookletAllowed);
    DialogWiring wiring;
    wiring.state = controls;
    if (c.finishing != nullptr)
      wiring.handlers.push_back(c.finishing->installHandler(
          {{ui::kEventClassControl, ui::kEventControlHit}}, [&c, &edited, bookletAllowed](ui::Event&) {
            edited = Read(c, edited);
            edited.layoutOn = edited.fold != kFoldNone;  // a booklet fold is a booklet; "None" is none
            Show(c, edited, bookletAllowed);
            return platform::noErr;
          }));
    auto follow = [&c, &edited, bookletAllowed](ui::Event&) {
      edited = Read(c, edited);
      Show(c, edited, bookletAllowed);
      return platform::noErr;
    };
    wiring.handlers.push_back(c.layout->installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, follow));
    wiring.handlers.push_back(c.outlines->installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, follow));
    wiring.handlers.push_back(c.newSize->installHandler(
        {{ui::kEventClassControl, ui::kEventControlHit}}, [&c, &edited, bundle, dialog, bookletAllowed](ui::Event&) {
          TakeNewSize(bundle, dialog, edited, Read(c, edited));
          Show(c, edited, bookletAllowed);
          return platform::noErr;
        }));
    wiring.acceptOK = [&c] {
      return SpinControlIsInputValid(c.gutterArrows) && SpinControlIsInputValid(c.creepArrows);
    };
    wiring.collect = [&c, &edited] { edited = Read(c, edited); };
    return wiring;
  });
}

}  // namespace

std::string BookletPicture(std::int32_t fold, bool layoutOn, std::int32_t outlines) {
  const char* folding = fold == kFoldBiFoldMultipleInside ? "-Fold"
                        : fold == kFoldBookletFoldStaple  ? "-Fold-Staple"
                                                          : "";
  if (!layoutOn) return std::string("BookletCreation_") + (*folding ? folding + 1 : "None") + ".png";
  return std::string("BookletCreation_Booklet") + folding + (outlines == 2 ? "-Outlines" : "") + ".png";
}

DialogAnswer<BookletParameters> RunModalBookletCreationDialog(const platform::Bundle* bundle,
                                                             const platform::PrintSession* session, bool staplesChosen,
                                                             const BookletParameters& parameters,
                                                             DialogState* dialog) {
  return RunBookletDialog(bundle, session, staplesChosen, "BookletCreation", "Booklet Creation", parameters, dialog);
}

DialogAnswer<BookletParameters> RunModalBookletOptionsDialog(const platform::Bundle* bundle,
                                                            const platform::PrintSession* session,
                                                            const BookletParameters& parameters, DialogState* dialog) {
  // Booklet finishing is offered only where the printer can fold booklets.
  const bool folds = AnyFinishingFeatureInstalled(kBookletFoldFeatures);
  return RunBookletDialog(bundle, session, false, folds ? "BookletFinishingOptions" : "BookletOptions",
                          "Booklet Options Title", parameters, dialog);
}
