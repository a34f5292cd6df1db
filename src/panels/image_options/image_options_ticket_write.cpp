// Writing the panel's entries into the print-settings ticket. A choice left to the printer
// takes its entry away, so that an earlier choice cannot come back at the next read.
#include "model/image_options_keys.h"
#include "model/ticket_clients.h"
#include "panels/image_options/image_options_panel.h"

namespace {

// The panel writes under the plug-in's short client name.
void Put(platform::Ticket& t, const char* key, platform::PlistValue value) { t.set(key, std::move(value), kShellClientID); }

void PutIfSet(platform::Ticket& t, const char* key, std::int32_t value) {
  if (value == kPrinterDefault) {
    t.remove(key);
  } else {
    Put(t, key, value);
  }
}

}  // namespace

void WriteImageOptionsTicket(const ImageOptionsContext& c, platform::Ticket& t) {
  Put(t, kFullColorOptionsKey, c.color.asTicket());
  Put(t, kResolutionKey, c.resolution);  // the sentinel too: the print path reads it as "not set"
  PutIfSet(t, kHalftoneScreenKey, c.halftone);
  PutIfSet(t, kAntialiasingKey, c.antialiasing);
  platform::PlistDict invert;
  invert[kNegativeImageKey] = c.invert.negative ? 1 : 0;
  invert[kMirrorImageKey] = c.invert.mirror ? 1 : 0;
  Put(t, kInvertImageOptionsKey, std::move(invert));
  if (std::optional<platform::PlistDict> shift = c.imageShift.asTicket()) {
    Put(t, kImageShiftOptionsJobKey, std::move(*shift));
  } else {
    t.remove(kImageShiftOptionsJobKey);
  }
}
