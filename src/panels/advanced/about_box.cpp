// The About box: which printer this is (from the printer-info ticket), the plug-in's version and
// the trademark notice. Its only button closes it.
#include <cstdio>
#include <string_view>
#include <utility>

#include "kit/control_helpers.h"
#include "model/advanced_keys.h"
#include "panels/advanced/advanced_panel.h"
#include "panels/modal_dialog.h"
#include "platform/ticket/printer_info.h"
#include "platform/ui/interaction.h"
#include "platform/ui/text_style.h"

namespace ui = platform::ui;

namespace {

constexpr ui::ControlID kPictureID{kAdvancedSignature, 506};
constexpr ui::ControlID kPrinterTextID{kAdvancedSignature, 501};
constexpr ui::ControlID kVersionTextID{kAdvancedSignature, 502};
constexpr ui::ControlID kNoticeTextID{kAdvancedSignature, 503};
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
  // Nothing to edit: the box shows what it knows until OK.
  return RunDialog(bundle, {"NewAboutPanel", "About", {}}, true, [&](ui::Window& window, bool&) -> std::optional<DialogWiring> {
    ui::Control* picture = window.find(kPictureID);
    ui::Control* printer = window.find(kPrinterTextID);
    ui::Control* version = window.find(kVersionTextID);
    ui::Control* notice = window.find(kNoticeTextID);
    if (!picture || !printer || !version || !notice) return std::nullopt;
    SetLocalizedWindowTitle(bundle, "About", &window);
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
    // The texts stand on the dark brand picture: white, the printer's name largest.
    for (auto [text, points] : {std::pair{printer, 20}, {version, 14}, {notice, 12}})
      ui::SetTextStyle(*text, {points, ui::kWhiteRGB});
    return DialogWiring{};
  }).status;
}
