#include "panels/advanced/job_ticket_summary_window.h"

#include <algorithm>
#include <variant>

#include "kit/control_helpers.h"
#include "kit/plugin_bundle.h"
#include "panels/modal_dialog.h"
#include "platform/four_char_code.h"
#include "platform/ui/interaction.h"

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

// The window edits nothing: its answer says only whether the user went on.
using SummaryChoice = std::monostate;

}  // namespace

platform::OSStatus DisplayJTKTImportExportSummary(const platform::PlistDict* settings, JTKTImportExportMode mode,
                                                  const char* name) {
  if (settings == nullptr) return platform::paramErr;
  const platform::Bundle* bundle = GetPDEBundle();
  if (bundle == nullptr) return platform::kPMInvalidPDEContext;
  const DialogWindowNames names{"JTKTSummary", "Summary", ""};
  const DialogAnswer<SummaryChoice> answer =
      RunDialog(bundle, names, SummaryChoice{}, [&](ui::Window& window, SummaryChoice&) -> std::optional<DialogWiring> {
        ui::Control* confirm = window.find(kConfirmID);
        ui::Control* cancel = window.find(kCancelID);
        ui::Control* copyAll = window.find(kCopyAllID);
        ui::Control* text = window.find(kTextID);
        if (!confirm || !cancel || !copyAll || !text) return std::nullopt;
        const bool importing = mode == kJTKTImportMode;
        if (importing)
          SetLocalizedWindowTitle(bundle, "Import Korvo Job Ticket", &window, {std::string(name ? name : "")});
        else
          SetLocalizedWindowTitle(bundle, "Export Korvo Job Ticket", &window);
        SetLocalizedControlTitle(bundle, importing ? "Import" : "Export...", confirm);
        LayOutButtons(window, *confirm, *cancel, *copyAll);
        UpdateSummaryTextView(text, JTKTSummaryText(*settings).c_str());
        // Copy All has no command of its own: a click puts the whole summary on the clipboard.
        copyAll->setEnabled(true);
        DialogWiring wiring;
        wiring.handlers.push_back(copyAll->installHandler({{ui::kEventClassControl, ui::kEventControlHit}},
                                                          [text](ui::Event&) {
                                                            ui::SetClipboardText(text->text());
                                                            return platform::noErr;
                                                          }));
        return wiring;
      });
  if (answer.status != platform::noErr) return platform::fnfErr;  // the loader has said why
  return answer.record ? platform::noErr : kSummaryCancelled;
}
