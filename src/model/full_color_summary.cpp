// The colour summary, line by line in the order the colour set-up dialog shows the choices.
#include "model/full_color_summary.h"

#include <vector>

#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_labels.h"

namespace {

class SummaryLines {
 public:
  SummaryLines(const platform::Bundle& bundle, JobContext context) : bundle_(bundle), context_(context) {}

  void number(const char* labelKey, std::int32_t value) {
    if (value != kPrinterDefault) add(labelKey, std::to_string(value));
  }
  void named(const char* labelKey, const SettingMap* map, std::int32_t value) {
    if (value == kPrinterDefault) return;
    add(labelKey, CopyLocalizedLabelForTicketValue(&bundle_, map, value, context_).value_or(std::to_string(value)));
  }
  // A profile: its own name while it holds the custom index, else its menu label.
  void profile(const char* labelKey, const SettingMap* map, std::int32_t customIndex, std::int32_t index,
               const std::optional<std::string>& name) {
    if (index == customIndex && name) {
      add(labelKey, *name);
    } else {
      named(labelKey, map, index);
    }
  }
  void text(const char* labelKey, const std::optional<std::string>& value) {
    if (value) add(labelKey, *value);
  }

  std::string joined() const {
    if (lines_.empty()) return bundle_.localizedString(context_ == kJobContextJob ? "PrinterDefault" : "UseJobSetting");
    std::string all;
    for (const std::string& line : lines_) all += (all.empty() ? "" : "\n") + line;
    return all;
  }

 private:
  void add(const char* labelKey, const std::string& value) {
    lines_.push_back(bundle_.localizedString(labelKey) + " " + value);
  }

  const platform::Bundle& bundle_;
  JobContext context_;
  std::vector<std::string> lines_;
};

}  // namespace

std::optional<std::string> GenerateFullColorSummary(const platform::Bundle* bundle, const FullColorOptions* options,
                                                    JobContext context) {
  if (bundle == nullptr || options == nullptr) return std::nullopt;
  const FullColorOptions& o = *options;
  SummaryLines lines(*bundle, context);
  std::int32_t value = kPrinterDefault;
  o.lightness(&value);
  lines.number("Lightness:", value);
  o.contrast(&value);
  lines.number("Contrast:", value);
  o.saturation(&value);
  lines.number("Saturation:", value);
  std::int32_t cyanRed = kPrinterDefault, magentaGreen = kPrinterDefault, yellowBlue = kPrinterDefault;
  o.colorCast(&cyanRed, &magentaGreen, &yellowBlue);
  if (cyanRed != kPrinterDefault && magentaGreen != kPrinterDefault && yellowBlue != kPrinterDefault) {
    lines.number("Cyan-Red Color Cast:", cyanRed);
    lines.number("Magenta-Green Color Cast:", magentaGreen);
    lines.number("Yellow-Blue Color Cast:", yellowBlue);
  }
  std::int32_t trapping = kPrinterDefault;
  o.trapping(&trapping);
  lines.named("Trapping:", TrappingMap, trapping);
  if (trapping == 1) {
    std::int32_t slow = kPrinterDefault, fast = kPrinterDefault;
    o.trappingAdjustment(&slow, &fast);
    lines.number("Trapping Height:", fast);
    lines.number("Trapping Width:", slow);
  }
  o.blackOverprint(&value);
  lines.named("Black Overprint:", BlackOverprintMap, value);
  std::optional<std::string> name;
  o.rgbImagesProfile(&value, &name);
  lines.profile("RGB Color Space Images Profile:", RGBSourceProfileMap, kCustomRGBProfileIndex, value, name);
  o.rgbTextAndGraphicsProfile(&value, &name);
  lines.profile("RGB Color Space Text and Graphics Profile:", RGBSourceProfileMap, kCustomRGBProfileIndex, value, name);
  o.cmykImagesProfile(&value, &name);
  lines.profile("CMYK Color Space Images Profile:", CMYKSourceProfileMap, kCustomCMYKProfileIndex, value, name);
  o.cmykTextAndGraphicsProfile(&value, &name);
  lines.profile("CMYK Color Space Text and Graphics Profile:", CMYKSourceProfileMap, kCustomCMYKProfileIndex, value,
                name);
  o.grayImagesProfile(&name);
  lines.text("Gray Color Space Images Profile:", name);
  o.grayTextAndGraphicsProfile(&name);
  lines.text("Gray Color Space Text and Graphics Profile:", name);
  o.destinationProfile(&value, &name);
  lines.profile("Destination Profile:", DestinationProfileMap, kCustomDestinationProfileIndex, value, name);
  o.imageObjectRendering(&value);
  lines.named("Rendering Images Label", ObjectRenderingMap, value);
  o.textObjectRendering(&value);
  lines.named("Rendering Text Label", ObjectRenderingMap, value);
  o.graphicObjectRendering(&value);
  lines.named("Rendering Graphics Label", ObjectRenderingMap, value);
  return lines.joined();
}
