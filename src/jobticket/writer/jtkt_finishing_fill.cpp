// From the ticket's finishing keys to the finishing record. The stored numbers are those of the
// finishing dialogs and setting maps; each finishing option says which of the other keys count.
#include <optional>

#include "jobticket/writer/jtkt_commands.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/finishing_folds.h"
#include "model/paper_output_codes.h"
#include "vocabulary/device_profile_limits.h"

namespace {

using platform::PlistDict;

// The record's punch code of a stored punch value; the plain hole-punch option has no other.
std::optional<std::int32_t> PunchRecord(std::int32_t stored, bool withOther) {
  if (withOther && stored == kHolePunchStoredOther) return kHolePunchRecordOther;
  if (const HolePunchEdge* edge = RowWith(kHolePunchEdges, &HolePunchEdge::stored, stored)) return edge->recordCode;
  return std::nullopt;
}

// The record's fold code of a stored fold of the given kinds.
template <class Kinds>
void ConvertFold(std::int32_t stored, Kinds kinds, std::int32_t& field) {
  if (const FoldFacts* fold = FoldOf(stored); fold != nullptr && fold->recordCode != kFoldNoRecord && kinds(fold->kind))
    field = fold->recordCode;
}

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
  const auto punch = [&] { r.nHolePunchOptions = PunchRecord(s.holePunchValue, true).value_or(r.nHolePunchOptions); };
  const auto zFold = [&] {
    if (const ZFoldSide* side = RowWith(kZFoldSides, &ZFoldSide::stored, s.foldOptions)) r.nFoldOptions = side->recordCode;
  };
  switch (s.finishingOptions) {
    case kFinishingPrinterDefault:
      if (s.bookletValue == kBookletFoldOnly) r.nFoldOptions = kFoldRecordBookletFold;
      if (s.bookletValue == kBookletFoldAndStaple) r.nStapleOptions = kStapleRecordBooklet;
      break;
    case kFinishingNone: r.nFoldOptions = kFoldRecordNone; break;
    case kFinishingSignatureBooklet: r.nFoldOptions = kFoldRecordSignatureBooklet; break;
    case kFinishingOneStaple: case kFinishingTwoStaples: case kFinishingCenterStaple: staple(); break;
    case kFinishingBind:
      if (const BindPosition* bind = RowWith(kBindPositions, &BindPosition::stored, s.bindValue))
        r.nFoldOptions = bind->recordCode;
      break;
    case kFinishingFold:
      ConvertFold(s.simpleFoldValue, [](FoldKind kind) { return kind == FoldKind::TriFold; }, r.nFoldOptions);
      break;
    case kFinishingCustom:
      if (const std::string* name = JTktString(ticket, kFinishingCustomKey))
        r.templateName = std::string(KFSCutToFeatureLength("FinishingTemplate", *name));
      break;
    case kFinishingBooklet: case kFinishingAdvancedFold:
      ConvertFold(s.simpleFoldValue, IsAdvancedFold, r.nFoldOptions);
      if (s.simpleFoldValue == kFoldBookletFoldStaple) r.nStapleOptions = kStapleRecordBooklet;
      break;
    case kFinishingHolePunch:
      r.nHolePunchOptions = PunchRecord(s.holePunchValue, false).value_or(r.nHolePunchOptions);
      break;
    case kHolePunchFirst: case kHolePunchFirst + 1: case kHolePunchFirst + 2: case kHolePunchFirst + 3:
      r.nHolePunchOptions = *PunchRecord(s.finishingOptions, false);
      break;
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
      record.nHolePunchNumHoles = kHolePunchDefaultCount.recordCode;
    else if (std::optional<std::int32_t> holes = JTktSetting(ticket, kFinishingHolePunchOptionsKey))
      if (const HolePunchCount* count = RowWith(kHolePunchCounts, &HolePunchCount::holesCode, *holes))
        record.nHolePunchNumHoles = count->recordCode;
  }
  return record;
}

void WriteJTKTFinishing(const JTktWriter& writer, const PlistDict* ticket) {
  if (ticket == nullptr) return;
  const JTktWriteContext* ctx = &writer.context;
  if (JTktHas(ticket, kFinishingSlipSheetKey)) {
    JTktDebug(ctx, "DEBUG: ************ SLIPSHEET ************\n");
    if (JTktSetting(ticket, kFinishingSlipSheetKey) == kSlipSheetsOn) {
      JTktDebug(ctx, "DEBUG: ************** SLIPSHEET ON ****************\n");
      WriteJTktCommands(ctx, kJTktSeparatorSheets, kSlipSheetsOn);
    }
  }
  const JTktFinishing record = FillFinishingData(ticket, ctx);
  WriteJTktFinishing(ctx, &record);
  WriteJTKTOffset(writer, ticket);
}
