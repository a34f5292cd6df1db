#include "panels/stock_menu/custom_stock_text_setup.h"

#include "kit/control_helpers.h"
#include "kit/input_limiting.h"
#include "panels/stock_menu/custom_stock_dialogs.h"

namespace ui = platform::ui;

namespace {
constexpr platform::OSType kSignature = platform::FourCharCode("KPDE");
constexpr ui::ControlID kPictureID{kSignature, 20151};
constexpr ui::ControlID kOKID{kSignature, 1};

// "Custom Color": the name of a paper colour the printer's operator matches by eye.
constexpr CustomStockTextSetup kColorSetup{"CustomStockColorSetup", {kSignature, 20150},
                                           "paper_output/paper/db_custom_color_d.htm"};
// "Custom Type": the name of a paper type the printer's operator loads by hand.
constexpr CustomStockTextSetup kTypeSetup{"CustomStockTypeSetup", {kSignature, 20000},
                                          "paper_output/paper/db_custom_type_d.htm"};
// "Description": the paper's description as the printer's operator reads it, up to 255 characters.
constexpr CustomStockTextSetup kDescriptionSetup{"StockDescriptionSetup", {kSignature, 20200},
                                                 "paper_output/paper/db_new_edit_named_paper_d.htm", 255, false};

// The set-up on one text of the stock, read and written by the stock's accessors.
DialogAnswer<Stock> RunOnStock(const platform::Bundle* bundle, const CustomStockTextSetup& setup, Stock stock,
                               const std::string& (Stock::*get)() const, void (Stock::*set)(std::string)) {
  DialogAnswer<std::string> text = RunModalCustomStockTextSetup(bundle, setup, (stock.*get)());
  if (!text.record) return {text.status, std::nullopt};
  (stock.*set)(std::move(*text.record));
  return {platform::noErr, std::move(stock)};
}
}  // namespace

DialogAnswer<std::string> RunModalCustomStockTextSetup(const platform::Bundle* bundle,
                                                       const CustomStockTextSetup& setup, std::string text) {
  const DialogWindowNames names{setup.interfaceName, setup.interfaceName, setup.helpPage};
  return RunDialog(bundle, names, std::move(text),
                   [&](ui::Window& window, std::string& edited) -> std::optional<DialogWiring> {
                     ui::Control* field = window.find(setup.field);
                     ui::Control* ok = window.find(kOKID);
                     if (field == nullptr || ok == nullptr) return std::nullopt;
                     field->setText(edited);
                     LimitInputLengthAndCharacters(field, 0, setup.maximumLength, nullptr);
                     ok->setEnabled(!setup.needsText || !edited.empty());
                     window.setFocus(field);
                     if (ui::Control* picture = window.find(kPictureID)) InitializeIcon(bundle, picture);
                     DialogWiring wiring;
                     wiring.handlers.push_back(window.installHandler(
                         {{ui::kEventClassKPDE, ui::kEventInputEmpty},
                          {ui::kEventClassKPDE, ui::kEventInputLongEnough}},
                         [ok, &setup](ui::Event& e) {
                           ok->setEnabled(!setup.needsText || e.kind == ui::kEventInputLongEnough);
                           return platform::noErr;
                         }));
                     wiring.collect = [field, &edited] { edited = field->text(); };
                     return wiring;
                   });
}

DialogAnswer<Stock> RunModalCustomStockColorSetup(const platform::Bundle* bundle, Stock stock) {
  return RunOnStock(bundle, kColorSetup, std::move(stock), &Stock::customColor, &Stock::setCustomColor);
}

DialogAnswer<Stock> RunModalCustomStockTypeSetup(const platform::Bundle* bundle, Stock stock) {
  return RunOnStock(bundle, kTypeSetup, std::move(stock), &Stock::customType, &Stock::setCustomType);
}

DialogAnswer<Stock> RunModalStockDescriptionSetup(const platform::Bundle* bundle, Stock stock) {
  return RunOnStock(bundle, kDescriptionSetup, std::move(stock), &Stock::description, &Stock::setDescription);
}
