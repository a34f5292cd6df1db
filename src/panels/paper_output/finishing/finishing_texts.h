#pragma once
// The names the finishing summary and the finishing dialogs share: the texts of the staple and
// punch positions, the fold codes and the offset choices, each a key of the string table.
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/paper_output_codes.h"

// One staple 5..8.
std::optional<std::string_view> OneStaplePositionKey(std::int32_t value);
// Two staples 10..13, centre staple 26..29, hole punch 32..35: the same four edges.
std::optional<std::string_view> EdgePositionKey(std::int32_t value, std::int32_t first);
// The folds the summaries name (every fold but the booklet fold with staples).
std::optional<std::string_view> FoldKey(std::int32_t fold);
// Offset 1..5.
std::optional<std::string_view> OffsetKey(std::int32_t offset);
// Hole punch holes codes 3, 4, 5: "2 Hole Punch" ...
std::optional<std::string_view> HolePunchKey(std::int32_t holesCode);
