// The image-shift summary shown beside the Image Options controls and in exception pages.
#include "kit/number_text.h"
#include "model/image_shift_options.h"

namespace {

std::string Localized(const platform::Bundle& bundle, const char* key) { return bundle.localizedString(key); }

}  // namespace

std::optional<std::string> GenerateImageShiftSummary(const platform::Bundle* bundle, const ImageShiftOptions* options,
                                                     JobContext context) {
  if (bundle == nullptr || options == nullptr) return std::nullopt;
  if (!options->valid || options->option == kImageShiftPrinterDefault)
    return Localized(*bundle, context == kJobContextJob ? "PrinterDefault" : "UseJobSetting");
  const int decimals = options->inches ? 2 : 1;
  const std::string unit = Localized(*bundle, options->inches ? "Inch abbreviation" : "Millimeter abbreviation");
  const std::string colon = Localized(*bundle, ":");
  auto number = [&](std::int32_t value) {
    return CreateLocalizedCFStringFromNumberWithDecimals(value, decimals).value_or(std::to_string(value));
  };
  auto line = [&](const char* sideKey, std::int32_t x, std::int32_t y) {
    return Localized(*bundle, sideKey) + " X" + colon + number(x) + " " + unit + ", Y" + colon + number(y) + " " + unit;
  };
  return line("Side 1:", options->x1, options->y1) + "\n" + line("Side 2:", options->x2, options->y2);
}
