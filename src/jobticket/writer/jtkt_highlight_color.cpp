// Highlight-colour printing: the colour that prints, the colour that document colours map to,
// what to do when the loaded colour differs, and how colours map.
#include <string_view>

#include "jobticket/writer/jtkt_color.h"
#include "jobticket/writer/jtkt_fragment.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "platform/status.h"

namespace {

using platform::PlistDict;

// The dictionary's keys; the printing colour's key is spelt so by the panel that stores it.
constexpr const char* kPrintingColorKey = "HiglightPrintingColor";
constexpr const char* kMappingColorKey = "HighlightMappingColor";
constexpr const char* kMappingAlgorithmKey = "HighlightMappingAlgorithm";
constexpr const char* kMismatchActionKey = "HighlightMismatchAction";

// The keys of a custom colour's components, for the printing and the mapping colour.
struct CustomColorKeys {
  const char* isRGB;
  const char* red;
  const char* green;
  const char* blue;
  const char* hue;
  const char* saturation;
  const char* value;
  const char* printerCustom;
};
constexpr CustomColorKeys kPrintingKeys = {
    "HighlightColorPrintingRGB", "HighlightColorPrintingR", "HighlightColorPrintingG", "HighlightColorPrintingB",
    "HighlightColorPrintingH",   "HighlightColorPrintingS", "HighlightColorPrintingV", "HighlightKorvoPrintingColor"};
constexpr CustomColorKeys kMappingKeys = {
    "HighlightColorMappingRGB", "HighlightColorMappingR", "HighlightColorMappingG", "HighlightColorMappingB",
    "HighlightColorMappingH",   "HighlightColorMappingS", "HighlightColorMappingV", "HighlightKorvoMappingColor"};

constexpr std::string_view kColorKeywords[] = {"red",   "green",  "blue",  "cyan",   "magenta",   "yellow", "cardinal",
                                               "royal", "black",  "ruby",  "violet", "brown"};
constexpr std::int32_t kBlack = 8;
constexpr std::int32_t kUseReady = 13;
constexpr std::string_view kMismatchKeywords[] = {"use-ready", "abort", "hold"};
constexpr std::string_view kAlgorithmKeywords[] = {"object-based", "pictorial", "presentation", "color-to-highlight",
                                                   "monochrome-grayscale"};

// Stored menu values of the custom colour, the loaded colour and the printer's custom colour.
constexpr std::int32_t kStoredBlack = 9;
constexpr std::int32_t kStoredCustom = 13;
constexpr std::int32_t kStoredUseReady = 14;
constexpr std::int32_t kStoredPrinterCustom = 15;

std::int32_t Setting(const PlistDict* dict, const char* key) { return JTktSetting(dict, key).value_or(0); }

// The custom colour's components. Without the key that says RGB or HSV the components mean
// nothing, so the colour is left not set rather than sent as made-up values.
bool FillCustom(const PlistDict* dict, const CustomColorKeys& keys, bool& isRGB, std::int32_t (&rgb)[3],
                std::int32_t (&hsv)[3]) {
  const std::optional<std::int32_t> flag = JTktSetting(dict, keys.isRGB);
  if (!flag) return false;
  isRGB = *flag != 0;
  if (isRGB) {
    rgb[0] = Setting(dict, keys.red);
    rgb[1] = Setting(dict, keys.green);
    rgb[2] = Setting(dict, keys.blue);
  } else {
    hsv[0] = Setting(dict, keys.hue);
    hsv[1] = Setting(dict, keys.saturation);
    hsv[2] = Setting(dict, keys.value);
  }
  return true;
}

// Everything about one colour, the printing or the mapping one.
struct ColorRef {
  std::int32_t& code;
  bool& isRGB;
  std::int32_t (&rgb)[3];
  std::int32_t (&hsv)[3];
  std::int32_t& customNumber;
};

// Stored values 1 up map to codes 0 up; the printing colour's menu has no black, so its codes
// skip 8.
void FillColor(const PlistDict* dict, const char* key, const CustomColorKeys& keys, bool printing, ColorRef color) {
  const std::optional<std::int32_t> stored = JTktSetting(dict, key);
  if (!stored) return;
  const std::int32_t s = *stored;
  if (s >= 1 && s <= 12 && !(printing && s == kStoredBlack)) color.code = s - 1;
  if (s == kStoredCustom && FillCustom(dict, keys, color.isRGB, color.rgb, color.hsv)) color.code = kJTktHighlightCustom;
  if (s == kStoredUseReady) color.code = kUseReady;
  if (s == kStoredPrinterCustom) {
    color.code = kJTktHighlightPrinterCustom;
    color.customNumber = Setting(dict, keys.printerCustom);
  }
}

void CustomCollection(JTktFragment& f, bool isRGB, const std::int32_t (&rgb)[3], const std::int32_t (&hsv)[3]) {
  if (isRGB) {
    f.text("\t\t\t<color-srgb-col syntax=\"collection\">\n")
        .text("\t\t\t\t<color-srgb-red syntax=\"integer\">").integer(rgb[0]).text("</color-srgb-red>\n")
        .text("\t\t\t\t<color-srgb-green syntax=\"integer\">").integer(rgb[1]).text("</color-srgb-green>\n")
        .text("\t\t\t\t<color-srgb-blue syntax=\"integer\">").integer(rgb[2]).text("</color-srgb-blue>\n")
        .text("\t\t\t</color-srgb-col>\n");
  } else {
    f.text("\t\t\t<color-hsv-col syntax=\"collection\">\n")
        .text("\t\t\t\t<color-hsv-hue syntax=\"integer\">").integer(hsv[0]).text("</color-hsv-hue>\n")
        .text("\t\t\t\t<color-hsv-saturation syntax=\"integer\">").integer(hsv[1]).text("</color-hsv-saturation>\n")
        .text("\t\t\t\t<color-hsv-value syntax=\"integer\">").integer(hsv[2]).text("</color-hsv-value>\n")
        .text("\t\t\t</color-hsv-col>\n");
  }
}

void Keyword(const JTktWriteContext& ctx, std::string_view element, std::string_view keyword) {
  JTktFragment()
      .text("\t\t<").text(element).text(" syntax=\"keyword\">").text(keyword).text("</").text(element).text(">\n")
      .writeTo(ctx);
}

// The elements one colour is written with.
struct ColorElements {
  std::string_view keyword;       // a colour keyword, "other" after a custom collection
  std::string_view printerColor;  // the printer's custom colour, by name
  std::string_view custom;        // the custom colour's collection
};
constexpr ColorElements kColorantElements = {"highlight-colorant", "highlight-colorant-color",
                                             "highlight-colorant-color-custom-col"};
constexpr ColorElements kMapElements = {"highlight-map-color", "highlight-map-color", "highlight-map-color-custom-col"};

// One colour: the custom collection and "other", the printer's custom colour by number, or a
// keyword.
void WriteColor(const JTktWriteContext& ctx, std::int32_t code, bool isRGB, const std::int32_t (&rgb)[3],
                const std::int32_t (&hsv)[3], std::int32_t customNumber, const ColorElements& elements) {
  const std::string_view keywordElement = elements.keyword;
  const std::string_view customElement = elements.custom;
  if (code == kJTktHighlightCustom) {
    JTktFragment f;
    f.text("\t\t<").text(customElement).text(" syntax=\"collection\">\n");
    CustomCollection(f, isRGB, rgb, hsv);
    f.text("\t\t</").text(customElement).text(">\n").writeTo(ctx);
    Keyword(ctx, keywordElement, "other");
  } else if (code == kJTktHighlightPrinterCustom) {
    JTktFragment()
        .text("\t\t<").text(elements.printerColor).text(" syntax=\"name\" xml:space=\"preserve\">korvo-custom-color-")
        .integer(customNumber).text("</").text(elements.printerColor).text(">\n")
        .writeTo(ctx);
  } else if (code == kUseReady) {
    Keyword(ctx, keywordElement, "use-ready");
  } else if (code >= 0 && code < static_cast<std::int32_t>(std::size(kColorKeywords))) {
    Keyword(ctx, keywordElement, kColorKeywords[code]);
  }
}

}  // namespace

