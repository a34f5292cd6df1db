// The full-colour elements: the colour commands, the tone curve, the source and destination
// profiles and the rendering intents, of the job or of one exception range.
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "jobticket/writer/jtkt_color.h"
#include "jobticket/writer/jtkt_commands.h"
#include "jobticket/writer/jtkt_fragment.h"
#include "platform/status.h"

namespace {

enum class Syntax { Keyword, Name };

struct SourceRow {
  std::int32_t code;
  Syntax syntax;
  std::string_view value;
};

constexpr SourceRow kRGBSources[] = {
    {1, Syntax::Keyword, "vmr-mode-rgb"}, {2, Syntax::Keyword, "vmr-mode-rgb-gamma1"},
    {3, Syntax::Keyword, "Smpte-240m"},   {4, Syntax::Keyword, "sRGB"},
    {6, Syntax::Name, "Adobe RGB"},
};

constexpr SourceRow kCMYKSources[] = {
    {1, Syntax::Keyword, "native-cmyk"},
    {2, Syntax::Keyword, "swop"},
    {4, Syntax::Name, "FOGRA Gloss Coated CMYK"},
    {5, Syntax::Name, "FOGRA Matte Coated CMYK"},
    {6, Syntax::Name, "FOGRA Uncoated CMYK"},
    {7, Syntax::Name, "Japan Color 2001 Plus CMYK"},
    {8, Syntax::Name, "Japan Color 2001 (Type1:Art) CMYK"},
    {9, Syntax::Name, "Japan Color 2001 (Type2:Matte) CMYK"},
    {10, Syntax::Name, "Japan Color 2001 (Type3:Coated) CMYK"},
    {11, Syntax::Name, "Japan Color 2001 (Type4:Uncoated) CMYK"},
    {12, Syntax::Name, "FOGRA Web Offset CMYK"},
    {13, Syntax::Name, "FOGRA Plus CMYK"},
    {14, Syntax::Name, "Commercial CMYK"},
    {15, Syntax::Name, "Swop Plus CMYK"},
};

// "System Specified" of the destination-profile menu.
constexpr std::int32_t kDestinationSystemSpecified = 1;

void KeywordElement(const JTktWriteContext& ctx, std::string_view element, std::string_view keyword) {
  JTktFragment()
      .text("\t\t<").text(element).text(" syntax=\"keyword\">").text(keyword)
      .text("</").text(element).text(">\n")
      .writeTo(ctx);
}

// A name element; the element name is fixed text, the value free text.
void NameElement(const JTktWriteContext& ctx, std::string_view element, std::string_view name) {
  JTktFragment()
      .text("\t\t<").text(element).text(" syntax=\"name\" xml:space=\"preserve\">").escaped(name)
      .text("</").text(element).text(">\n")
      .writeTo(ctx);
}

template <std::size_t N>
int WriteSource(const JTktWriteContext* ctx, const SourceRow (&table)[N], std::int32_t code, const char* element,
                const char* profileName) {
  if (!JTktCanWrite(ctx) || element == nullptr) return platform::paramErr;
  if (code == 0) {
    if (profileName != nullptr) NameElement(*ctx, element, profileName);
    return platform::noErr;
  }
  for (const SourceRow& row : table) {
    if (row.code != code) continue;
    if (row.syntax == Syntax::Keyword)
      KeywordElement(*ctx, element, row.value);
    else
      NameElement(*ctx, element, row.value);
  }
  return platform::noErr;
}

void Command(const JTktWriteContext& ctx, int command, std::int32_t value) {
  if (value != kPrinterDefault) WriteJTktCommands(&ctx, command, value);
}

using SourceWriter = int (*)(const JTktWriteContext*, std::int32_t, const char*, const char*);

// One profile choice for each of its elements: the code, then the name.
void WriteProfile(const JTktWriteContext& ctx, SourceWriter write, std::int32_t code,
                  const std::optional<std::string>& name, std::initializer_list<const char*> elements) {
  if (code != kPrinterDefault)
    for (const char* element : elements) write(&ctx, code, element, nullptr);
  if (name)
    for (const char* element : elements) write(&ctx, 0, element, name->c_str());
}

}  // namespace

int WriteJTktRGBSource(const JTktWriteContext* ctx, std::int32_t code, const char* elementName,
                       const char* profileName) {
  return WriteSource(ctx, kRGBSources, code, elementName, profileName);
}

int WriteJTktCMYKSource(const JTktWriteContext* ctx, std::int32_t code, const char* elementName,
                        const char* profileName) {
  return WriteSource(ctx, kCMYKSources, code, elementName, profileName);
}

