#pragma once
// Pad printing ("Pads..."): whether the job is made into pads, how many pads of how many sheets,
// and the back cover with its paper.
#include <cstdint>
#include <string>

#include "panels/paper_output/paper_output_state.h"
#include "panels/modal_dialog.h"

inline constexpr std::int32_t kPadsDisabledItem = 1;
inline constexpr std::int32_t kPadsEnabledItem = 2;
inline constexpr std::int32_t kMaximumPads = 500;
inline constexpr std::int32_t kMaximumPagesPerPad = 65500;

// The back cover: 1 printer default, 2 none, 3 a blank sheet of the pad paper. The ticket keeps
// the job ticket writer's own words for them, never the localised label.
std::int32_t PadBackCoverChoice(const std::string& stored);
const char* PadBackCoverText(std::int32_t choice);

// What the dialog edits: the pad values and the pad paper.
struct PadPrinting {
  PadSettings pads;
  Stock paper;
};

// Shows the panel's pad values and pad paper; on OK the dialog's values and its enabled state
// (after the count checks and the pads-total note).
DialogAnswer<PadPrinting> RunModalPadPrintingDialog(const PaperOutputContext& context);
