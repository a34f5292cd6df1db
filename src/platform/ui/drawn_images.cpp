#include "platform/ui/drawn_images.h"

#include <any>
#include <utility>

#include "platform/four_char_code.h"

namespace platform::ui {
namespace {

constexpr OSType kToolkitCreator = FourCharCode("pltf");
constexpr OSType kDrawnImagesTag = FourCharCode("draw");

}  // namespace

std::vector<DrawnImage> ImagesDrawnIn(const Control& control) {
  const std::any* property = control.property(kToolkitCreator, kDrawnImagesTag);
  if (property == nullptr) return {};
  const auto* images = std::any_cast<std::vector<DrawnImage>>(property);
  return images ? *images : std::vector<DrawnImage>{};
}

void SetDrawnImages(Control& control, std::vector<DrawnImage> images) {
  control.setProperty(kToolkitCreator, kDrawnImagesTag, std::move(images));
}

}  // namespace platform::ui
