#pragma once
// The pictures beside the panel's choices, by file name in the bundle's resources; empty when a
// choice has no picture.
#include <cstdint>
#include <string>

#include "panels/paper_output/paper_output_state.h"

std::string JobTypePicture(std::int32_t jobType);
std::string DuplexPicture(bool bookletOn, std::int32_t duplex);
std::string OutputColorPicture(std::int32_t outputColor);
std::string FinishingPicture(const FinishingState& finishing);

// The picture of one option of a position dialog: prefix "1St", "2St", "CtSt", "2Hp", "3Hp",
// "4Hp" or "Bnd", and the option's 0-based place.
std::string PositionPicture(std::string_view prefix, std::size_t place);
