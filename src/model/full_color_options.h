#pragma once
// The colour adjustments and colour-management choices of a job, or of one exception page
// range: lightness, contrast, saturation, colour cast, trapping, black overprint, the tone
// curve, source and destination profiles and the rendering intent per object kind.
// Integer fields hold kPrinterDefault while they are not set.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "model/ticket_field_table.h"
#include "platform/plist/plist_value.h"
#include "platform/status.h"
#include "vocabulary/printer_default.h"

inline constexpr const char* kFullColorOptionsKey = "com.korvo.print.FullColorOptions";

// The index that stands for a custom profile differs per profile kind.
inline constexpr std::int32_t kCustomRGBProfileIndex = 5;
inline constexpr std::int32_t kCustomCMYKProfileIndex = 3;
inline constexpr std::int32_t kCustomDestinationProfileIndex = 2;
inline constexpr std::size_t kMaxProfileNameLength = 255;  // UTF-16 units

class FullColorOptions {
 public:
  // A profile choice: an index from the profile's map, and the custom profile's name, which
  // matters only while the index is the custom index of its kind.
  struct Profile {
    std::int32_t index = kPrinterDefault;
    std::optional<std::string> name;
    friend bool operator==(const Profile&, const Profile&) = default;
  };

  FullColorOptions() = default;
  // The defaults, then the dictionary laid over them; null leaves the defaults.
  explicit FullColorOptions(const platform::PlistDict* dictionary);

  std::unique_ptr<FullColorOptions> clone() const { return std::make_unique<FullColorOptions>(*this); }
  friend bool operator==(const FullColorOptions&, const FullColorOptions&) = default;

  // Getters fill their out-parameters and return noErr, or paramErr when there is no place
  // for the result.
  platform::OSStatus lightness(std::int32_t* value) const;
  platform::OSStatus contrast(std::int32_t* value) const;
  platform::OSStatus saturation(std::int32_t* value) const;
  // Any of the three may be null; paramErr only when all are.
  platform::OSStatus colorCast(std::int32_t* cyanRed, std::int32_t* magentaGreen, std::int32_t* yellowBlue) const;
  platform::OSStatus trapping(std::int32_t* value) const;
  // paramErr only when both are null.
  platform::OSStatus trappingAdjustment(std::int32_t* slowDirection, std::int32_t* fastDirection) const;
  platform::OSStatus blackOverprint(std::int32_t* value) const;
  platform::OSStatus trc(std::optional<std::string>* name) const;
  // Index and name are both required; the name is filled only for the custom index.
  platform::OSStatus rgbImagesProfile(std::int32_t* index, std::optional<std::string>* name) const;
  platform::OSStatus rgbTextAndGraphicsProfile(std::int32_t* index, std::optional<std::string>* name) const;
  platform::OSStatus cmykImagesProfile(std::int32_t* index, std::optional<std::string>* name) const;
  platform::OSStatus cmykTextAndGraphicsProfile(std::int32_t* index, std::optional<std::string>* name) const;
  platform::OSStatus destinationProfile(std::int32_t* index, std::optional<std::string>* name) const;
  platform::OSStatus grayImagesProfile(std::optional<std::string>* name) const;
  platform::OSStatus grayTextAndGraphicsProfile(std::optional<std::string>* name) const;
  platform::OSStatus imageObjectRendering(std::int32_t* value) const;
  platform::OSStatus textObjectRendering(std::int32_t* value) const;
  platform::OSStatus graphicObjectRendering(std::int32_t* value) const;

  // Setters return noErr, or paramErr when the value is refused; a refused value changes nothing.
  platform::OSStatus setLightness(std::int32_t value);   // -100..100 or kPrinterDefault
  platform::OSStatus setContrast(std::int32_t value);    // -100..100 or kPrinterDefault
  platform::OSStatus setSaturation(std::int32_t value);  // -100..100 or kPrinterDefault
  // Each -100..100 or kPrinterDefault; all three are stored together or none.
  platform::OSStatus setColorCast(std::int32_t cyanRed, std::int32_t magentaGreen, std::int32_t yellowBlue);
  platform::OSStatus setTrapping(std::int32_t value);
  // Each 0..20 or kPrinterDefault.
  platform::OSStatus setTrappingAdjustment(std::int32_t slowDirection, std::int32_t fastDirection);
  platform::OSStatus setBlackOverprint(std::int32_t value);
  platform::OSStatus setTRC(std::optional<std::string> name);
  // With the custom index of its kind the name must be given and at most 255 long; the index is
  // always stored, the name only with the custom index (a name stored earlier stays).
  platform::OSStatus setRGBImagesProfile(std::int32_t index, std::optional<std::string> name);
  platform::OSStatus setRGBTextAndGraphicsProfile(std::int32_t index, std::optional<std::string> name);
  platform::OSStatus setCMYKImagesProfile(std::int32_t index, std::optional<std::string> name);
  platform::OSStatus setCMYKTextAndGraphicsProfile(std::int32_t index, std::optional<std::string> name);
  platform::OSStatus setDestinationProfile(std::int32_t index, std::optional<std::string> name);
  // A name of at most 255, or none.
  platform::OSStatus setGrayImagesProfile(std::optional<std::string> name);
  platform::OSStatus setGrayTextAndGraphicsProfile(std::optional<std::string> name);
  platform::OSStatus setImageObjectRendering(std::int32_t value);
  platform::OSStatus setTextObjectRendering(std::int32_t value);
  platform::OSStatus setGraphicObjectRendering(std::int32_t value);

  // The full-colour dictionary: only the keys whose values are set (a default object writes an
  // empty dictionary).
  platform::PlistDict asTicket() const;
  // Lays the keys present in dictionary over the fields (null does nothing). Numbers are taken
  // even outside the setters' limits; numbers that are no exact 32-bit integers and profile names
  // that are not strings or are too long are ignored, keeping the field as it was.
  void fromTicket(const platform::PlistDict* dictionary);

 private:
  // The rows of the full-colour dictionary, which asTicket and fromTicket both walk.
  static ticket_fields::Table<FullColorOptions> ticketFields();

  std::int32_t lightness_ = kPrinterDefault;
  std::int32_t contrast_ = kPrinterDefault;
  std::int32_t saturation_ = kPrinterDefault;
  std::int32_t cyanRed_ = kPrinterDefault;
  std::int32_t magentaGreen_ = kPrinterDefault;
  std::int32_t yellowBlue_ = kPrinterDefault;
  std::int32_t trapping_ = kPrinterDefault;
  std::int32_t trappingFast_ = kPrinterDefault;
  std::int32_t trappingSlow_ = kPrinterDefault;
  std::int32_t blackOverprint_ = kPrinterDefault;
  std::optional<std::string> trc_;
  Profile rgbImages_;
  Profile rgbTextAndGraphics_;
  Profile cmykImages_;
  Profile cmykTextAndGraphics_;
  std::optional<std::string> grayImages_;
  std::optional<std::string> grayTextAndGraphics_;
  Profile destination_;
  std::int32_t imageRendering_ = kPrinterDefault;
  std::int32_t textRendering_ = kPrinterDefault;
  std::int32_t graphicRendering_ = kPrinterDefault;
};

// True for an adjustment the setters accept: -100..100 or kPrinterDefault.
bool IsValidColorAdjustment(std::int32_t value);
// True for a trapping distance the setters accept: 0..20 or kPrinterDefault.
bool IsValidTrappingDistance(std::int32_t value);
// True for a profile or curve name the setters accept: at most 255 UTF-16 units.
bool IsValidProfileName(const std::string& name);
