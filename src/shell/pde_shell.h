#pragma once
// The panel shell: the seven operations the print dialog calls, fanned out to the six panels,
// and the shell services the rest of the plug-in uses.
#include <cstdint>
#include <string>

#include "kit/current_session.h"
#include "kit/panel_interface.h"
#include "kit/plugin_bundle.h"
#include "platform/bundle/bundle.h"
#include "platform/plugin/pde_interface.h"

inline constexpr platform::OSType kShellCreator = platform::FourCharCode("pde ");
inline constexpr std::uint32_t kShellMaxWidth = 540;
inline constexpr std::uint32_t kShellMaxHeight = 491;

platform::OSStatus PDEShellPrologue(platform::PMPDEContext* context, platform::OSType* creator, std::string* kind,
                                    std::string* title, std::uint32_t* maxH, std::uint32_t* maxV);
platform::OSStatus PDEShellInitialize(platform::PMPDEContext context, platform::PMPDEFlags* flags,
                                      platform::PMPDERef ref, platform::ControlRef parentUserPane,
                                      platform::PMPrintSession session);
platform::OSStatus PDEShellSync(platform::PMPDEContext context, platform::PMPrintSession session,
                                bool reinitializePlugIn);
platform::OSStatus PDEShellGetSummaryText(platform::PMPDEContext context, platform::SummaryArray* titles,
                                          platform::SummaryArray* values);
platform::OSStatus PDEShellOpen(platform::PMPDEContext context);
platform::OSStatus PDEShellClose(platform::PMPDEContext context);
platform::OSStatus PDEShellTerminate(platform::PMPDEContext context, platform::OSStatus status);

// Runs the shell's Sync on the dialog's shell context and current session (the session argument
// is not used): false before the ticket is read whole, true after the ticket was changed behind
// the panels' backs.
platform::OSStatus PDESync(platform::PMPrintSession session, bool reinitialize);

// Leaves the visible panel (it writes the ticket), has every other panel re-read the ticket, and
// shows the panel with tab index `index`.
void selectPanel(std::int32_t index, struct PDEShellContext* context);
