// The full-colour dictionary: how FullColorOptions is kept under "com.korvo.print.FullColorOptions"
// and inside each exception page.
#include "model/full_color_keys.h"
#include "model/full_color_options.h"
#include "model/ticket_field_table.h"

using namespace full_color_keys;
using namespace ticket_fields;

namespace {

using R = FullColorOptions;
constexpr std::int32_t kTrappingOn = 1;

// A custom profile is written as its name; a custom index without a name (which the setters
// never make, but a caller of the copy constructor might) is written as the index, never as null.
bool PutProfile(platform::PlistDict& dict, const char* key, const R::Profile& profile, std::int32_t customIndex) {
  if (profile.index == kPrinterDefault) return false;
  if (profile.index == customIndex && profile.name)
    dict.insert_or_assign(key, platform::PlistValue(*profile.name));
  else
    PutInteger(dict, key, profile.index);
  return true;
}

// A number is the index (the stored name stays); a string that fits is a custom profile.
// Anything else is ignored.
bool ReadProfile(const platform::PlistDict& dict, const char* key, R::Profile& profile, std::int32_t customIndex) {
  if (ReadInteger(&dict, key, profile.index)) return true;
  const std::string* name = FindString(&dict, key);
  if (name == nullptr || !IsValidProfileName(*name)) return false;
  profile.index = customIndex;
  profile.name = *name;
  return true;
}

template <R::Profile R::*Member, std::int32_t CustomIndex>
constexpr Custom<R> ProfileField() {
  return {[](const R& o, platform::PlistDict& dict, const char* key) { return PutProfile(dict, key, o.*Member, CustomIndex); },
          [](R& o, const platform::PlistDict& dict, const char* key) { return ReadProfile(dict, key, o.*Member, CustomIndex); }};
}

}  // namespace

Table<R> FullColorOptions::ticketFields() {
  // Numbers are taken as stored, beyond the limits the setters keep too: a ticket may carry what
  // another writer chose, and reading it must not lose it.
  // Trapping and its distances travel together: without "FCTrapping" none of them is set, and the
  // distances are written only while trapping is on.
  constexpr auto TrappingDistance = [](std::int32_t R::*member) {
    return Int32IfSet<R>{.field = member, .reset = kPrinterDefault};
  };
  constexpr auto TrappingOn = [](const R& o) { return o.trapping_ == kTrappingOn; };
  // The three casts are stored together or not at all.
  static constexpr Field<R> kColorCast[] = {
      {kCyanRedKey, Int32<R>{.field = &R::cyanRed_}},
      {kMagentaGreenKey, Int32<R>{.field = &R::magentaGreen_}},
      {kYellowBlueKey, Int32<R>{.field = &R::yellowBlue_}},
  };
  static constexpr Field<R> kFields[] = {
      {kLightnessKey, Int32IfSet<R>{&R::lightness_}},
      {kContrastKey, Int32IfSet<R>{&R::contrast_}},
      {kSaturationKey, Int32IfSet<R>{&R::saturation_}},
      {.key = kColorCastKey,
       .kind = Nested<R>{kColorCast},
       .writeWhen = [](const R& o) {
         return o.cyanRed_ != kPrinterDefault && o.magentaGreen_ != kPrinterDefault && o.yellowBlue_ != kPrinterDefault;
       }},
      {kTrappingKey, Int32IfSet<R>{.field = &R::trapping_, .reset = kPrinterDefault}},
      {.key = kTrappingFastKey, .kind = TrappingDistance(&R::trappingFast_), .after = kTrappingKey, .writeWhen = TrappingOn},
      {.key = kTrappingSlowKey, .kind = TrappingDistance(&R::trappingSlow_), .after = kTrappingKey, .writeWhen = TrappingOn},
      {kBlackOverprintKey, Int32IfSet<R>{&R::blackOverprint_}},
      {kTRCKey, OptionalText<R>{.field = &R::trc_, .accept = IsValidProfileName}},
      {kRGBImagesKey, ProfileField<&R::rgbImages_, kCustomRGBProfileIndex>()},
      {kRGBTextAndGraphicsKey, ProfileField<&R::rgbTextAndGraphics_, kCustomRGBProfileIndex>()},
      {kCMYKImagesKey, ProfileField<&R::cmykImages_, kCustomCMYKProfileIndex>()},
      {kCMYKTextAndGraphicsKey, ProfileField<&R::cmykTextAndGraphics_, kCustomCMYKProfileIndex>()},
      {kDestinationKey, ProfileField<&R::destination_, kCustomDestinationProfileIndex>()},
      {kGrayImagesKey, OptionalText<R>{.field = &R::grayImages_, .accept = IsValidProfileName}},
      {kGrayTextAndGraphicsKey, OptionalText<R>{.field = &R::grayTextAndGraphics_, .accept = IsValidProfileName}},
      {kImageRenderingKey, Int32IfSet<R>{&R::imageRendering_}},
      {kTextRenderingKey, Int32IfSet<R>{&R::textRendering_}},
      {kGraphicRenderingKey, Int32IfSet<R>{&R::graphicRendering_}},
  };
  return kFields;
}

platform::PlistDict FullColorOptions::asTicket() const { return WriteFields(*this, ticketFields()); }

void FullColorOptions::fromTicket(const platform::PlistDict* dict) { ReadFields(*this, ticketFields(), dict); }
