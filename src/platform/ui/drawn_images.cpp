#include "platform/ui/drawn_images.h"

#include <any>
#include <utility>

#include "platform/four_char_code.h"

namespace platform::ui {
namespace {

constexpr OSType kToolkitCreator = FourCharCode("pltf");
constexpr OSType kDrawnImagesTag = FourCharCode("draw");
constexpr OSType kDrawnSheetsTag = FourCharCode("shts");

template <class T>
std::vector<T> Drawn(const Control& control, OSType tag) {
  const std::any* property = control.property(kToolkitCreator, tag);
  const auto* drawn = property ? std::any_cast<std::vector<T>>(property) : nullptr;
  return drawn ? *drawn : std::vector<T>{};
}

}  // namespace

std::vector<DrawnImage> ImagesDrawnIn(const Control& control) { return Drawn<DrawnImage>(control, kDrawnImagesTag); }

void SetDrawnImages(Control& control, std::vector<DrawnImage> images) {
  control.setProperty(kToolkitCreator, kDrawnImagesTag, std::move(images));
}

std::vector<DrawnSheet> SheetsDrawnIn(const Control& control) { return Drawn<DrawnSheet>(control, kDrawnSheetsTag); }

void SetDrawnSheets(Control& control, std::vector<DrawnSheet> sheets) {
  control.setProperty(kToolkitCreator, kDrawnSheetsTag, std::move(sheets));
}

}  // namespace platform::ui
