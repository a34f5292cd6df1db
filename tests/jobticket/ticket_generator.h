#pragma once
// Tickets made from the value domains the panels and the setting maps give: every map row, both
// units, every special page kind, the printer-default sentinel, empty and long texts. The choices
// come from a source of numbers, so one generator serves a seeded test and a fuzzer alike.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/plist/plist_value.h"

namespace jtkt_test {

// Answers a number below bound (bound > 0).
using TicketChoice = std::function<std::uint32_t(std::uint32_t bound)>;

// A ticket of the whole-document export: the options dictionary and every section the choices
// turn on.
platform::PlistDict GenerateTicket(const TicketChoice& choose);

}  // namespace jtkt_test
