#pragma once
// Loads the pictures of buttons and icons from the plug-in's resources folder. A picture that
// is missing or is not a PNG cannot be loaded, and the control that would show it is hidden.
#include <string>
#include <string_view>

class ImageLoader {
 public:
  explicit ImageLoader(std::string resourcesFolder) : folder_(std::move(resourcesFolder)) {}
  // True when the named picture exists in the folder and is a PNG image.
  bool canLoad(std::string_view name) const;
  std::string pathOf(std::string_view name) const { return folder_ + "/" + std::string(name); }

 private:
  std::string folder_;
};
