#pragma once
// The print-settings ticket entries of image quality that no model record owns: the Image
// Options panel's own, and the colour settings the job-ticket writer reads beside them.
inline constexpr const char* kResolutionKey = "com.korvo.print.Resolution";
inline constexpr const char* kAntialiasingKey = "com.korvo.print.Antialiasing";
inline constexpr const char* kHalftoneScreenKey = "com.korvo.print.HalftoneScreen";
inline constexpr const char* kHighlightColorOptionsJobKey = "com.korvo.print.HighlightColorOptionsJob";
inline constexpr const char* kLightenDarkenKey = "com.korvo.print.LightenDarken";
inline constexpr const char* kTonerSaverKey = "com.korvo.print.TonerSaver";
inline constexpr const char* kInkwellEmulationKey = "com.korvo.print.InkwellEmulation";

// The mirror and negative flags of the Image Options panel: a dictionary of two integers, 1 or 0.
inline constexpr const char* kInvertImageOptionsKey = "com.korvo.print.InvertImageOptions";
inline constexpr const char* kNegativeImageKey = "NegativeImage";
inline constexpr const char* kMirrorImageKey = "MirrorImage";

// The curve names the user typed in earlier jobs, in the input-history file.
inline constexpr const char* kTRCInputHistoryKey = "TRCInputHistory";
