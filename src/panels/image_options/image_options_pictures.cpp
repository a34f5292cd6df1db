#include "panels/image_options/image_options_pictures.h"

namespace {
// Resolution has no printer-default picture of its own; it shares anti-aliasing's.
constexpr const char* kPrinterDefaultPicture = "ImageOptions_AntiAliasing_PrnDef.png";
}  // namespace

std::string AntialiasingPicture(std::int32_t antialiasing) {
  if (antialiasing == 1) return "ImageOptions_AntiAliasing_Off.png";
  if (antialiasing == 2) return "ImageOptions_AntiAliasing_On.png";
  return kPrinterDefaultPicture;
}

std::string ResolutionPicture(std::int32_t resolution) {
  switch (resolution) {
    case 1: case 2: return "ImageOptions_Resolution_600.png";
    case 3: case 4: return "ImageOptions_Resolution_1200.png";
    case 7: return "ImageOptions_Resolution_1800.png";
    default: return kPrinterDefaultPicture;
  }
}

std::string HalftonePicture(std::int32_t halftone) {
  return halftone >= 1 && halftone <= 51 ? "ImageOptions_Halftone.png" : "ImageOptions_Halftone_PrnDef.png";
}

std::string InvertImagePicture(const InvertImageOptions& invert) {
  return invert.mirror && !invert.negative ? "ImageOptions_InvertImage_Mirror.png" : "ImageOptions_InvertImage_Off.png";
}
