#pragma once
// The panels the shell loads, by the names of their getter functions, in load order.
#include <string_view>

#include "shell/shell_context.h"

// Names of the panel getters, in tab order, ending with an empty entry.
extern const char* const PanelInterfaces[];

// Resolves a getter name to the function (as a module's symbol lookup would); null when unknown.
using PanelGetterLookup = PanelInterfaceGetter (*)(std::string_view name);
PanelInterfaceGetter LookupBuiltInPanelGetter(std::string_view name);

// For each name in order: resolve it, call the getter and the panel's Prologue; a panel whose
// getter cannot be found or whose Prologue fails is skipped, so it cannot stop the dialog.
void LoadPanels(PDEShellContext& context, const char* const names[], PanelGetterLookup lookup);
void LoadBuiltInPanels(PDEShellContext& context);
