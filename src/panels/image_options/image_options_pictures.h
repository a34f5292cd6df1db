#pragma once
// The pictures beside the Image Options controls, by the value each shows.
#include <cstdint>
#include <string>

#include "panels/image_options/image_options_state.h"

inline constexpr const char* kColorPicture = "ImageOptions_Color.png";
inline constexpr const char* kImageShiftPicture = "ImageOptions_ImageShift.png";

std::string AntialiasingPicture(std::int32_t antialiasing);
std::string ResolutionPicture(std::int32_t resolution);
std::string HalftonePicture(std::int32_t halftone);
std::string InvertImagePicture(const InvertImageOptions& invert);
