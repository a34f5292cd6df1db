// Reading the panel's entries from the session's tickets.
#include <cstdint>

#include "model/image_options_keys.h"
#include "model/job_level_stock.h"
#include "model/paper_output_keys.h"
#include "panels/image_options/image_options_panel.h"

namespace {

std::int32_t IntegerOr(const platform::Ticket& t, const char* key, std::int32_t fallback) {
  const std::optional<std::int64_t> value = t.getInteger(key);
  if (!value || *value < INT32_MIN || *value > INT32_MAX) return fallback;
  return static_cast<std::int32_t>(*value);
}

bool FlagIn(const platform::PlistDict* dict, const char* key) {
  const platform::PlistValue* value = dict ? platform::PlistDictFind(*dict, key) : nullptr;
  const std::int64_t* number = value ? value->asInteger() : nullptr;
  return number != nullptr && *number != 0;
}

}  // namespace

void ReadImageOptionsTicket(ImageOptionsContext& c, const platform::Ticket& t) {
  c.color = FullColorOptions(t.getDictionary(kFullColorOptionsKey));
  c.antialiasing = IntegerOr(t, kAntialiasingKey, kPrinterDefault);
  c.resolution = IntegerOr(t, kResolutionKey, kPrinterDefault);
  c.halftone = IntegerOr(t, kHalftoneScreenKey, kPrinterDefault);

  const platform::PlistDict* invert = t.getDictionary(kInvertImageOptionsKey);
  c.invert = {true, FlagIn(invert, kNegativeImageKey), FlagIn(invert, kMirrorImageKey)};

  // The unit the user last worked in stays when the ticket has no image shift.
  ImageShiftOptions shift;
  shift.inches = c.imageShift.inches;
  if (const platform::PlistDict* dict = t.getDictionary(kImageShiftOptionsJobKey)) shift.fromTicket(*dict);
  if (t.contains(kJobLevelStockKey)) shift.paperSize = ReadJobLevelStock(t).size();
  shift.plex = IntegerOr(t, kFinishingDuplexKey, shift.plex);
  c.imageShift = shift;
}
