#pragma once
// Image shift: how far the image moves on side 1 and side 2, written in hundredths of a
// millimetre from an image-shift dictionary (model/image_shift_options.h) of the job or of an
// exception range.
#include <cstdint>

#include "jobticket/writer/jtkt_context.h"
#include "model/image_shift_options.h"
#include "platform/plist/plist_value.h"

// The writer reads the dictionary's stored values (keys from the model), not the record's values
// rounded to the user's unit, so that its unit arithmetic stays exact.

// The filled image shift, hundredths of a millimetre.
struct _ImageShiftSelections {
  std::int64_t xSide1 = 0;
  std::int64_t ySide1 = 0;
  std::int64_t xSide2 = 0;
  std::int64_t ySide2 = 0;
};

extern "C" {
// The four shifts in two fragments (x side 1 and 2, then y side 1 and 2), zeros included.
KORVO_EXPORT int WriteJTktImageShift(const JTktWriteContext* ctx, std::int64_t xSide1, std::int64_t xSide2,
                                    std::int64_t ySide1, std::int64_t ySide2);
}

// The shifts of an image-shift dictionary. Stored at full precision ("FullPrecision" true, as the
// model writes it) they are taken as they are; otherwise they are in the user's unit ("Inches",
// inches when missing, as the model reads it): hundredths of an inch times 254/10, truncated, or
// tenths of a millimetre times 10, all in exact integer arithmetic. Missing values are 0.
void FillImageShift(const platform::PlistDict* dictionary, _ImageShiftSelections* selections);

// The image shift of a dictionary (the job's "com.korvo.print.ImageShiftOptionsJob"), default
// context; nothing for a null dictionary.
void WriteJTKTImageShift(const JTktWriter& writer, const platform::PlistDict* imageShiftDictionary);
