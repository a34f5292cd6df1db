#pragma once
// Special pages: front and back covers, inserts, exception page ranges and pad printing. Each
// page is read through its model class (model/special_page.h, model/special_page_list.h), its
// paper written as a media element (jtkt_media.h) and, for exception ranges, its colour as the
// full-colour fields (jtkt_color.h).
#include <cstdint>

#include "jobticket/writer/jtkt_context.h"
#include "jobticket/writer/jtkt_media.h"
#include "jobticket/writer/jtkt_page_data.h"
#include "model/paper_output_keys.h"
#include "platform/plist/plist_value.h"

// Kinds of WriteJTktSpecialPagesStart and WriteJTktSpecialPagesEnd.
inline constexpr int kJTktPageOverrides = 0;
inline constexpr int kJTktInsertSheets = 1;

// Cover types of WriteJTktCovers: 0 no-cover, 1 print-none, 2 print-front, 3 print-back, 4 print-both.
inline constexpr int kJTktFrontCover = 0;
inline constexpr int kJTktBackCover = 1;

extern "C" {
// The start and end of the page-overrides (kind 0) or insert-sheet (kind 1) set; other kinds
// write nothing.
KORVO_EXPORT int WriteJTktSpecialPagesStart(const JTktWriteContext* ctx, int kind);
KORVO_EXPORT int WriteJTktSpecialPagesEnd(const JTktWriteContext* ctx, int kind);
// One cover (which 0 front, 1 back) with its type line and media; another `which` writes nothing.
KORVO_EXPORT int WriteJTktCovers(const JTktWriteContext* ctx, int which, int coverType, const _MEDIADATA* media);
// One insert: after which page, how many sheets, and its media.
KORVO_EXPORT int WriteJTktInserts(const JTktWriteContext* ctx, std::int32_t afterPage, std::int32_t count,
                                 const _MEDIADATA* media);
// One exception range: its documents and pages, sides, darkness, image shift, media and colour.
KORVO_EXPORT int WriteJTktPageExceptions(const JTktWriteContext* ctx, const _PAGEDATA* pageRecord,
                                        const _MEDIADATA* media);
// Pad printing: padType "No Back Cover" or "Blank Back Cover" (any case) names the pad type;
// the blank back cover also gets its media. Other types write the sheets per pad alone.
KORVO_EXPORT int WriteJTktPads(const JTktWriteContext* ctx, const char* padType, std::int32_t sheetsPerPad,
                              const _MEDIADATA* media);
}

// The exception range's sides from its plex: 1 one-sided 0, 2 long edge 1, 3 short edge 2, else -1.
void FillPageSidesImaged(_PAGEDATA* pageRecord, std::int32_t plex);

// A booklet that forces a new size prints its front cover on the job's paper size: the job
// stock's size (and custom dimensions) into coverStock; nothing otherwise.
void TakeJobSizeForBooklet(const platform::PlistDict* ticket, Stock& coverStock);

// Ticket writers, through the writer they are given; each writes nothing when the ticket lacks its page.
// coverMode non-zero keeps the front cover's print-none and print-both only.
void WriteJTKTFrontCover(const JTktWriter& writer, const platform::PlistDict* ticket, int coverMode);
void WriteJTKTBackCover(const JTktWriter& writer, const platform::PlistDict* ticket);
void WriteJTKTPad(const JTktWriter& writer, const platform::PlistDict* ticket);
void WriteJTKTInserts(const JTktWriter& writer, const platform::PlistDict* ticket);
void WriteJTKTExceptions(const JTktWriter& writer, const platform::PlistDict* ticket);
