#pragma once
// Media: every paper a job-ticket document names (the job's paper, each cover, insert, pad and
// exception page) is one media element, a "media-col" collection describing the stock by its
// properties, or a one-line "media" keyword for paper fed from the post-fuser inserter.
// FillMediaData turns a stock (model/stock.h) into a _MEDIADATA record of printer codes and
// texts; WriteJTktMedia turns the record into XML.
#include <cstdint>
#include <optional>
#include <string>

#include "jobticket/writer/jtkt_context.h"
#include "model/stock.h"
#include "platform/plist/plist_value.h"

// "Not set" in a record's integer fields.
inline constexpr std::int32_t kJTktUnset = -1;

// Codes of _MEDIADATA::type.
enum JTktMediaTypeCode : std::int32_t {
  kJTktMediaStationery = 0,
  kJTktMediaTransparency = 1,
  kJTktMediaTabStock = 2,
  kJTktMediaPreCutTabs = 3,
  kJTktMediaFullCutTabs = 4,
  kJTktMediaLabels = 5,
  kJTktMediaPrePrinted = 6,  // written as media-pre-printed, from prePrinted
  kJTktMediaRecycled = 7,    // written as media-recycled
  kJTktMediaEnvelope = 8,
  kJTktMediaNamed9 = 9,      // typeName, as a name
  kJTktMediaNamed = 10,      // typeName, as a name
  kJTktMediaOther = 11,
  kJTktMediaBond = 12,
  kJTktMediaNoType = 13,
  // Embossed tabs, ordered embossed, film and textured stock: the printer's vocabulary has no
  // media type for them, so they are described by their other properties only.
  kJTktMediaPreCutEmbossedTab = 14,
  kJTktMediaFullCutEmbossedTab = 15,
  kJTktMediaOrderedEmbossed = 16,
  kJTktMediaFilm = 17,
  kJTktMediaTextured = 18,
};

// Codes of _MEDIADATA::color: 0 "no-color" to 11 "orange" are keywords, 12 is colorName,
// 13 is no colour element.
inline constexpr std::int32_t kJTktMediaColorNamed = 12;
inline constexpr std::int32_t kJTktMediaNoColor = 13;

// The filled media record. Texts hold what the stock says, as UTF-8; the emitter escapes them.
struct _MEDIADATA {
  std::int32_t type = kJTktUnset;
  std::int32_t color = kJTktUnset;
  std::int32_t orderCount = kJTktUnset;  // sheets in one set of a tab or ordered stock
  std::int32_t holeCount = kJTktUnset;
  std::int32_t prePrinted = 0;        // 0 blank, 1 pre-printed, 2 letter-head (type 6)
  std::int32_t recycled = 0;          // 1 for recycled paper (type 7)
  std::optional<std::string> typeName;   // types 9 and 10; written as at most 30 bytes
  std::optional<std::string> colorName;  // colour 12; written as at most 30 bytes
  std::optional<std::string> description;
  std::int32_t weight = kJTktUnset;   // grams per square metre
  std::uint32_t xDimension = 0;       // hundredths of a millimetre; 0 when unknown
  std::uint32_t yDimension = 0;       // feed direction, likewise
  std::int32_t tooth = kJTktUnset;    // 1 fine, 2 medium, 3 coarse, 4 semi-coarse
  std::int32_t grain = kJTktUnset;    // 1 long grain, 2 short grain
  std::int32_t sidesCoated = kJTktUnset;  // 1 none, 2 front, 3 both, 4 back
  std::int32_t coatingKind = kJTktUnset;  // 1 glossy, 2 high gloss, 3 semi-gloss, 4 satin, 5 matte
  std::optional<std::string> mediaKey;    // the library name of a stock known by name only
  std::int32_t source = kJTktUnset;   // 0: fed from the post-fuser inserter
};

// Fills the record from a stock dictionary (null: a stock with every field not set); coverFlag
// is accepted for callers that pass one and does not change the result. page sizes a stock that
// names no size (see JTktPageGeometry); the print dialog has none to give.
void FillMediaData(_MEDIADATA* record, const platform::PlistDict* stock, int coverFlag, const JTktPageGeometry& page = {});
// The same from a Stock, for callers that hold one (a cover given the job's size, say).
void FillMediaData(_MEDIADATA* record, const Stock& stock);
// The same, with the dictionary the Stock was read from (may be null) for what the Stock does not
// keep: the order count of every type, the dimensions of a size no row knows, and a
// "CustomNameOnly" that is present but false.
void FillMediaData(_MEDIADATA* record, const Stock& stock, const platform::PlistDict* dictionary,
                   const JTktPageGeometry& page = {});

// The conversions FillMediaData runs, each for its own fields. The single-property ones set a
// field only while it is still not set, so what the type implies wins over the stock's own value.
void FillMediaSource(_MEDIADATA* record, const Stock& stock);
void FillMediaSize(_MEDIADATA* record, const Stock& stock);
void FillMediaSize(_MEDIADATA* record, const Stock& stock, const platform::PlistDict* dictionary,
                   const JTktPageGeometry& page = {});
void FillMediaColor(_MEDIADATA* record, const Stock& stock);
void FillMediaType(_MEDIADATA* record, const Stock& stock);
void FillMediaWeight(_MEDIADATA* record, const Stock& stock);
void FillMediaPunched(_MEDIADATA* record, const Stock& stock);
void FillMediaDescription(_MEDIADATA* record, const Stock& stock);
void FillMediaFinish(_MEDIADATA* record, const Stock& stock);
void FillMediaGrain(_MEDIADATA* record, const Stock& stock);
void FillMediaCoating(_MEDIADATA* record, const Stock& stock);

// The media element of the record. Members whose field is not set, or holds a code the printer's
// vocabulary has no word for, are left out. 0, or paramErr without a context or record.
extern "C" KORVO_EXPORT int WriteJTktMedia(const JTktWriteContext* ctx, const _MEDIADATA* record);

// The job's paper: the media element of "com.korvo.print.JobLevelStock" (a stock with nothing
// set when the key is missing), through the writer it is given.
void WriteJTKTJobLevelStock(const JTktWriter& writer, const platform::PlistDict* ticket);
