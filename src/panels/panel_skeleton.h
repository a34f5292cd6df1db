#pragma once
// The one adapter between a panel and the shell: it turns a panel type into the record of the
// dialog's seven operations, with the guards every operation needs, so that a panel itself only
// says what is its own. A panel type names:
//   Context                the panel's context record, default-made by Prologue, built on
//                          PanelContext (its title, bundle, pane and session)
//   kTitleKey              the localisation key of its title in the panel pop-up
// and, where it has them (each may be left out; the panel then does nothing there):
//   Prologue(ctx)                     defaults of a new context
//   Initialize(ctx)                   once the pane and the session are known, before the first read
//   ReadTicket(ctx, session, settings) the context from the session's tickets, the print-settings
//                                     one looked up (Sync, re-initialise)
//   WriteTicket(ctx, settings)        the context into the print-settings ticket (Sync)
//   ShowValues(ctx)                   the controls brought in line with the context after a read
//   Build(ctx) -> OSStatus            its controls, made by the first Open (and by each Open after
//                                     a build that failed); the values are shown after it
//   Rebuild(ctx)                      what Close took down, made again by a later Open
//   Close(ctx)                        what the panel takes down when the dialog hides it
//   kOpenRule                         how Opens that build nothing answer (PanelOpenRule)
//   Summary(ctx, titles, values)      its lines of the dialog's summary
//   Terminate(ctx)                    what it keeps for the next dialog, before the context goes
#include <memory>
#include <string>

#include "kit/panel_interface.h"
#include "kit/plugin_bundle.h"
#include "kit/ticket_access.h"
#include "panels/panel_context.h"
#include "platform/plugin/pde_interface.h"
#include "platform/status.h"
#include "platform/ticket/print_session.h"

// How a panel answers the Opens that do not build it; a panel without kOpenRule takes these.
struct PanelOpenRule {
  platform::OSStatus withoutPane = platform::noErr;  // no pane or no bundle to build on
  bool reportsFailedBuild = true;                     // a failed build answers its status, else noErr
  bool showsAgain = true;                             // a later Open rebuilds and shows the values
  platform::OSStatus laterOpen = platform::noErr;     // what a later Open answers
};

template <class Panel>
struct PanelSkeleton {
  using Context = typename Panel::Context;

  static Context* AsContext(platform::PMPDEContext context) { return static_cast<Context*>(context); }

  static platform::OSStatus Prologue(platform::PMPDEContext* context, platform::OSType* creator, std::string* kind,
                                     std::string* title, std::uint32_t* maxH, std::uint32_t* maxV) {
    if (context == nullptr) return platform::paramErr;
    auto panel = std::make_unique<Context>();
    panel->bundle = GetPDEBundle();
    panel->title = panel->bundle ? panel->bundle->localizedString(Panel::kTitleKey) : std::string(Panel::kTitleKey);
    if constexpr (requires { Panel::Prologue(*panel); }) Panel::Prologue(*panel);
    if (creator) *creator = kPanelCreator;
    if (kind) *kind = kShellKind;
    if (title) *title = panel->title;
    if (maxH) *maxH = 0;  // panels take the size the shell gives them
    if (maxV) *maxV = 0;
    *context = panel.release();  // the dialog holds it until Terminate
    return platform::noErr;
  }

  // The shell hands its DialogState as the reference.
  static platform::OSStatus Initialize(platform::PMPDEContext context, platform::PMPDEFlags*, platform::PMPDERef ref,
                                       platform::ControlRef pane, platform::PMPrintSession session) {
    Context* panel = AsContext(context);
    if (panel == nullptr || session == nullptr) return platform::kPMInvalidPDEContext;
    panel->dialog = static_cast<DialogState*>(ref);
    panel->pane = pane;
    panel->session = session;
    if constexpr (requires { Panel::Initialize(*panel); }) Panel::Initialize(*panel);
    return Sync(context, session, true);
  }

