#pragma once
// The generic position dialog: a window title, one radio button and one picture per option,
// exactly one option chosen, OK and Cancel.
#include <cstdint>
#include <string>
#include <vector>

#include "panels/modal_dialog.h"
#include "panels/paper_output/finishing/finishing_dialogs.h"
#include "panels/paper_output/paper_output_state.h"
#include "platform/ui/window.h"

struct FinishingOption {
  std::string titleKey;
  std::string picture;
  std::int32_t value;
};

// Adds one radio button per option to group (and its picture to pictures, when given), in order.
void AddOptionButtons(const platform::Bundle* bundle, platform::ui::Control& group, platform::ui::Control* pictures,
                      const std::vector<FinishingOption>& options);
// Chooses the radio button at the 0-based place (the group's value is 1-based).
void ChooseOptionButton(platform::ui::Control& group, std::size_t place);
// The 0-based place of the option whose value is value; 0 when none holds it.
std::size_t PlaceOfValue(const std::vector<FinishingOption>& options, std::int32_t value);

// Shows the dialog from "Finishing", window "Template", with the options in order and the option
// of `current` chosen (the first when none holds it): on OK the chosen option's value.
DialogAnswer<std::int32_t> RunModalPositionDialog(const platform::Bundle* bundle, const char* titleKey,
                                                  const std::vector<FinishingOption>& options, std::int32_t current);

// Clears the staple, centre-staple, hole-punch, z-fold, fold and bind fields except the kept
// one, and turns square fold and trimming off: none of them goes with a position finishing.
void ClearExclusiveFinishings(FinishingState& finishing, PositionFinishing kept);