JTktHighlightColor FillHighlightColor(const PlistDict* dict) {
  JTktHighlightColor r;
  std::int32_t colorantRGB[3] = {0, 0, 0}, colorantHSV[3] = {0, 0, 0};
  std::int32_t mapRGB[3] = {0, 0, 0}, mapHSV[3] = {0, 0, 0};
  FillColor(dict, kPrintingColorKey, kPrintingKeys, true,
            {r.colorant, r.colorantIsRGB, colorantRGB, colorantHSV, r.colorantCustomNumber});
  FillColor(dict, kMappingColorKey, kMappingKeys, false, {r.mapColor, r.mapIsRGB, mapRGB, mapHSV, r.mapCustomNumber});
  r.colorantRed = colorantRGB[0], r.colorantGreen = colorantRGB[1], r.colorantBlue = colorantRGB[2];
  r.colorantHue = colorantHSV[0], r.colorantSaturation = colorantHSV[1], r.colorantValue = colorantHSV[2];
  r.mapRed = mapRGB[0], r.mapGreen = mapRGB[1], r.mapBlue = mapRGB[2];
  r.mapHue = mapHSV[0], r.mapSaturation = mapHSV[1], r.mapValue = mapHSV[2];
  if (const std::optional<std::int32_t> a = JTktSetting(dict, kMappingAlgorithmKey); a && *a >= 1 && *a <= 5)
    r.algorithm = *a - 1;
  if (const std::optional<std::int32_t> m = JTktSetting(dict, kMismatchActionKey); m && *m >= 1 && *m <= 3)
    r.mismatch = *m - 1;
  return r;
}

int WriteJTktHLC(const JTktWriteContext* ctx, const JTktHighlightColor* record) {
  if (!JTktCanWrite(ctx) || record == nullptr) return platform::paramErr;
  const JTktHighlightColor& r = *record;
  // Black is a colour documents map to; the printer never prints it as the highlight colour.
  if (r.colorant != kBlack) {
    const std::int32_t rgb[3] = {r.colorantRed, r.colorantGreen, r.colorantBlue};
    const std::int32_t hsv[3] = {r.colorantHue, r.colorantSaturation, r.colorantValue};
    WriteColor(*ctx, r.colorant, r.colorantIsRGB, rgb, hsv, r.colorantCustomNumber, kColorantElements);
  }
  const std::int32_t mapRGB[3] = {r.mapRed, r.mapGreen, r.mapBlue};
  const std::int32_t mapHSV[3] = {r.mapHue, r.mapSaturation, r.mapValue};
  WriteColor(*ctx, r.mapColor, r.mapIsRGB, mapRGB, mapHSV, r.mapCustomNumber, kMapElements);
  if (r.mismatch >= 0 && r.mismatch < 3) Keyword(*ctx, "highlight-colorant-mismatch", kMismatchKeywords[r.mismatch]);
  if (r.algorithm >= 0 && r.algorithm < 5) Keyword(*ctx, "highlight-map", kAlgorithmKeywords[r.algorithm]);
  return platform::noErr;
}

void WriteJTKTHighlightColor(const JTktWriter& writer, const PlistDict* dictionary) {
  if (dictionary == nullptr) return;
  const JTktHighlightColor record = FillHighlightColor(dictionary);
  WriteJTktHLC(&writer.context, &record);
}
