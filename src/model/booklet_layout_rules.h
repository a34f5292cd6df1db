#pragma once
// One set of rules for what booklet layout does to two-sided printing and staples, shared by
// every panel that turns booklet on or off, so the ticket never describes two exclusive finishings. Booklet sheets are printed 2-up and turn on the short edge, so
// booklet on means two-sided short edge (3) in both duplex entries and the printer description's
// "Duplex" choice. The job's own choice is remembered in the ticket the first time booklet goes
// on and given back, once, the first time it goes off: a later Sync neither remembers 3 nor
// overrides a choice the user made after booklet went off.
#include <cstdint>
#include <optional>

#include "platform/ticket/ticket.h"

// Booklet on: remembers the job's two-sided value unless one is remembered already, then writes
// 3 to both duplex entries and the "Duplex" choice.
void PutBookletDuplexOn(platform::Ticket& settings);

// Booklet off: when a value is remembered, writes it back to both duplex entries and the
// "Duplex" choice, forgets it and answers it; otherwise changes nothing and answers none.
std::optional<std::int32_t> GiveBackDuplexAfterBooklet(platform::Ticket& settings);

// Either of the two, as the booklet state says.
inline void PutBookletDuplex(platform::Ticket& settings, bool bookletOn) {
  if (bookletOn) {
    PutBookletDuplexOn(settings);
  } else {
    GiveBackDuplexAfterBooklet(settings);
  }
}

// Booklet on takes the staples off: the three staple entries become 1 ("none").
void PutBookletStaplesOff(platform::Ticket& settings);
