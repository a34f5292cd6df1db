#pragma once
// The members of the full-colour dictionary, kept under "com.korvo.print.FullColorOptions" and
// inside each exception page.

namespace full_color_keys {

inline constexpr const char* kLightnessKey = "FCLightness";
inline constexpr const char* kContrastKey = "FCContrast";
inline constexpr const char* kSaturationKey = "FCSaturation";
inline constexpr const char* kColorCastKey = "FCColorCast";
inline constexpr const char* kCyanRedKey = "FCCyanRed";
inline constexpr const char* kMagentaGreenKey = "FCMagentaGreen";
inline constexpr const char* kYellowBlueKey = "FCYellowBlue";
inline constexpr const char* kTrappingKey = "FCTrapping";
inline constexpr const char* kTrappingFastKey = "FCTrappingFastDirection";
inline constexpr const char* kTrappingSlowKey = "FCTrappingSlowDirection";
inline constexpr const char* kBlackOverprintKey = "FCBlackOverprint";
inline constexpr const char* kTRCKey = "FCTRC";
inline constexpr const char* kRGBImagesKey = "RGBImagesProfile";
inline constexpr const char* kRGBTextAndGraphicsKey = "RGBTextAndGraphicsProfile";
inline constexpr const char* kCMYKImagesKey = "CMYKImagesProfile";
inline constexpr const char* kCMYKTextAndGraphicsKey = "CMYKTextAndGraphicsProfile";
inline constexpr const char* kGrayImagesKey = "GrayImagesProfile";
inline constexpr const char* kGrayTextAndGraphicsKey = "GrayTextAndGraphicsProfile";
inline constexpr const char* kDestinationKey = "DestinationProfile";
inline constexpr const char* kImageRenderingKey = "ImageRendering";
inline constexpr const char* kTextRenderingKey = "TextRendering";
inline constexpr const char* kGraphicRenderingKey = "GraphicRendering";

}  // namespace full_color_keys