  // Re-initialise reads the ticket into the context and shows it; otherwise the context is
  // written into the ticket. A session without a print-settings ticket is left alone.
  static platform::OSStatus Sync(platform::PMPDEContext context, platform::PMPrintSession session, bool reinitialize) {
    Context* panel = AsContext(context);
    if (panel == nullptr || session == nullptr) return platform::kPMInvalidPrintSession;
    platform::Ticket* settings = nullptr;
    if (platform::OSStatus status = GetTicketFromSession(session, platform::kPDE_PMPrintSettingsRef, &settings);
        status != platform::noErr || settings == nullptr)
      return status;
    if (reinitialize) {
      if constexpr (requires { Panel::ReadTicket(*panel, *session, *settings); })
        Panel::ReadTicket(*panel, *session, *settings);
      if constexpr (requires { Panel::ShowValues(*panel); }) Panel::ShowValues(*panel);
    } else {
      if constexpr (requires { Panel::WriteTicket(*panel, *settings); }) Panel::WriteTicket(*panel, *settings);
    }
    return platform::noErr;
  }

  static platform::OSStatus GetSummaryText(platform::PMPDEContext context, platform::SummaryArray* titles,
                                           platform::SummaryArray* values) {
    Context* panel = AsContext(context);
    if (panel == nullptr) return platform::kPMInvalidPDEContext;
    if constexpr (requires { Panel::Summary(*panel, titles, values); }) Panel::Summary(*panel, titles, values);
    return platform::noErr;
  }

  static constexpr PanelOpenRule OpenRule() {
    if constexpr (requires { Panel::kOpenRule; }) return Panel::kOpenRule;
    return {};
  }

  // The first Open builds, later Opens rebuild: the one place that keeps the opened flag.
  static platform::OSStatus Open(platform::PMPDEContext context) {
    Context* panel = AsContext(context);
    if (panel == nullptr) return platform::kPMInvalidPDEContext;
    if constexpr (requires { Panel::Build(*panel); }) {
      constexpr PanelOpenRule rule = OpenRule();
      if (panel->pane == nullptr || panel->bundle == nullptr) return rule.withoutPane;
      platform::OSStatus status = platform::noErr;
      if (!panel->opened) {
        if (status = Panel::Build(*panel); status != platform::noErr)
          return rule.reportsFailedBuild ? status : platform::noErr;
        panel->opened = true;
      } else {
        if (!rule.showsAgain) return rule.laterOpen;
        if constexpr (requires { Panel::Rebuild(*panel); }) Panel::Rebuild(*panel);
        status = rule.laterOpen;
      }
      if constexpr (requires { Panel::ShowValues(*panel); }) Panel::ShowValues(*panel);
      return status;
    }
    return platform::noErr;
  }

  static platform::OSStatus Close(platform::PMPDEContext context) {
    Context* panel = AsContext(context);
    if (panel == nullptr) return platform::kPMInvalidPDEContext;
    if constexpr (requires { Panel::Close(*panel); }) Panel::Close(*panel);
    return platform::noErr;
  }

  static platform::OSStatus Terminate(platform::PMPDEContext context, platform::OSStatus) {
    if (context == nullptr) return platform::kPMInvalidPDEContext;
    std::unique_ptr<Context> owned(AsContext(context));  // its handlers and controls go with it
    if constexpr (requires { Panel::Terminate(*owned); }) Panel::Terminate(*owned);
    return platform::noErr;
  }

  // The panel's getter: a new record of the seven operations.
  static platform::OSStatus Get(std::unique_ptr<PanelInterface>* out) {
    if (out == nullptr) return platform::paramErr;
    *out = std::make_unique<PanelInterface>(PanelInterface{nullptr, nullptr, nullptr, Prologue, Initialize, Sync,
                                                           GetSummaryText, Open, Close, Terminate});
    return platform::noErr;
  }
};
