// From the ticket's finishing keys to the finishing record. The stored numbers are those of the
// finishing dialogs and setting maps; each finishing option says which of the other keys count.
#include <optional>

#include "jobticket/writer/jtkt_commands.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/finishing_positions.h"
#include "model/paper_output_codes.h"

namespace {

using platform::PlistDict;

struct Conversion {
  std::int32_t stored;
  std::int32_t code;
};

template <std::size_t N>
void Convert(const Conversion (&table)[N], std::int32_t stored, std::int32_t& field) {
  for (const Conversion& row : table)
    if (row.stored == stored) field = row.code;
}

constexpr Conversion kPunchConversion[] = {{32, 31}, {33, 32}, {34, 33}, {35, 34}, {49, 38}};
// The punch choices of the plain hole-punch option, which has no coil punch.
constexpr Conversion kPunchChoiceConversion[] = {{32, 31}, {33, 32}, {34, 33}, {35, 34}};
constexpr Conversion kBookletFoldConversion[] = {{41, 21}, {42, 22}, {43, 23}, {44, 24},
                                                 {45, 27}, {46, 28}, {47, 29}, {48, 30}};
constexpr Conversion kZFoldConversion[] = {{38, 25}, {39, 26}};
constexpr Conversion kHoleCountConversion[] = {{3, 35}, {4, 36}, {5, 37}};

constexpr std::int32_t kSlipSheetOn = 2;
constexpr std::int32_t kDefaultHoleCount = 36;

// The values the conversion reads, each 0 when its key is missing or holds the printer default.
struct Stored {
  std::int32_t finishingOptions = 0;
  std::int32_t coil = 0;
  std::int32_t foldOptions = 0;
  std::int32_t stapleValue = 0;
  std::int32_t holePunchValue = 0;
  std::int32_t simpleFoldValue = 0;
  std::int32_t bindValue = 0;
  std::int32_t bookletValue = 0;
};

std::int32_t Setting(const PlistDict* ticket, const char* key) { return JTktSetting(ticket, key).value_or(0); }

// The first staple key that holds a value other than 0.
std::int32_t StapleValue(const PlistDict* ticket) {
  for (const char* key : {kFinishingStaple1ValueKey, kFinishingStaple2ValueKey, kFinishingStapleCenterValueKey})
    if (std::int32_t value = Setting(ticket, key); value != 0) return value;
  return 0;
}

Stored ReadStored(const PlistDict* ticket) {
  Stored s;
  s.finishingOptions = Setting(ticket, kFinishingOptionsKey);
  s.coil = Setting(ticket, kFinishingCoilPunchValueKey);
  s.foldOptions = Setting(ticket, kFinishingZFoldValueKey);
  s.stapleValue = StapleValue(ticket);
  s.holePunchValue = Setting(ticket, kFinishingHolePunchValueKey);
  s.simpleFoldValue = Setting(ticket, kFinishingFoldValueKey);
  s.bindValue = Setting(ticket, kFinishingBindValueKey);
  s.bookletValue = Setting(ticket, kBookletFoldStapleKey);
  return s;
}

void ConvertFinishingOption(const PlistDict* ticket, const Stored& s, JTktFinishing& r) {
  const auto staple = [&] {
    if (const StaplePosition* position = StaplePositionStored(s.stapleValue)) r.nStapleOptions = position->recordCode;
  };
  const auto punch = [&] { Convert(kPunchConversion, s.holePunchValue, r.nHolePunchOptions); };
  const auto zFold = [&] { Convert(kZFoldConversion, s.foldOptions, r.nFoldOptions); };
  switch (s.finishingOptions) {
    case kFinishingPrinterDefault:
      if (s.bookletValue == 7) r.nFoldOptions = 10;
      if (s.bookletValue == 8) r.nStapleOptions = kStapleRecordBooklet;
      break;
    case kFinishingNone: r.nFoldOptions = 9; break;
    case kFinishingSignatureBooklet: r.nFoldOptions = 15; break;
    case kFinishingOneStaple: case kFinishingTwoStaples: case kFinishingCenterStaple: staple(); break;
    case kFinishingBind:
      if (s.bindValue == kBindLeftTop) r.nFoldOptions = 13;
      if (s.bindValue == kBindRightBottom) r.nFoldOptions = 14;
      break;
    case kFinishingFold:
      if (s.simpleFoldValue == kFoldCTriFold) r.nFoldOptions = 11;
      if (s.simpleFoldValue == kFoldZTriFold) r.nFoldOptions = 12;
      break;
    case kFinishingCustom:
      if (const std::string* name = JTktString(ticket, kFinishingCustomKey)) r.templateName = *name;
      break;
    case kFinishingBooklet: case kFinishingAdvancedFold:
      Convert(kBookletFoldConversion, s.simpleFoldValue, r.nFoldOptions);
      if (s.simpleFoldValue == kFoldBookletFoldStaple) r.nStapleOptions = kStapleRecordBooklet;
      break;
    case kFinishingHolePunch: Convert(kPunchChoiceConversion, s.holePunchValue, r.nHolePunchOptions); break;
    case kHolePunchFirst: r.nHolePunchOptions = 31; break;
    case kHolePunchFirst + 1: r.nHolePunchOptions = 32; break;
    case kHolePunchFirst + 2: r.nHolePunchOptions = 33; break;
    case kHolePunchFirst + 3: r.nHolePunchOptions = 34; break;
    case kFinishingZFoldHalfSheet: zFold(); break;
    case kFinishingStaplePunch: punch(); staple(); break;
    case kFinishingStaplePunchZFold: zFold(); punch(); staple(); break;
    case kFinishingStapleZFold: zFold(); staple(); break;
    case kFinishingPunchZFold: zFold(); punch(); break;
    case kFinishingCoilPunch: r.coilPunch = s.coil; break;
    default: break;
  }
}

bool TakesHoleCount(std::int32_t finishingOptions) {
  switch (finishingOptions) {
    case kFinishingHolePunch: case kHolePunchFirst: case kHolePunchFirst + 1: case kHolePunchFirst + 2: case kHolePunchFirst + 3: case kFinishingStaplePunch: case kFinishingStaplePunchZFold: case kFinishingPunchZFold: return true;
    default: return false;
  }
}

}  // namespace

