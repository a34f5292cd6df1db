// The full-colour dictionary: how FullColorOptions is kept under "com.korvo.print.FullColorOptions"
// and inside each exception page.
#include "model/full_color_keys.h"
#include "model/full_color_options.h"
#include "model/ticket_fields.h"

using namespace full_color_keys;

namespace {

constexpr std::int32_t kTrappingOn = 1;

// A custom profile is written as its name; a custom index without a name (which the setters
// never make, but a caller of the copy constructor might) is written as the index, never as null.
void PutProfile(platform::PlistDict& dict, const char* key, const FullColorOptions::Profile& profile,
                std::int32_t customIndex) {
  if (profile.index == kPrinterDefault) return;
  if (profile.index == customIndex && profile.name)
    dict.insert_or_assign(key, platform::PlistValue(*profile.name));
  else
    PutInteger(dict, key, profile.index);
}

void PutName(platform::PlistDict& dict, const char* key, const std::optional<std::string>& name) {
  if (name) dict.insert_or_assign(key, platform::PlistValue(*name));
}

// A number is the index (the stored name stays); a string that fits is a custom profile.
// Anything else is ignored.
void ReadProfile(const platform::PlistDict* dict, const char* key, FullColorOptions::Profile& profile,
                 std::int32_t customIndex) {
  if (ReadInteger(dict, key, profile.index)) return;
  if (const std::string* name = FindString(dict, key); name && IsValidProfileName(*name)) {
    profile.index = customIndex;
    profile.name = *name;
  }
}

void ReadName(const platform::PlistDict* dict, const char* key, std::optional<std::string>& field) {
  if (const std::string* name = FindString(dict, key); name && IsValidProfileName(*name)) field = *name;
}

// An adjustment is taken only within the limits the dialog enforces.
void ReadAdjustment(const platform::PlistDict* dict, const char* key, std::int32_t& field) {
  std::int32_t value = field;
  if (ReadInteger(dict, key, value) && IsValidColorAdjustment(value)) field = value;
}

}  // namespace

platform::PlistDict FullColorOptions::asTicket() const {
  platform::PlistDict dict;
  PutIntegerIfSet(dict, kLightnessKey, lightness_);
  PutIntegerIfSet(dict, kContrastKey, contrast_);
  PutIntegerIfSet(dict, kSaturationKey, saturation_);
  if (cyanRed_ != kPrinterDefault && magentaGreen_ != kPrinterDefault && yellowBlue_ != kPrinterDefault) {
    platform::PlistDict cast;
    PutInteger(cast, kCyanRedKey, cyanRed_);
    PutInteger(cast, kMagentaGreenKey, magentaGreen_);
    PutInteger(cast, kYellowBlueKey, yellowBlue_);
    dict.insert_or_assign(kColorCastKey, std::move(cast));
  }
  if (trapping_ != kPrinterDefault) {
    PutInteger(dict, kTrappingKey, trapping_);
    if (trapping_ == kTrappingOn) {
      PutIntegerIfSet(dict, kTrappingFastKey, trappingFast_);
      PutIntegerIfSet(dict, kTrappingSlowKey, trappingSlow_);
    }
  }
  PutIntegerIfSet(dict, kBlackOverprintKey, blackOverprint_);
  PutName(dict, kTRCKey, trc_);
  PutProfile(dict, kRGBImagesKey, rgbImages_, kCustomRGBProfileIndex);
  PutProfile(dict, kRGBTextAndGraphicsKey, rgbTextAndGraphics_, kCustomRGBProfileIndex);
  PutProfile(dict, kCMYKImagesKey, cmykImages_, kCustomCMYKProfileIndex);
  PutProfile(dict, kCMYKTextAndGraphicsKey, cmykTextAndGraphics_, kCustomCMYKProfileIndex);
  PutName(dict, kGrayImagesKey, grayImages_);
  PutName(dict, kGrayTextAndGraphicsKey, grayTextAndGraphics_);
  PutProfile(dict, kDestinationKey, destination_, kCustomDestinationProfileIndex);
  PutIntegerIfSet(dict, kImageRenderingKey, imageRendering_);
  PutIntegerIfSet(dict, kTextRenderingKey, textRendering_);
  PutIntegerIfSet(dict, kGraphicRenderingKey, graphicRendering_);
  return dict;
}

void FullColorOptions::fromTicket(const platform::PlistDict* dict) {
  if (dict == nullptr) return;
  ReadAdjustment(dict, kLightnessKey, lightness_);
  ReadAdjustment(dict, kContrastKey, contrast_);
  ReadAdjustment(dict, kSaturationKey, saturation_);
  if (const platform::PlistValue* cast = platform::PlistDictFind(*dict, kColorCastKey)) {
    const platform::PlistDict* castDict = cast->asDictionary();
    ReadAdjustment(castDict, kCyanRedKey, cyanRed_);
    ReadAdjustment(castDict, kMagentaGreenKey, magentaGreen_);
    ReadAdjustment(castDict, kYellowBlueKey, yellowBlue_);
  }
  // Trapping and its distances travel together: without "FCTrapping" none of them is set.
  trapping_ = trappingFast_ = trappingSlow_ = kPrinterDefault;
  if (ReadInteger(dict, kTrappingKey, trapping_)) {
    std::int32_t fast = kPrinterDefault, slow = kPrinterDefault;
    if (ReadInteger(dict, kTrappingFastKey, fast) && IsValidTrappingDistance(fast)) trappingFast_ = fast;
    if (ReadInteger(dict, kTrappingSlowKey, slow) && IsValidTrappingDistance(slow)) trappingSlow_ = slow;
  }
  ReadInteger(dict, kBlackOverprintKey, blackOverprint_);
  ReadName(dict, kTRCKey, trc_);
  ReadProfile(dict, kRGBImagesKey, rgbImages_, kCustomRGBProfileIndex);
  ReadProfile(dict, kRGBTextAndGraphicsKey, rgbTextAndGraphics_, kCustomRGBProfileIndex);
  ReadProfile(dict, kCMYKImagesKey, cmykImages_, kCustomCMYKProfileIndex);
  ReadProfile(dict, kCMYKTextAndGraphicsKey, cmykTextAndGraphics_, kCustomCMYKProfileIndex);
  ReadProfile(dict, kDestinationKey, destination_, kCustomDestinationProfileIndex);
  ReadName(dict, kGrayImagesKey, grayImages_);
  ReadName(dict, kGrayTextAndGraphicsKey, grayTextAndGraphics_);
  ReadInteger(dict, kImageRenderingKey, imageRendering_);
  ReadInteger(dict, kTextRenderingKey, textRendering_);
  ReadInteger(dict, kGraphicRenderingKey, graphicRendering_);
}
