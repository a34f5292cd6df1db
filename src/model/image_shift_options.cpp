#include "model/image_shift_options.h"

#include <algorithm>
#include <cmath>

namespace {

std::int32_t Clamp(double value, std::int32_t limit) {
  return static_cast<std::int32_t>(std::clamp(std::round(value), static_cast<double>(-limit), static_cast<double>(limit)));
}

}  // namespace

void ImageShiftOptions::applyOption() {
  switch (option) {
    case kImageShiftMirrorX: x2 = -x1; break;
    case kImageShiftMirrorY: y2 = -y1; break;
    case kImageShiftMirrorBothAlias:
    case kImageShiftMirrorBoth: x2 = -x1; y2 = -y1; break;
    case kImageShiftMirrorXTandemY: x2 = -x1; y2 = y1; break;
    case kImageShiftMirrorYTandemX: x2 = x1; y2 = -y1; break;
    case kImageShiftTandemX: x2 = x1; break;
    case kImageShiftTandemY: y2 = y1; break;
    case kImageShiftTandemBoth: x2 = x1; y2 = y1; break;
    default: break;  // printer default and Independent leave side 2 as entered
  }
}

void ImageShiftOptions::setInches(bool useInches) {
  if (useInches == inches) return;
  // 1 inch = 2.54 cm: hundredths of an inch x 2.54 = tenths of a millimetre.
  const double factor = useInches ? 1 / 2.54 : 2.54;
  inches = useInches;
  x1 = Clamp(x1 * factor, maxX());
  x2 = Clamp(x2 * factor, maxX());
  y1 = Clamp(y1 * factor, maxY());
  y2 = Clamp(y2 * factor, maxY());
}

ImageShiftEditableFields EditableImageShiftFields(std::int32_t option, std::int32_t plex) {
  switch (option) {
    case kImageShiftPrinterDefault: return {false, false, false};
    case kImageShiftIndependent: return {true, plex != 1, plex != 1};
    case kImageShiftMirrorX:
    case kImageShiftTandemX: return {true, false, true};
    case kImageShiftMirrorY:
    case kImageShiftTandemY: return {true, true, false};
    default: return {true, false, false};
  }
}
