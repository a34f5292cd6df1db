#pragma once
// The Image Options panel as its tests need it: its context through the shell's panel table, and
// dialog steps that act on controls by name as a person would.
#include <string>
#include <utility>
#include <vector>

#include "panels/image_options/image_options_state.h"
#include "panels/paper_output/paper_output_test_support.h"
#include "platform/ui/scripted_interaction.h"

namespace korvo_test {

// The Image Options panel's context in the plug-in the test has made.
ImageOptionsContext& ImageOptionsPanelContext();

// A modal step: each (name, value) acts on the dialog's control of that name (brought to the
// front first), as korvo-pde set would; then OK (Return), Cancel (Escape) or nothing more.
using NamedSteps = std::vector<std::pair<std::string, std::string>>;
enum class Then { kOK, kCancel, kStay };
platform::ui::ScriptedInteraction::ModalStep Act(NamedSteps steps, Then then = Then::kOK);
// Runs steps on the dialog in front without ending it.
void ActOn(platform::ui::Window& window, platform::ui::UserDriver& user, const NamedSteps& steps);
// Runs steps on the print dialog's controls, each panel brought to the front first.
void ActOn(PluginDialog& dialog, const NamedSteps& steps);

}  // namespace korvo_test
