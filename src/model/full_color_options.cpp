#include "model/full_color_options.h"

#include "platform/locale/utf8_text.h"

using platform::OSStatus;
using platform::noErr;
using platform::paramErr;

namespace {

OSStatus Get(std::int32_t field, std::int32_t* out) {
  if (out == nullptr) return paramErr;
  *out = field;
  return noErr;
}

OSStatus GetName(const std::optional<std::string>& field, std::optional<std::string>* out) {
  if (out == nullptr) return paramErr;
  *out = field;
  return noErr;
}

OSStatus GetProfile(const FullColorOptions::Profile& profile, std::int32_t customIndex, std::int32_t* index,
                    std::optional<std::string>* name) {
  if (index == nullptr || name == nullptr) return paramErr;
  *index = profile.index;
  if (profile.index == customIndex) *name = profile.name;
  return noErr;
}

OSStatus SetAdjustment(std::int32_t& field, std::int32_t value) {
  if (!IsValidColorAdjustment(value)) return paramErr;
  field = value;
  return noErr;
}

OSStatus SetProfile(FullColorOptions::Profile& profile, std::int32_t customIndex, std::int32_t index,
                    std::optional<std::string> name) {
  if (index == customIndex) {
    if (!name || !IsValidProfileName(*name)) return paramErr;
    profile.name = std::move(name);
  }
  profile.index = index;
  return noErr;
}

OSStatus SetName(std::optional<std::string>& field, std::optional<std::string> name) {
  if (name && !IsValidProfileName(*name)) return paramErr;
  field = std::move(name);
  return noErr;
}

}  // namespace

bool IsValidColorAdjustment(std::int32_t value) {
  return value == kPrinterDefault || (value >= -100 && value <= 100);
}

bool IsValidTrappingDistance(std::int32_t value) { return value == kPrinterDefault || (value >= 0 && value <= 20); }

bool IsValidProfileName(const std::string& name) { return platform::UTF16Length(name) <= kMaxProfileNameLength; }

FullColorOptions::FullColorOptions(const platform::PlistDict* dictionary) { fromTicket(dictionary); }

OSStatus FullColorOptions::lightness(std::int32_t* value) const { return Get(lightness_, value); }
OSStatus FullColorOptions::contrast(std::int32_t* value) const { return Get(contrast_, value); }
OSStatus FullColorOptions::saturation(std::int32_t* value) const { return Get(saturation_, value); }
OSStatus FullColorOptions::trapping(std::int32_t* value) const { return Get(trapping_, value); }
OSStatus FullColorOptions::blackOverprint(std::int32_t* value) const { return Get(blackOverprint_, value); }
OSStatus FullColorOptions::imageObjectRendering(std::int32_t* value) const { return Get(imageRendering_, value); }
OSStatus FullColorOptions::textObjectRendering(std::int32_t* value) const { return Get(textRendering_, value); }
OSStatus FullColorOptions::graphicObjectRendering(std::int32_t* value) const { return Get(graphicRendering_, value); }
OSStatus FullColorOptions::trc(std::optional<std::string>* name) const { return GetName(trc_, name); }
OSStatus FullColorOptions::grayImagesProfile(std::optional<std::string>* name) const { return GetName(grayImages_, name); }
OSStatus FullColorOptions::grayTextAndGraphicsProfile(std::optional<std::string>* name) const {
  return GetName(grayTextAndGraphics_, name);
}

OSStatus FullColorOptions::colorCast(std::int32_t* cyanRed, std::int32_t* magentaGreen, std::int32_t* yellowBlue) const {
  if (cyanRed == nullptr && magentaGreen == nullptr && yellowBlue == nullptr) return paramErr;
  if (cyanRed) *cyanRed = cyanRed_;
  if (magentaGreen) *magentaGreen = magentaGreen_;
  if (yellowBlue) *yellowBlue = yellowBlue_;
  return noErr;
}

OSStatus FullColorOptions::trappingAdjustment(std::int32_t* slowDirection, std::int32_t* fastDirection) const {
  if (slowDirection == nullptr && fastDirection == nullptr) return paramErr;
  if (slowDirection) *slowDirection = trappingSlow_;
  if (fastDirection) *fastDirection = trappingFast_;
  return noErr;
}

