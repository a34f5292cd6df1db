#pragma once
// The printer's media keywords (as IPP media collections and job tickets name them) turned into
// the values of a Stock. Every comparison ignores letter case.
#include <cstdint>
#include <optional>
#include <string_view>

// The stock type of a media type, with the pre-printed, recycled and order-count members that
// refine it: the listed types first, then pre-printed forms, then recycled paper, then an
// ordered stock (6) when an order count is given, else a custom type (7).
std::int32_t convertJTKTTypeToIndex(std::string_view mediaType, std::optional<std::string_view> prePrinted,
                                    std::optional<std::string_view> recycled, std::int32_t orderCount);

// The stock colour of a media colour; 10 (custom) for a keyword outside the list.
std::int32_t convertJTKTColorToIndex(std::string_view mediaColor);

// The coating type of a coating keyword; kPrinterDefault for one outside the list.
std::int32_t convertJTKTCoatingTypeToIndex(std::string_view coating);

// Sides coated and coating type from the front and back coatings: both uncoated ("none") 1;
// both coated 3 with the front's type; one side coated 2 with that side's type. Neither given,
// or a combination outside these, sets nothing.
void convertJTKTSidesCoatedAndCoatingType(std::optional<std::string_view> frontCoating,
                                          std::optional<std::string_view> backCoating,
                                          std::optional<std::int32_t>& sidesCoated,
                                          std::optional<std::int32_t>& coatingType);
