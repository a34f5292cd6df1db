// Image shift, from the stored dictionary to hundredths of a millimetre.
#include "jobticket/writer/jtkt_image_shift.h"

#include "jobticket/writer/jtkt_fragment.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/image_shift_options.h"
#include "platform/status.h"

namespace {

std::int64_t ToHundredthsOfMillimetre(std::int32_t stored, bool fullPrecision, bool inches) {
  const std::int64_t value = stored;
  if (fullPrecision) return value;
  return inches ? value * 254 / 10 : value * 10;
}

}  // namespace

void FillImageShift(const platform::PlistDict* dictionary, _ImageShiftSelections* selections) {
  if (selections == nullptr) return;
  *selections = _ImageShiftSelections{};
  if (dictionary == nullptr) return;
  const bool fullPrecision = JTktBoolean(dictionary, kImageShiftFullPrecisionKey).value_or(false);
  const bool inches = JTktSetting(dictionary, kImageShiftInchesKey).value_or(1) != 0;
  const auto shift = [&](const char* key) {
    return ToHundredthsOfMillimetre(JTktSetting(dictionary, key).value_or(0), fullPrecision, inches);
  };
  selections->xSide1 = shift(kImageShiftX1Key);
  selections->ySide1 = shift(kImageShiftY1Key);
  selections->xSide2 = shift(kImageShiftX2Key);
  selections->ySide2 = shift(kImageShiftY2Key);
}

int WriteJTktImageShift(const JTktWriteContext* ctx, std::int64_t xSide1, std::int64_t xSide2, std::int64_t ySide1,
                        std::int64_t ySide2) {
  if (!JTktCanWrite(ctx)) return platform::paramErr;
  JTktFragment()
      .text("\t\t<x-side1-image-shift syntax=\"integer\">").integer(xSide1).text("</x-side1-image-shift>\n")
      .text("\t\t<x-side2-image-shift syntax=\"integer\">").integer(xSide2).text("</x-side2-image-shift>\n")
      .writeTo(*ctx);
  JTktFragment()
      .text("\t\t<y-side1-image-shift syntax=\"integer\">").integer(ySide1).text("</y-side1-image-shift>\n")
      .text("\t\t<y-side2-image-shift syntax=\"integer\">").integer(ySide2).text("</y-side2-image-shift>\n")
      .writeTo(*ctx);
  return platform::noErr;
}

void WriteJTKTImageShift(const JTktWriter& writer, const platform::PlistDict* imageShiftDictionary) {
  if (imageShiftDictionary == nullptr) return;
  _ImageShiftSelections shift;
  FillImageShift(imageShiftDictionary, &shift);
  WriteJTktImageShift(&writer.context, shift.xSide1, shift.xSide2, shift.ySide1, shift.ySide2);
}