JTktFinishing FillFinishingData(const PlistDict* ticket, const JTktWriteContext* ctx) {
  JTktFinishing record;
  const Stored s = ReadStored(ticket);
  JTktDebug(ctx, "DEBUG: ******* finishingOptions = %ld, foldOptions = %ld, stapleValue = %ld, holePunchValue = %ld, "
            "simpleFoldValue = %ld, bindValue = %ld, bookletValue = %ld\n",
            static_cast<long>(s.finishingOptions), static_cast<long>(s.foldOptions), static_cast<long>(s.stapleValue),
            static_cast<long>(s.holePunchValue), static_cast<long>(s.simpleFoldValue), static_cast<long>(s.bindValue),
            static_cast<long>(s.bookletValue));
  // Square fold and trim are "off" when the panel never stored them: a missing key is not a 0.
  record.squareFold = JTktSetting(ticket, kFinishingSquareFoldValueKey).value_or(kJTktFinishingUnset);
  record.trimWidth = JTktSetting(ticket, kFinishingTrimLengthValueKey).value_or(kJTktFinishingUnset);
  ConvertFinishingOption(ticket, s, record);
  if (TakesHoleCount(s.finishingOptions)) {
    if (!JTktHas(ticket, kFinishingHolePunchOptionsKey))
      record.nHolePunchNumHoles = kDefaultHoleCount;
    else if (std::optional<std::int32_t> holes = JTktSetting(ticket, kFinishingHolePunchOptionsKey))
      Convert(kHoleCountConversion, *holes, record.nHolePunchNumHoles);
  }
  return record;
}

void WriteJTKTFinishing(const JTktWriter& writer, const PlistDict* ticket) {
  if (ticket == nullptr) return;
  const JTktWriteContext* ctx = &writer.context;
  if (JTktHas(ticket, kFinishingSlipSheetKey)) {
    JTktDebug(ctx, "DEBUG: ************ SLIPSHEET ************\n");
    if (JTktSetting(ticket, kFinishingSlipSheetKey) == kSlipSheetOn) {
      JTktDebug(ctx, "DEBUG: ************** SLIPSHEET ON ****************\n");
      WriteJTktCommands(ctx, kJTktSeparatorSheets, kSlipSheetOn);
    }
  }
  const JTktFinishing record = FillFinishingData(ticket, ctx);
  WriteJTktFinishing(ctx, &record);
  WriteJTKTOffset(writer, ticket);
}
