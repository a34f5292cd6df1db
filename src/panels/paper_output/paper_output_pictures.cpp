#include "panels/paper_output/paper_output_pictures.h"

#include <array>

#include "model/finishing_folds.h"
#include "model/finishing_positions.h"
#include "panels/paper_output/finishing/finishing_texts.h"

namespace {

constexpr const char* kExtension = ".png";
constexpr std::array<std::string_view, 4> kOneStapleSuffixes = {"TLTR", "BLTL", "TRBR", "BRBL"};
constexpr std::array<std::string_view, 4> kEdgeSuffixes = {"LT", "TR", "BL", "RB"};

std::string Finishing(std::string_view name) { return "ProductionFinishing_" + std::string(name) + kExtension; }

bool InRange(std::int32_t value, std::int32_t first) { return value >= first && value < first + 4; }
std::size_t Place(std::int32_t value, std::int32_t first) { return static_cast<std::size_t>(value - first); }

}  // namespace

std::string PositionPicture(std::string_view prefix, std::size_t place) {
  const bool oneStaple = prefix == "1St";
  if (place >= 4) return {};
  return Finishing(std::string(prefix) + "_" + std::string(oneStaple ? kOneStapleSuffixes[place] : kEdgeSuffixes[place]));
}

std::string JobTypePicture(std::int32_t jobType) {
  const char* name = nullptr;
  switch (jobType) {
    case 1: name = "NormalPrint"; break;
    case 2: name = "HoldJob"; break;
    case 3: name = "SavedJob"; break;
    case 5: name = "Fax"; break;
    case 6: name = "SecurePrint"; break;
    case 7: name = "DelayPrint"; break;
    case 8: name = "SampleSet"; break;
    case 9: name = "BackgroundForm"; break;
    default: return {};
  }
  return std::string("JobType_") + name + kExtension;
}

std::string DuplexPicture(bool bookletOn, std::int32_t duplex) {
  if (bookletOn || duplex == kDuplexLongEdge) return std::string("2SidedPrinting_2Sided") + kExtension;
  if (duplex == kDuplexShortEdge) return std::string("2SidedPrinting_2SidedFlip") + kExtension;
  if (duplex == 1) return std::string("2SidedPrinting_1Sided") + kExtension;
  return {};
}

std::string OutputColorPicture(std::int32_t outputColor) {
  if (outputColor == 2) return std::string("OutputColor_Color") + kExtension;
  if (outputColor == 1) return std::string("OutputColor_BlackandWhite") + kExtension;
  return std::string("OutputColor_PrnDef") + kExtension;
}

std::string FinishingPicture(const FinishingState& f) {
  if (InRange(f.staple1, kOneStapleFirst)) return PositionPicture("1St", Place(f.staple1, kOneStapleFirst));
  if (InRange(f.staple2, kTwoStaplesFirst)) return PositionPicture("2St", Place(f.staple2, kTwoStaplesFirst));
  if (InRange(f.stapleCenter, kCenterStapleFirst))
    return PositionPicture("CtSt", Place(f.stapleCenter, kCenterStapleFirst));
  if (const HolePunchCount* holes = RowWith(kHolePunchCounts, &HolePunchCount::holesCode, f.holePunchOptions);
      holes != nullptr && InRange(f.holePunchValue, kHolePunchFirst))
    return PositionPicture(holes->picturePrefix, Place(f.holePunchValue, kHolePunchFirst));
  if (const ZFoldSide* side = RowWith(kZFoldSides, &ZFoldSide::stored, f.zFold)) return Finishing(side->picture);
  switch (f.code) {
    case kFinishingBooklet: return Finishing("Bklt_Fold");
    case kFinishingCustom: return Finishing("Custom");
    case kFinishingBind: return PositionPicture("Bnd", f.bind == kBindRightBottom ? 3 : 0);
    case kFinishingFold: return Finishing(f.fold == kFoldZTriFold ? "Z_Fold" : "C_Fold");
    default: break;
  }
  if (f.slipSheets == kSlipSheetsOn) return Finishing("Slip_Sheets");
  return Finishing("Normal");
}
