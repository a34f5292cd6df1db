#pragma once
// A panel that so far only has its place in the shell: a title, a context and the seven
// operations, which do nothing. Each panel starts from this until its controls and ticket
// entries are built.
#include <memory>
#include <string>

#include "shell/pde_shell.h"
#include "shell/shell_context.h"

// The creator code the panels name themselves with.
inline constexpr platform::OSType kPanelCreator = platform::FourCharCode("Kshl");

struct TitledPanelContext {
  std::string title;
};

template <const char* TitleKey>
struct TitledPanel {
  static platform::OSStatus Prologue(platform::PMPDEContext* context, platform::OSType* creator, std::string* kind,
                                     std::string* title, std::uint32_t* maxH, std::uint32_t* maxV) {
    if (context == nullptr) return platform::paramErr;
    auto panel = std::make_unique<TitledPanelContext>();
    platform::Bundle* bundle = GetPDEBundle();
    panel->title = bundle ? bundle->localizedString(TitleKey) : std::string(TitleKey);
    if (creator) *creator = kPanelCreator;
    if (kind) *kind = kShellKind;
    if (title) *title = panel->title;
    if (maxH) *maxH = 0;  // panels take the size the shell gives them
    if (maxV) *maxV = 0;
    *context = panel.release();  // the dialog holds it until Terminate
    return platform::noErr;
  }
  static platform::OSStatus Initialize(platform::PMPDEContext context, platform::PMPDEFlags*, platform::PMPDERef,
                                       platform::ControlRef, platform::PMPrintSession) {
    return context ? platform::noErr : platform::kPMInvalidPDEContext;
  }
  static platform::OSStatus Sync(platform::PMPDEContext context, platform::PMPrintSession session, bool) {
    return context && session ? platform::noErr : platform::kPMInvalidPrintSession;
  }
  static platform::OSStatus GetSummaryText(platform::PMPDEContext context, platform::SummaryArray*,
                                           platform::SummaryArray*) {
    return context ? platform::noErr : platform::kPMInvalidPDEContext;
  }
  static platform::OSStatus Open(platform::PMPDEContext context) {
    return context ? platform::noErr : platform::kPMInvalidPDEContext;
  }
  static platform::OSStatus Close(platform::PMPDEContext context) {
    return context ? platform::noErr : platform::kPMInvalidPDEContext;
  }
  static platform::OSStatus Terminate(platform::PMPDEContext context, platform::OSStatus) {
    if (context == nullptr) return platform::kPMInvalidPDEContext;
    std::unique_ptr<TitledPanelContext> owned(static_cast<TitledPanelContext*>(context));
    return platform::noErr;
  }
  static platform::OSStatus Get(std::unique_ptr<PanelInterface>* out) {
    if (out == nullptr) return platform::paramErr;
    *out = std::make_unique<PanelInterface>(PanelInterface{nullptr, nullptr, nullptr, Prologue, Initialize, Sync,
                                                           GetSummaryText, Open, Close, Terminate});
    return platform::noErr;
  }
};
