#include "jobticket/reader/jtkt_summary_window.h"

#include <algorithm>

#include "kit/control_helpers.h"
#include "kit/plugin_bundle.h"
#include "platform/four_char_code.h"
#include "platform/ui/interaction.h"
#include "platform/ui/interface_file.h"
#include "platform/ui/standard_commands.h"

namespace ui = platform::ui;

namespace {

constexpr platform::OSType kSignature = platform::FourCharCode("Kshl");
constexpr ui::ControlID kConfirmID{kSignature, 1};
constexpr ui::ControlID kCancelID{kSignature, 2};
constexpr ui::ControlID kCopyAllID{kSignature, 6002};
constexpr ui::ControlID kTextID{kSignature, 6003};
constexpr platform::OSStatus kSummaryCancelled = -1;
constexpr int kEdge = 20;
constexpr int kGap = 8;
constexpr int kCopyAllClearance = 40;

ui::Rect At(const ui::Rect& r, int x, int y) { return {x, y, r.width, r.height}; }

// The three buttons along the bottom: confirm in the corner, Cancel to its left, Copy All on the
// left; where they would overlap they move right, and the window widens to keep them.
void LayOutButtons(ui::Window& window, ui::Control& confirm, ui::Control& cancel, ui::Control& copyAll) {
  for (ui::Control* button : {&confirm, &cancel, &copyAll}) SetControlBestRect(button);
  ui::Rect content = window.content().bounds();
  ui::Rect ok = confirm.bounds(), no = cancel.bounds(), all = copyAll.bounds();
  ok = At(ok, content.width - kEdge - ok.width, content.height - kEdge - ok.height);
  no = At(no, ok.x - kGap - no.width, ok.y + ok.height - no.height);
  all = At(all, all.x, content.height - kEdge - all.height);
  if (all.x + all.width > no.x) {
    no.x = all.x + all.width + kCopyAllClearance;
    if (no.x + no.width > ok.x) {
      ok.x = no.x + no.width + kGap;
      if (ok.x + ok.width > content.width) window.content().setBounds({content.x, content.y, ok.x + ok.width + kEdge, content.height});
    }
  }
  confirm.setBounds(ok);
  cancel.setBounds(no);
  copyAll.setBounds(all);
}

}  // namespace

platform::OSStatus DisplayJTKTImportExportSummary(const platform::PlistDict* settings, JTKTImportExportMode mode,
                                                  const char* name) {
  if (settings == nullptr) return platform::paramErr;
  const platform::Bundle* bundle = GetPDEBundle();
  if (bundle == nullptr) return platform::kPMInvalidPDEContext;
  auto loaded = ui::CreateWindowFromInterface(*bundle, "JTKTSummary", "Summary");
  if (!loaded) return platform::fnfErr;  // the loader has said why
  std::unique_ptr<ui::Window> window = loaded.take();
  ui::Control* confirm = window->find(kConfirmID);
  ui::Control* cancel = window->find(kCancelID);
  ui::Control* copyAll = window->find(kCopyAllID);
  ui::Control* text = window->find(kTextID);
  if (!confirm || !cancel || !copyAll || !text) return platform::fnfErr;
  const bool importing = mode == kJTKTImportMode;
  if (importing)
    SetLocalizedWindowTitle(bundle, "Import Korvo Job Ticket", window.get(), {std::string(name ? name : "")});
  else
    SetLocalizedWindowTitle(bundle, "Export Korvo Job Ticket", window.get());
  SetLocalizedControlTitle(bundle, importing ? "Import" : "Export...", confirm);
  LayOutButtons(*window, *confirm, *cancel, *copyAll);
  UpdateSummaryTextView(text, JTKTSummaryText(*settings).c_str());

  bool confirmed = false;
  ui::EventHandlerRef handler = window->installHandler(
      {{ui::kEventClassCommand, ui::kEventCommandProcess}}, [&](ui::Event& e) {
        if (e.command == ui::kOKCommand) confirmed = true;
        if (e.command != ui::kOKCommand && e.command != ui::kCancelCommand) return platform::eventNotHandledErr;
        ui::QuitAppModalLoopForWindow(*window, confirmed ? 1 : 2);
        return platform::noErr;
      });
  // Copy All has no command of its own: a click puts the whole summary on the clipboard.
  copyAll->setEnabled(true);
  ui::EventHandlerRef copying = copyAll->installHandler({{ui::kEventClassControl, ui::kEventControlHit}}, [&](ui::Event&) {
    ui::SetClipboardText(text->text());
    return platform::noErr;
  });
  ui::RunAppModalLoopForWindow(*window);
  return confirmed ? platform::noErr : kSummaryCancelled;
}
