// "Advanced Paper Selection" and the named paper form: a pop-up per attribute of the paper, each
// choice made through the stock menu's own handler on a copy of the stock.
#include "panels/stock_menu/advanced_paper_dialog.h"

#include "controls/combo_box.h"
#include "kit/control_helpers.h"
#include "model/text_compare.h"
#include "panels/stock_menu/stock_menu_choice.h"
#include "platform/ui/interaction.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_menus.h"

namespace ui = platform::ui;

namespace {

constexpr platform::OSType kSignature = platform::FourCharCode("KPDE");
constexpr ui::ControlID Id(std::int32_t id) { return {kSignature, id}; }
constexpr std::int32_t kSizePopup = 22001, kSizeLabel = 22008, kColorPopup = 22002, kDescriptionPopup = 22007;
constexpr std::int32_t kSidesCoatedPopup = 22022, kCoatingPopup = 22024;
constexpr std::int32_t kNameCombo = 22060, kNameOnlyBox = 22061, kCommentField = 22062, kAttributes = 22066;
constexpr std::int32_t kNoticeArea = 22030;
constexpr std::int32_t kUncoated = 1;
constexpr int kNameLength = 255;
constexpr const char* kHelpPage = "paper_output/paper/db_adv_paper_select_d.htm";

// The pop-ups filled from a map, each with the command the stock menu's handler knows.
struct AttributePopup {
  std::int32_t id;
  const SettingMap* map;
  platform::OSType command;
  std::int32_t (Stock::*value)() const;
};
const AttributePopup kPopups[] = {
    {kSizePopup, StockSizeMap, kStockSizeCommand, &Stock::size},
    {kColorPopup, StockColorMap, kStockColorCommand, &Stock::color},
    {22003, StockTypeMap, kStockTypeCommand, &Stock::type},
    {22004, StockPunchedMap, kStockPunchedCommand, &Stock::punched},
    {kDescriptionPopup, StockDescriptionMap, kStockDescriptionCommand, nullptr},
    {kSidesCoatedPopup, SidesCoatedMap, kStockSidesCoatedCommand, &Stock::sidesCoated},
    {kCoatingPopup, CoatingTypeMap, kStockCoatingTypeCommand, &Stock::coatingType},
    {22034, GrainMap, kStockGrainCommand, &Stock::grain},
    {22032, FinishMap, kStockFinishCommand, &Stock::finish},
    {22041, WeightMap, kStockWeightCommand, &Stock::weight},
};

struct Form {
  const platform::Bundle* bundle;
  ui::Window& window;
  JobContext context;
  Stock& stock;
  DialogState* dialog;
  ui::Control* name = nullptr;
  ui::Control* comment = nullptr;
  ui::Control* nameOnly = nullptr;
};

void ShowValue(ui::Control& popup, std::int32_t value) {
  if (!SetPopupButtonToTicketValue(popup, value)) popup.setValue(0);
}

// Every pop-up shows the stock; the coating type only for a coated paper.
void ShowStock(Form& f) {
  const Stock& s = f.stock;
  for (const AttributePopup& p : kPopups) {
    ui::Control* popup = f.window.find(Id(p.id));
    if (popup == nullptr || (p.id == kSizePopup && f.context == kJobContextJob)) continue;
    if (p.id == kDescriptionPopup) {
      popup->setValue(s.description().empty() ? 1 : 2);
    } else {
      ShowValue(*popup, (s.*p.value)());
    }
  }
  const bool coated = s.sidesCoated() != kPrinterDefault && s.sidesCoated() != kUncoated;
  if (ui::Control* coating = f.window.find(Id(kCoatingPopup))) {
    coating->setEnabled(coated);
    if (!coated) coating->setValue(0);
  }
  if (f.nameOnly != nullptr) {
    f.nameOnly->setValue(s.customNameOnly() ? 1 : 0);
    if (ui::Control* attributes = f.window.find(Id(kAttributes))) attributes->setEnabled(!s.customNameOnly());
  }
  if (f.comment != nullptr) f.comment->setText(s.comment());
}

void FillPopups(Form& f) {
  for (const AttributePopup& p : kPopups)
    if (ui::Control* popup = f.window.find(Id(p.id)))
      PopulatePopupButtonFromMap(f.bundle, *popup, p.map, f.context, p.command);
  if (f.context == kJobContextJob)
    for (std::int32_t id : {kSizePopup, kSizeLabel})
      if (ui::Control* control = f.window.find(Id(id))) {
        control->setEnabled(false);
        control->setValue(0);
      }
}

// Defaults: every attribute back to the context's default paper, and no comment; the name stays.
void ResetToDefaults(Form& f) {
  Stock fresh;
  DefaultStock(fresh, f.context);
  fresh.setCustomName(f.stock.customName());
  f.stock = fresh;
  ShowStock(f);
}

platform::OSStatus HandleCommand(Form& f, ui::Event& e) {
  // A set-up cancelled from a pop-up leaves the pop-up showing the stock as it still is.
  const bool changed = ApplyStockAttributeChoice(e, f.stock, f.dialog);
  ShowStock(f);
  return changed ? platform::noErr : platform::eventNotHandledErr;
}

// The named paper form's OK: a name the library holds asks first. False keeps the dialog open.
bool AcceptName(const Form& f, const NamedPaperRequest& request, const std::string& openedName, bool& replace) {
  replace = false;
  if (request.skipDuplicateCheck || request.library == nullptr) return true;
  const std::string name = f.name->text();
  if (request.editing && EqualIgnoringCase(name, openedName)) {
    replace = true;
    return true;
  }
  if (!request.library->isDuplicate(name)) return true;
  ui::AlertRequest alert;
  alert.level = ui::AlertLevel::Caution;
  alert.title = f.bundle->localizedString("Replace Named Paper Header");
  alert.message = FormatLocalizedText(f.bundle->localizedString("Replace Named Paper Message"), {name});
  alert.buttons = {f.bundle->localizedString("Replace"), f.bundle->localizedString("Cancel")};
  replace = ui::RunStandardAlert(alert) == 1;
  return replace;
}

DialogAnswer<NamedPaper> RunStockSelection(const platform::Bundle* bundle, JobContext context,
                                           const NamedPaperRequest* named, Stock stock, DialogState* dialog) {
  const DialogWindowNames names{"AdvancedStockSelection",
                              named ? "StockLibraryStockSelection" : "AdvancedStockSelection", kHelpPage};
  const std::string openedName = stock.customName();
  return RunDialog(bundle, names, NamedPaper{std::move(stock)},
                   [&](ui::Window& window, NamedPaper& edited) -> std::optional<DialogWiring> {
    auto form = std::make_shared<Form>(Form{bundle, window, context, edited.stock, dialog});
    Form& f = *form;
    if (named != nullptr) {
      f.name = window.find(Id(kNameCombo));
      f.comment = window.find(Id(kCommentField));
      f.nameOnly = window.find(Id(kNameOnlyBox));
      if (f.name == nullptr || f.comment == nullptr || f.nameOnly == nullptr) return std::nullopt;
      SetLocalizedWindowTitle(bundle, named->editing ? "Edit Named Paper" : "Add Named Paper", &window);
      KComboOptions options;
      options.bundle = bundle;
      options.historyKey = "savedStockNames";
      options.maximumHistoryCount = 10;
      options.maximumLength = kNameLength;
      KComboBoxInitializeWithMapAndHistory(f.name, options);
      f.name->setText(openedName);
      LimitInputLengthAndCharacters(f.comment, 0, kNameLength, nullptr);
      if (window.defaultButton()) window.defaultButton()->setEnabled(named->editing || !openedName.empty());
      window.setFocus(f.name);
    } else if (ui::Control* notice = window.find(Id(kNoticeArea))) {
      notice->setVisible(false);
    }
    FillPopups(f);
    ShowStock(f);
    DialogWiring wiring;
    wiring.state = form;
    wiring.handlers.push_back(window.installHandler(
        {{ui::kEventClassCommand, ui::kEventCommandProcess},
         {ui::kEventClassControl, ui::kEventControlHit},
         {ui::kEventClassKPDE, ui::kEventInputEmpty},
         {ui::kEventClassKPDE, ui::kEventInputLongEnough}},
        [&f](ui::Event& e) -> platform::OSStatus {
          if (e.eventClass == ui::kEventClassCommand) return HandleCommand(f, e);
          if (e.eventClass == ui::kEventClassKPDE) {
            if (e.control == f.name && f.window.defaultButton())
              f.window.defaultButton()->setEnabled(e.kind == ui::kEventInputLongEnough);
            return platform::eventNotHandledErr;
          }
          if (f.nameOnly != nullptr && e.control == f.nameOnly) {
            f.stock.setCustomNameOnly(f.nameOnly->value() != 0);
            ShowStock(f);
          }
          return platform::eventNotHandledErr;
        }));
    wiring.defaults = [&f] { ResetToDefaults(f); };
    if (named != nullptr) {
      wiring.acceptOK = [&f, &edited, named, openedName] {
        return AcceptName(f, *named, openedName, edited.replace);
      };
      // The name and comment go back as shown, an emptied comment too.
      wiring.collect = [&f] {
        f.stock.setCustomName(f.name->text());
        f.stock.setComment(f.comment->text());
        KComboBoxFinalize(f.name, true);
      };
    }
    return wiring;
  });
}

}  // namespace

DialogAnswer<Stock> RunModalAdvancedStockSelection(const platform::Bundle* bundle, JobContext context, Stock stock,
                                                   DialogState* dialog) {
  DialogAnswer<NamedPaper> answer = RunStockSelection(bundle, context, nullptr, std::move(stock), dialog);
  if (!answer.record) return {answer.status, std::nullopt};
  return {platform::noErr, std::move(answer.record->stock)};
}

DialogAnswer<NamedPaper> RunModalNamedPaperStockSelection(const platform::Bundle* bundle, JobContext context,
                                                          const NamedPaperRequest& request, Stock stock) {
  return RunStockSelection(bundle, context, &request, std::move(stock), request.dialog);
}
