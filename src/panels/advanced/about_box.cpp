// The About box: which printer this is (from the printer-info ticket), the plug-in's version and
// the trademark notice. Its only button closes it.
#include <cstdio>
#include <string_view>

#include "kit/control_helpers.h"
#include "model/advanced_keys.h"
#include "panels/advanced/advanced_panel.h"
#include "panels/modal_dialog.h"
#include "platform/ticket/printer_info.h"
#include "platform/ui/interaction.h"

namespace ui = platform::ui;

namespace {

constexpr ui::ControlID kPictureID{kAdvancedSignature, 506};
constexpr ui::ControlID kPrinterTextID{kAdvancedSignature, 501};
constexpr ui::ControlID kVersionTextID{kAdvancedSignature, 502};
constexpr ui::ControlID kNoticeTextID{kAdvancedSignature, 503};
constexpr platform::OSType kCloseCommand = platform::FourCharCode("CLOS");
constexpr std::string_view kMakerWord = "Korvo ";

// "Korvo Prexan 5000" reads "Prexan 5000": the maker's name is on the box already.
std::string PrinterName(std::string name) {
  if (name.find("Korvo") == std::string::npos) return name;
  while (name.starts_with(kMakerWord)) name.erase(0, kMakerWord.size());
  while (name.ends_with(kMakerWord)) name.erase(name.size() - kMakerWord.size());
  return name;
}

std::string InfoString(const platform::Bundle& bundle, const char* key) {
  const platform::PlistValue* value = platform::PlistDictFind(bundle.infoDictionary(), key);
  const std::string* text = value ? value->asString() : nullptr;
  return text ? *text : std::string();
}

}  // namespace

platform::OSStatus RunModalAboutBox(const AdvancedContext& context) {
  const platform::Bundle* bundle = context.bundle;
  std::unique_ptr<ui::Window> window = LoadDialogWindow(bundle, "NewAboutPanel", "About");
  ui::Control* picture = window ? window->find(kPictureID) : nullptr;
  ui::Control* printer = window ? window->find(kPrinterTextID) : nullptr;
  ui::Control* version = window ? window->find(kVersionTextID) : nullptr;
  ui::Control* notice = window ? window->find(kNoticeTextID) : nullptr;
  if (!picture || !printer || !version || !notice) return kDialogNotLoadedErr;
  SetLocalizedWindowTitle(bundle, "About", window.get());
  picture->setPicture("Brand_About.png");
  InitializeIcon(bundle, picture);
  const platform::Ticket* info = context.session ? context.session->ticket(platform::kPDE_PMPrinterInfoRef) : nullptr;
  const std::string* makeAndModel = info ? info->getString(platform::kPMMakeAndModelNameKey) : nullptr;
  if (makeAndModel != nullptr)
    printer->setText(PrinterName(*makeAndModel));
  else
    std::fprintf(stderr, "ERROR: Could not find kPMMakeAndModelNameKey in PMTicket\t. File:%s\t Line:%d\n", __FILE__,
                 __LINE__);
  version->setText(FormatLocalizedText("%@ %@ (%@)", {bundle->localizedString("DriverVersion"),
                                                      InfoString(*bundle, "CFBundleShortVersionString"),
                                                      InfoString(*bundle, "CFBundleVersion")}));
  SetLocalizedStaticText(bundle, "KorvoTrademarkNotice", notice);
  ui::EventHandlerRef close = window->installHandler({{ui::kEventClassCommand, ui::kEventCommandProcess}},
                                                     [&](ui::Event& e) {
                                                       if (e.command != kCloseCommand) return platform::eventNotHandledErr;
                                                       ui::QuitAppModalLoopForWindow(*window, 1);
                                                       return platform::noErr;
                                                     });
  ui::RunAppModalLoopForWindow(*window);
  return platform::noErr;
}
