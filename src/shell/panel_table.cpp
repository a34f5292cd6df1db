#include "shell/panel_table.h"

#include <cstdio>
#include <utility>

#include "panels/panel_getters.h"

const char* const PanelInterfaces[] = {
    "GetPaperOutputPanelInterface",      "GetSpecialPagesPanelInterface",
    "GetImageOptionsPanelInterface",     "GetJobNotesPanelInterface",
    "GetBookletWatermarkPanelInterface", "GetAdvancedPanelInterface",
    "",
};

PanelInterfaceGetter LookupBuiltInPanelGetter(std::string_view name) {
  // The module's own symbol table for its panels; the getters stay hidden from the outside.
  static constexpr std::pair<std::string_view, PanelInterfaceGetter> kGetters[] = {
      {"GetPaperOutputPanelInterface", GetPaperOutputPanelInterface},
      {"GetSpecialPagesPanelInterface", GetSpecialPagesPanelInterface},
      {"GetImageOptionsPanelInterface", GetImageOptionsPanelInterface},
      {"GetJobNotesPanelInterface", GetJobNotesPanelInterface},
      {"GetBookletWatermarkPanelInterface", GetBookletWatermarkPanelInterface},
      {"GetAdvancedPanelInterface", GetAdvancedPanelInterface},
  };
  for (const auto& [getterName, getter] : kGetters)
    if (getterName == name) return getter;
  return nullptr;
}

void LoadPanels(PDEShellContext& context, const char* const names[], PanelGetterLookup lookup) {
  for (size_t i = 0; names[i] != nullptr && names[i][0] != '\0'; ++i) {
    PanelInterfaceGetter getter = lookup(names[i]);
    if (getter == nullptr) {
      std::fprintf(stderr, "ERROR: panel getter %s not found\n", names[i]);
      continue;
    }
    std::unique_ptr<PanelInterface> record;
    if (getter(&record) != platform::noErr || record == nullptr || record->Prologue == nullptr) {
      std::fprintf(stderr, "ERROR: panel getter %s gave no panel\n", names[i]);
      continue;
    }
    PanelSlot slot;
    slot.interface = *record;
    platform::OSType creator = 0;
    std::uint32_t maxH = 0, maxV = 0;
    if (record->Prologue(&slot.context, &creator, &slot.kind, &slot.title, &maxH, &maxV) != platform::noErr) {
      std::fprintf(stderr, "ERROR: the Prologue of panel %s failed\n", names[i]);
      continue;
    }
    slot.tabIndex = static_cast<std::int32_t>(context.panels.size()) + 1;
    context.panels.push_back(std::move(slot));
  }
}

void LoadBuiltInPanels(PDEShellContext& context) { LoadPanels(context, PanelInterfaces, LookupBuiltInPanelGetter); }
