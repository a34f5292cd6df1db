#pragma once
// The panel's values to and from the print-settings ticket.
#include "panels/booklet_watermark/booklet_watermark_state.h"
#include "platform/ticket/ticket.h"

// Reads the booklet and watermark entries; absent entries, or values of the wrong kind, give
// their defaults. A watermark the saved list does not hold (compared ignoring case) reads as none.
void ReadBookletWatermarkTicket(BookletWatermarkContext& context, const platform::Ticket& settings);

// Writes them. Booklet layout on only while booklet is available (the job has no special pages);
// a booklet drops a back cover equal to the front one. With no watermark chosen, the
// watermark's name and its subset font name are removed.
void WriteBookletWatermarkTicket(BookletWatermarkContext& context, platform::Ticket& settings);
