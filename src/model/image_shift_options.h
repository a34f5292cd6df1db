#pragma once
// Image shift: how far the printed image moves on the sheet, for side 1 and side 2, and how
// side 2 follows side 1. Kept for the whole job under "com.korvo.print.ImageShiftOptionsJob"
// and inside exception pages. Values are in hundredths of an inch or tenths of a millimetre,
// as the user works; the ticket holds them in hundredths of a millimetre.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/bundle/bundle.h"
#include "platform/plist/plist_value.h"
#include "vocabulary/job_context.h"
#include "vocabulary/printer_default.h"

inline constexpr const char* kImageShiftOptionsJobKey = "com.korvo.print.ImageShiftOptionsJob";
// Where an exception range keeps its own image shift.
inline constexpr const char* kImageShiftOptionsPageKey = "com.korvo.print.ImageShiftOptionsPage";

// The keys of the image-shift dictionary; the job-ticket writer reads the stored values directly
// for its exact unit arithmetic.
inline constexpr const char* kImageShiftOptionKey = "Option";
inline constexpr const char* kImageShiftInchesKey = "Inches";
inline constexpr const char* kImageShiftFullPrecisionKey = "FullPrecision";
inline constexpr const char* kImageShiftX1Key = "X1";
inline constexpr const char* kImageShiftY1Key = "Y1";
inline constexpr const char* kImageShiftX2Key = "X2";
inline constexpr const char* kImageShiftY2Key = "Y2";

// The options of ImageShiftOptions2SidedMap; 2 belongs to no menu and acts as MirrorBoth.
enum ImageShiftOption : std::int32_t {
  kImageShiftPrinterDefault = kPrinterDefault,
  kImageShiftIndependent = 1,
  kImageShiftMirrorBothAlias = 2,
  kImageShiftMirrorX = 3,
  kImageShiftMirrorY = 4,
  kImageShiftMirrorBoth = 5,
  kImageShiftMirrorXTandemY = 6,
  kImageShiftMirrorYTandemX = 7,
  kImageShiftTandemX = 8,
  kImageShiftTandemY = 9,
  kImageShiftTandemBoth = 10,
};

// Ranges, the same for both sides.
inline constexpr std::int32_t kImageShiftMaxXInches = 1921;  // hundredths of an inch
inline constexpr std::int32_t kImageShiftMaxYInches = 1259;
inline constexpr std::int32_t kImageShiftMaxXMillimetres = 4880;  // tenths of a millimetre
inline constexpr std::int32_t kImageShiftMaxYMillimetres = 3200;

inline constexpr std::int32_t kLetterStockSize = 204;

class ImageShiftOptions {
 public:
  ImageShiftOptions() = default;

  std::unique_ptr<ImageShiftOptions> clone() const { return std::make_unique<ImageShiftOptions>(*this); }
  friend bool operator==(const ImageShiftOptions&, const ImageShiftOptions&) = default;

  bool valid = true;
  std::int32_t paperSize = kLetterStockSize;  // the job stock's size, for display only
  std::int32_t plex = kPrinterDefault;        // 1 one-sided, 2 long edge, 3 short edge
  std::int32_t option = kImageShiftPrinterDefault;
  bool inches = true;
  std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;

  // The ticket dictionary, or none when the record is not valid or the option is the printer
  // default (no shift is sent then).
  std::optional<platform::PlistDict> asTicket() const;
  // Replaces the option, unit and shifts from a dictionary; values converted back from
  // hundredths of a millimetre are cut toward zero (2539 is 99 hundredths of an inch) unless
  // asTicket made them from a value, which comes back whole; a value outside the range (or an
  // option no menu holds) falls back to its default. The record becomes valid.
  void fromTicket(const platform::PlistDict& dictionary);

  // Sets the side-2 values that follow side 1 under the current option.
  void applyOption();
  // Switches the unit, converting all four values in place and keeping them in range.
  void setInches(bool useInches);

  std::int32_t maxX() const { return inches ? kImageShiftMaxXInches : kImageShiftMaxXMillimetres; }
  std::int32_t maxY() const { return inches ? kImageShiftMaxYInches : kImageShiftMaxYMillimetres; }
};

// Which of the four fields the user may edit under an option and plex.
struct ImageShiftEditableFields {
  bool side1 = false;
  bool x2 = false;
  bool y2 = false;
};
ImageShiftEditableFields EditableImageShiftFields(std::int32_t option, std::int32_t plex);

// The two-line summary ("Side 1: X:1.00 in, Y:0.50 in" ...), or the localised "PrinterDefault"
// (job) / "UseJobSetting" (exception page) when no shift applies. None without bundle or record.
std::optional<std::string> GenerateImageShiftSummary(const platform::Bundle* bundle, const ImageShiftOptions* options,
                                                     JobContext context);
