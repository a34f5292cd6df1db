// From a full-colour dictionary to the colour fields of a page record, through FullColorOptions,
// so that the writer takes a value exactly when the dialog would show it.
#include "jobticket/writer/jtkt_color.h"
#include "model/full_color_options.h"

namespace {

// A profile choice: the custom index travels as its name, every other index as its code.
void FillProfile(const FullColorOptions::Profile& profile, std::int32_t customIndex, std::int32_t& code,
                 std::optional<std::string>& name) {
  if (profile.index == customIndex && profile.name)
    name = profile.name;
  else if (profile.index != kPrinterDefault)
    code = profile.index;
}

using ProfileGetter = platform::OSStatus (FullColorOptions::*)(std::int32_t*, std::optional<std::string>*) const;

FullColorOptions::Profile Read(const FullColorOptions& options, ProfileGetter getter) {
  FullColorOptions::Profile profile;
  (options.*getter)(&profile.index, &profile.name);
  return profile;
}

}  // namespace

void FinalizePageData(_PAGEDATA* record) {
  if (record == nullptr) return;
  JTktColorFields& c = record->color;
  for (std::optional<std::string>* name :
       {&c.trcName, &c.rgbImagesName, &c.rgbTextGraphicsName, &c.cmykImagesName, &c.cmykTextGraphicsName,
        &c.grayImagesName, &c.grayTextGraphicsName, &c.destinationName})
    name->reset();
}

void FillFullColorOptions(_PAGEDATA* pageRecord, const platform::PlistDict* dictionary) {
  if (pageRecord == nullptr) return;
  pageRecord->color = JTktColorFields{};
  if (dictionary != nullptr) FillFullColorOptions(pageRecord, FullColorOptions(dictionary));
}

void FillFullColorOptions(_PAGEDATA* pageRecord, const FullColorOptions& options) {
  if (pageRecord == nullptr) return;
  JTktColorFields& c = pageRecord->color;
  c = JTktColorFields{};
  options.lightness(&c.lightness);
  options.contrast(&c.contrast);
  options.saturation(&c.saturation);
  options.colorCast(&c.cyanRed, &c.magentaGreen, &c.yellowBlue);
  options.trapping(&c.trapping);
  options.trappingAdjustment(&c.trapWidthSlow, &c.trapWidthFast);
  options.blackOverprint(&c.blackOverprint);
  options.trc(&c.trcName);
  FillProfile(Read(options, &FullColorOptions::rgbImagesProfile), kCustomRGBProfileIndex, c.rgbImagesCode,
              c.rgbImagesName);
  FillProfile(Read(options, &FullColorOptions::rgbTextAndGraphicsProfile), kCustomRGBProfileIndex,
              c.rgbTextGraphicsCode, c.rgbTextGraphicsName);
  FillProfile(Read(options, &FullColorOptions::cmykImagesProfile), kCustomCMYKProfileIndex, c.cmykImagesCode,
              c.cmykImagesName);
  FillProfile(Read(options, &FullColorOptions::cmykTextAndGraphicsProfile), kCustomCMYKProfileIndex,
              c.cmykTextGraphicsCode, c.cmykTextGraphicsName);
  options.grayImagesProfile(&c.grayImagesName);
  options.grayTextAndGraphicsProfile(&c.grayTextGraphicsName);
  FillProfile(Read(options, &FullColorOptions::destinationProfile), kCustomDestinationProfileIndex,
              c.destinationCode, c.destinationName);
  options.imageObjectRendering(&c.imageRendering);
  options.textObjectRendering(&c.textRendering);
  options.graphicObjectRendering(&c.graphicsRendering);
}

void WriteJTKTFullColor(const JTktWriter& writer, const platform::PlistDict* fullColorDictionary) {
  if (fullColorDictionary == nullptr) return;
  _PAGEDATA record;
  FillFullColorOptions(&record, fullColorDictionary);
  WriteJTktFullColor(&writer.context, &record);
}
