#pragma once
// The finishing summary beside the finishing menu: what the finishing code says, then booklet,
// slip sheets, offset, pads, square fold and trimming, one line each.
#include <string>

#include "panels/paper_output/paper_output_state.h"

std::string FinishingSummaryText(const platform::Bundle& bundle, const PaperOutputContext& context);
