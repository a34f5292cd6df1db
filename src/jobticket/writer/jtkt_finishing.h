#pragma once
// Finishing: stapling, folding, hole punching, binding, booklet making with its square fold and
// trim, custom finishing templates and coil punching. WriteJTKTFinishing reduces the ticket's
// finishing keys to a JTktFinishing record of printer codes; WriteJTktFinishing turns the record
// into a "finishings" set of enum values and, for templates and booklets, "finishings-col"
// collections. The slip sheets and the offset that finishing also sends are job-level commands
// (jtkt_commands.h).
#include <cstdint>
#include <optional>
#include <string>

#include "jobticket/writer/jtkt_context.h"
#include "model/paper_output_keys.h"
#include "platform/plist/plist_value.h"

// "Not set" in the record's integer fields.
inline constexpr std::int32_t kJTktFinishingUnset = -1;

// The filled finishing record: printer codes, each kJTktFinishingUnset while not set.
struct JTktFinishing {
  std::int32_t nStapleOptions = kJTktFinishingUnset;
  std::int32_t nFoldOptions = kJTktFinishingUnset;
  std::int32_t nHolePunchOptions = kJTktFinishingUnset;   // 31 to 34, or 38 (no enum)
  std::int32_t nHolePunchNumHoles = kJTktFinishingUnset;  // 35 to 37
  std::optional<std::string> templateName;                // UTF-8 as the ticket holds it; escaped when written
  std::int32_t coilPunch = kJTktFinishingUnset;           // 255 or 257 write a coil punch
  std::int32_t squareFold = kJTktFinishingUnset;          // booklet square fold: 62 to 66
  std::int32_t trimWidth = kJTktFinishingUnset;           // booklet trim width
};

// The finishing elements of the record, each line a fragment of its own: the coil punch; then
// the template collection, or else the set of staple, fold and punch enums; then, when a square
// fold or a trim is set, the booklet-making collection. Codes without an enum write no line, and
// a set that would hold no value is not written. 0, or paramErr without a context or record.
extern "C" KORVO_EXPORT int WriteJTktFinishing(const JTktWriteContext* ctx, const JTktFinishing* record);

// The record of the ticket's finishing keys. Every setting holding the printer default counts as
// not stored; a missing square fold or trim means none (-1), never 0.
JTktFinishing FillFinishingData(const platform::PlistDict* ticket, const JTktWriteContext* ctx = nullptr);

// The finishing of the ticket, through the writer it is given: the slip sheets when they are on, the
// finishing elements of FillFinishingData, then the offset (WriteJTKTOffset). Nothing for a null
// ticket.
void WriteJTKTFinishing(const JTktWriter& writer, const platform::PlistDict* ticket);