OSStatus FullColorOptions::rgbImagesProfile(std::int32_t* index, std::optional<std::string>* name) const {
  return GetProfile(rgbImages_, kCustomRGBProfileIndex, index, name);
}
OSStatus FullColorOptions::rgbTextAndGraphicsProfile(std::int32_t* index, std::optional<std::string>* name) const {
  return GetProfile(rgbTextAndGraphics_, kCustomRGBProfileIndex, index, name);
}
OSStatus FullColorOptions::cmykImagesProfile(std::int32_t* index, std::optional<std::string>* name) const {
  return GetProfile(cmykImages_, kCustomCMYKProfileIndex, index, name);
}
OSStatus FullColorOptions::cmykTextAndGraphicsProfile(std::int32_t* index, std::optional<std::string>* name) const {
  return GetProfile(cmykTextAndGraphics_, kCustomCMYKProfileIndex, index, name);
}
OSStatus FullColorOptions::destinationProfile(std::int32_t* index, std::optional<std::string>* name) const {
  return GetProfile(destination_, kCustomDestinationProfileIndex, index, name);
}

OSStatus FullColorOptions::setLightness(std::int32_t value) { return SetAdjustment(lightness_, value); }
OSStatus FullColorOptions::setContrast(std::int32_t value) { return SetAdjustment(contrast_, value); }
OSStatus FullColorOptions::setSaturation(std::int32_t value) { return SetAdjustment(saturation_, value); }

OSStatus FullColorOptions::setColorCast(std::int32_t cyanRed, std::int32_t magentaGreen, std::int32_t yellowBlue) {
  if (!IsValidColorAdjustment(cyanRed) || !IsValidColorAdjustment(magentaGreen) || !IsValidColorAdjustment(yellowBlue))
    return paramErr;
  cyanRed_ = cyanRed;
  magentaGreen_ = magentaGreen;
  yellowBlue_ = yellowBlue;
  return noErr;
}

OSStatus FullColorOptions::setTrappingAdjustment(std::int32_t slowDirection, std::int32_t fastDirection) {
  if (!IsValidTrappingDistance(slowDirection) || !IsValidTrappingDistance(fastDirection)) return paramErr;
  trappingSlow_ = slowDirection;
  trappingFast_ = fastDirection;
  return noErr;
}

OSStatus FullColorOptions::setTrapping(std::int32_t value) { trapping_ = value; return noErr; }
OSStatus FullColorOptions::setBlackOverprint(std::int32_t value) { blackOverprint_ = value; return noErr; }
OSStatus FullColorOptions::setImageObjectRendering(std::int32_t value) { imageRendering_ = value; return noErr; }
OSStatus FullColorOptions::setTextObjectRendering(std::int32_t value) { textRendering_ = value; return noErr; }
OSStatus FullColorOptions::setGraphicObjectRendering(std::int32_t value) { graphicRendering_ = value; return noErr; }
OSStatus FullColorOptions::setTRC(std::optional<std::string> name) { return SetName(trc_, std::move(name)); }
OSStatus FullColorOptions::setGrayImagesProfile(std::optional<std::string> name) {
  return SetName(grayImages_, std::move(name));
}
OSStatus FullColorOptions::setGrayTextAndGraphicsProfile(std::optional<std::string> name) {
  return SetName(grayTextAndGraphics_, std::move(name));
}

OSStatus FullColorOptions::setRGBImagesProfile(std::int32_t index, std::optional<std::string> name) {
  return SetProfile(rgbImages_, kCustomRGBProfileIndex, index, std::move(name));
}
OSStatus FullColorOptions::setRGBTextAndGraphicsProfile(std::int32_t index, std::optional<std::string> name) {
  return SetProfile(rgbTextAndGraphics_, kCustomRGBProfileIndex, index, std::move(name));
}
OSStatus FullColorOptions::setCMYKImagesProfile(std::int32_t index, std::optional<std::string> name) {
  return SetProfile(cmykImages_, kCustomCMYKProfileIndex, index, std::move(name));
}
OSStatus FullColorOptions::setCMYKTextAndGraphicsProfile(std::int32_t index, std::optional<std::string> name) {
  return SetProfile(cmykTextAndGraphics_, kCustomCMYKProfileIndex, index, std::move(name));
}
OSStatus FullColorOptions::setDestinationProfile(std::int32_t index, std::optional<std::string> name) {
  return SetProfile(destination_, kCustomDestinationProfileIndex, index, std::move(name));
}