int WriteJTktGraySource(const JTktWriteContext* ctx, const char* elementName, const char* profileName) {
  if (!JTktCanWrite(ctx) || elementName == nullptr) return platform::paramErr;
  if (profileName != nullptr) NameElement(*ctx, elementName, profileName);
  return platform::noErr;
}

int WriteJTktColorDestination(const JTktWriteContext* ctx, int systemSpecified, const char* elementName,
                              const char* profileName) {
  if (!JTktCanWrite(ctx) || elementName == nullptr) return platform::paramErr;
  if (systemSpecified != 0)
    KeywordElement(*ctx, elementName, "system-specified");
  else if (profileName != nullptr)
    NameElement(*ctx, elementName, profileName);
  return platform::noErr;
}

int WriteJTktTRC(const JTktWriteContext* ctx, const char* name) {
  if (!JTktCanWrite(ctx)) return platform::paramErr;
  if (name == nullptr) return platform::noErr;
  JTktFragment()
      .text("\t\t<trc syntax=\"collection\">\n")
      .text("\t\t\t<trc-name syntax=\"name\" xml:space=\"preserve\">").escaped(name).text("</trc-name>\n")
      .text("\t\t</trc>\n")
      .writeTo(*ctx);
  return platform::noErr;
}

int WriteJTktFullColor(const JTktWriteContext* ctx, const _PAGEDATA* pageRecord) {
  if (!JTktCanWrite(ctx) || pageRecord == nullptr) return platform::paramErr;
  const JTktColorFields& c = pageRecord->color;
  Command(*ctx, kJTktLightness, c.lightness);
  Command(*ctx, kJTktContrast, c.contrast);
  Command(*ctx, kJTktSaturation, c.saturation);
  Command(*ctx, kJTktCyanRed, c.cyanRed);
  Command(*ctx, kJTktMagentaGreen, c.magentaGreen);
  Command(*ctx, kJTktYellowBlue, c.yellowBlue);
  Command(*ctx, kJTktTrapping, c.trapping);
  Command(*ctx, kJTktTrapWidthFast, c.trapWidthFast);
  Command(*ctx, kJTktTrapWidthSlow, c.trapWidthSlow);
  Command(*ctx, kJTktBlackOverprint, c.blackOverprint);
  if (c.trcName) WriteJTktTRC(ctx, c.trcName->c_str());
  WriteProfile(*ctx, WriteJTktRGBSource, c.rgbImagesCode, c.rgbImagesName, {"undefined-source-rgb-images"});
  WriteProfile(*ctx, WriteJTktRGBSource, c.rgbTextGraphicsCode, c.rgbTextGraphicsName,
               {"undefined-source-rgb-text", "undefined-source-rgb-graphics"});
  WriteProfile(*ctx, WriteJTktCMYKSource, c.cmykImagesCode, c.cmykImagesName, {"undefined-source-cmyk-images"});
  WriteProfile(*ctx, WriteJTktCMYKSource, c.cmykTextGraphicsCode, c.cmykTextGraphicsName,
               {"undefined-source-cmyk-text", "undefined-source-cmyk-graphics"});
  if (c.grayImagesName) WriteJTktGraySource(ctx, "undefined-source-gray-images", c.grayImagesName->c_str());
  if (c.grayTextGraphicsName) {
    WriteJTktGraySource(ctx, "undefined-source-gray-text", c.grayTextGraphicsName->c_str());
    WriteJTktGraySource(ctx, "undefined-source-gray-graphics", c.grayTextGraphicsName->c_str());
  }
  // Only "System Specified" is a destination by code; the custom choice travels as its name.
  if (c.destinationCode == kDestinationSystemSpecified) {
    WriteJTktColorDestination(ctx, 1, "color-destination-profile-front", nullptr);
    WriteJTktColorDestination(ctx, 1, "color-destination-profile-back", nullptr);
  }
  if (c.destinationName) {
    WriteJTktColorDestination(ctx, 0, "color-destination-profile-front", c.destinationName->c_str());
    WriteJTktColorDestination(ctx, 0, "color-destination-profile-back", c.destinationName->c_str());
  }
  Command(*ctx, kJTktRenderingImages, c.imageRendering);
  Command(*ctx, kJTktRenderingText, c.textRendering);
  Command(*ctx, kJTktRenderingGraphics, c.graphicsRendering);
  Command(*ctx, kJTktAntiAliasing, c.antiAliasing);
  if (c.halftone != kPrinterDefault) WriteJTktHalfTone(ctx, c.halftone);
  Command(*ctx, kJTktColorEffects, c.colorEffects);
  return platform::noErr;
}
