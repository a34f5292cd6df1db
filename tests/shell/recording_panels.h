#pragma once
// Panels for the shell tests: each records its calls in gPanelCalls as "<op><N>[:read|:write]"
// and, on a writing Sync, stores its number under "test.SharedKey", which every panel writes.
#include <string>
#include <string_view>
#include <vector>

#include "shell/panel_table.h"

namespace shell_test {

inline std::vector<std::string> gPanelCalls;

// Panel 99 fails its Prologue.
template <int N>
struct RecordingPanel {
  static platform::OSStatus Prologue(platform::PMPDEContext* context, platform::OSType*, std::string* kind,
                                     std::string* title, std::uint32_t*, std::uint32_t*) {
    static int instance = N;
    *context = &instance;
    *title = "Panel " + std::to_string(N);
    *kind = "kind" + std::to_string(N);
    gPanelCalls.push_back("Prologue" + std::to_string(N));
    return N == 99 ? platform::kPMInvalidPDEContext : platform::noErr;
  }
  static platform::OSStatus Sync(platform::PMPDEContext, platform::PMPrintSession session, bool reinit) {
    gPanelCalls.push_back("Sync" + std::to_string(N) + (reinit ? ":read" : ":write"));
    if (!reinit && session != nullptr)
      session->ticket(platform::kPDE_PMPrintSettingsRef)->set("test.SharedKey", N, "K");
    return platform::noErr;
  }
  static platform::OSStatus Open(platform::PMPDEContext) {
    gPanelCalls.push_back("Open" + std::to_string(N));
    return platform::noErr;
  }
  static platform::OSStatus Get(std::unique_ptr<PanelInterface>* out) {
    *out = std::make_unique<PanelInterface>(
        PanelInterface{nullptr, nullptr, nullptr, Prologue, nullptr, Sync, nullptr, Open, nullptr, nullptr});
    return platform::noErr;
  }
};

// "P1" to "P6" and "Failing"; nothing for any other name.
inline PanelInterfaceGetter LookupRecording(std::string_view name) {
  static const std::pair<std::string_view, PanelInterfaceGetter> getters[] = {
      {"P1", RecordingPanel<1>::Get}, {"P2", RecordingPanel<2>::Get}, {"P3", RecordingPanel<3>::Get},
      {"P4", RecordingPanel<4>::Get}, {"P5", RecordingPanel<5>::Get}, {"P6", RecordingPanel<6>::Get},
      {"Failing", RecordingPanel<99>::Get}};
  for (auto [n, g] : getters)
    if (n == name) return g;
  return nullptr;
}

inline constexpr const char* kSixPanels[] = {"P1", "P2", "P3", "P4", "P5", "P6", ""};

// The Sync calls recorded so far.
inline std::vector<std::string> SyncCalls() {
  std::vector<std::string> out;
  for (const auto& c : gPanelCalls)
    if (c.starts_with("Sync")) out.push_back(c);
  return out;
}

}  // namespace shell_test
