// Booklet layout, two-sided printing and staples, kept in the ticket itself so that the panels agree.
#include "model/booklet_layout_rules.h"

#include "model/booklet_watermark_keys.h"
#include "model/paper_output_codes.h"
#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "model/ticket_clients.h"
#include "vocabulary/ppd_bridge.h"
#include "vocabulary/ppd_main_keywords.h"

using platform::Ticket;

namespace {

std::optional<std::int32_t> DuplexValue(const Ticket& t, const char* key) {
  const std::optional<std::int64_t> v = t.getInteger(key);
  if (!v || *v < 1 || *v > 3) return std::nullopt;
  return static_cast<std::int32_t>(*v);
}

// The job's two-sided value as it stands: the platform's setting first, as the other panes show
// it, then the panel's own entry, then the printer description's choice.
std::int32_t CurrentDuplex(const Ticket& t) {
  if (std::optional<std::int32_t> v = DuplexValue(t, kPMDuplexingKey)) return *v;
  if (std::optional<std::int32_t> v = DuplexValue(t, kFinishingDuplexKey)) return *v;
  std::int32_t value = 1;
  if (PPDGetTicketValueForChoiceOrDefault(PPDGetCurrent(), &t, kPPDDuplex, value) && value >= 1 && value <= 3)
    return value;
  return 1;
}

void PutDuplex(Ticket& t, std::int32_t value) {
  t.set(kFinishingDuplexKey, value, kPanelsClientID);
  t.set(kPMDuplexingKey, value, kPrintingManagerClientID);
  if (const char* choice = PPDChoiceForTicketValue(kPPDDuplex, value)) PPDSetCurrentChoice(&t, kPPDDuplex, choice);
}

}  // namespace

void PutBookletDuplexOn(Ticket& settings) {
  if (!DuplexValue(settings, kBookletDuplexBeforeKey))
    settings.set(kBookletDuplexBeforeKey, CurrentDuplex(settings), kPanelsClientID);
  PutDuplex(settings, kDuplexShortEdge);
}

std::optional<std::int32_t> GiveBackDuplexAfterBooklet(Ticket& settings) {
  const std::optional<std::int32_t> remembered = DuplexValue(settings, kBookletDuplexBeforeKey);
  settings.remove(kBookletDuplexBeforeKey);
  if (remembered) PutDuplex(settings, *remembered);
  return remembered;
}

void PutBookletStaplesOff(Ticket& settings) {
  for (const char* key : {kFinishingStaple1ValueKey, kFinishingStaple2ValueKey, kFinishingStapleCenterValueKey})
    settings.set(key, kStapleNone, kPanelsClientID);
}
