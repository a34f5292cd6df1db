// The features read by the generic conversion: where each one's element is, which dictionary it
// goes to and under which keys, and what reading it from the file implies beside its own key.
#include <algorithm>
#include <iterator>
#include <map>

#include "jobticket/reader/jtkt_import_context.h"
#include "jobticket/writer/jtkt_color.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "jobticket/writer/jtkt_job_attributes.h"
#include "model/advanced_keys.h"
#include "model/background_forms_keys.h"
#include "model/image_options_keys.h"
#include "model/image_shift_options.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_keys.h"
#include "model/special_page_keys.h"
#include "model/stock_keys.h"
#include "vocabulary/device_profile.h"

using platform::PlistDict;
using platform::PlistValue;
using T = JTKTTarget;

namespace {

// A key at job scope and, where it differs, inside a special page.
struct Keys {
  const char* job = nullptr;
  const char* page = nullptr;
  const char* at(const JTKTImportFeatureContext& context) const {
    return JTKTAtPageScope(context) && page != nullptr ? page : job;
  }
};

// What a value read from the file (not a profile default) also sets.
enum class Also { Nothing, SavedJobNameGiven, SubsetsEnabled, FormsJob, ExistingForm, FormShift, ImageShift };

struct OneToOneRow {
  const char* id;
  const char* path;
  T target;
  Keys keyword;
  const JTKTKeywordMap* table;
  Keys number;
  Keys name;
  Also also = Also::Nothing;
  const char* otherPath = nullptr;  // tried when nothing was read at path
};

constexpr const char* kJobTypeMember = "JobType";
constexpr const char* kUseJobNameMember = "UseJobName";

// The saved-job elements, inside the save disposition's first save-info value.
#define SAVE_INFO ".job-save-disposition.save-info.value."
#define FORMS_COL ".forms-col.value."

const OneToOneRow kOneToOneRows[] = {
    {"OutputColor", ".color-effects-type", T::Ticket, {kFinishingOutputColorKey, special_page_keys::kOutputColorKey}, JTKTColorEffectsMap, {}, {}},
    {"Duplex", ".sides", T::Ticket, {kFinishingDuplexKey, special_page_keys::kSidesImagedKey}, JTKTSidesMap, {}, {}},
    {"OutputDestination", ".output-bin", T::Ticket, {kFinishingOutputDestinationKey}, JTKTOutputDestinationMap, {}, {}},
    {"StockWeight", ".media-col.media-weight-metric", T::Stock, {stock_keys::kWeightKey}, JTKTMediaWeightMetricMap, {stock_keys::kWeightKey}, {}},
    {"StockColor", ".media-col.media-color", T::Stock, {stock_keys::kColorKey}, JTKTMediaColorMap, {}, {stock_keys::kCustomColorKey}},
    {"StockGrain", ".media-col.media-grain", T::Stock, {stock_keys::kGrainKey}, JTKTMediaGrainMap, {}, {}},
    {"StockFinish", ".media-col.media-tooth", T::Stock, {stock_keys::kFinishKey}, JTKTMediaFinishMap, {}, {}},
    {"SaveJob", ".job-save-disposition.save-disposition", T::JobType, {kJobTypeMember}, JTKTJobTypeMap, {}, {}},
    // The writer puts a held job's element beside the others, not inside a save disposition.
    {"HoldJob", ".job-save-disposition.job-hold-until", T::JobType, {kJobTypeMember}, JTKTJobTypeMap, {}, {},
     Also::Nothing, ".job-hold-until"},
    {"SaveJobFormat", SAVE_INFO "save-document-format", T::JobType, {kJobTypeMediaTypeKey}, JTKTSaveFormatMap, {}, {}},
    {"SaveJobLocation", SAVE_INFO "save-location", T::JobType, {}, nullptr, {}, {kJobTypeSavedJobLocationKey}},
    {"SaveJobName", SAVE_INFO "save-name", T::JobType, {}, nullptr, {}, {kJobTypeSavedJobNameKey}, Also::SavedJobNameGiven},
    {"SlipSheets", ".separator-sheets.separator-sheets-type", T::Ticket, {kFinishingSlipSheetKey}, JTKTSlipSheetMap, {}, {}},
    {"HalftoneScreen", ".halftone-graphics", T::Ticket, {kHalftoneScreenKey, special_page_keys::kHalftoneScreenKey}, JTKTHalftoneScreenMap, {}, {}},
    {"LightenDarken", ".adjust-bw-darkness-value", T::Ticket, {kLightenDarkenKey, special_page_keys::kLightenDarkenKey}, JTKTLightenDarkenMap,
     {kLightenDarkenKey, special_page_keys::kLightenDarkenKey}, {}},
    {"Antialiasing", ".anti-aliasing", T::Ticket, {kAntialiasingKey, special_page_keys::kAntialiasingKey}, JTKTAntialiasingMap, {}, {}},
    {"PagesPerSubset", ".pages-per-subset", T::Ticket, {}, nullptr, {kFinishingOffsetPagesPerSubsetKey}, {}, Also::SubsetsEnabled},
    {"Rotation", ".page-rotation", T::Ticket, {kAdvancedRotateImage180Key}, JTKTRotationMap, {}, {}},
    {"ImageShiftSide1X", ".x-side1-image-shift", T::ImageShift, {}, nullptr, {kImageShiftX1Key}, {}, Also::ImageShift},
    {"ImageShiftSide1Y", ".y-side1-image-shift", T::ImageShift, {}, nullptr, {kImageShiftY1Key}, {}, Also::ImageShift},
    {"ImageShiftSide2X", ".x-side2-image-shift", T::ImageShift, {}, nullptr, {kImageShiftX2Key}, {}, Also::ImageShift},
    {"ImageShiftSide2Y", ".y-side2-image-shift", T::ImageShift, {}, nullptr, {kImageShiftY2Key}, {}, Also::ImageShift},
    {"InkwellEmulation", ".adjust-bw-darkness-mode", T::Ticket, {kInkwellEmulationKey}, JTKTDarknessEmulationMap, {}, {}},
    {"OutputOrder", ".page-delivery", T::Ticket, {kOutputOrderKey}, JTKTOutputOrderMap, {}, {}},
    {"OPISubstitution", ".opi-image-insertion", T::Ticket, {kOPISubsitutionKey}, JTKTOPISubstitutionMap, {}, {}},
    {"OPIPrescan", ".opi-image-pre-scan", T::Ticket, {kOPIPrescanKey}, JTKTOPIPrescanMap, {}, {}},
    {"BannerMessage", ".job-sheet-message", T::Ticket, {}, nullptr, {}, {kJobNotesSheetMessageKey}},
    {"RecipientName", ".job-recipient-name", T::Ticket, {}, nullptr, {}, {kJobNotesRecipientKey}},
    {"JobStartMessage", ".job-message-to-operator", T::Ticket, {}, nullptr, {}, {kJobNotesMessageKey}},
    {"AdditionalNotes", ".job-accounting-data", T::Ticket, {}, nullptr, {}, {kJobNotesAdditionalInfoKey}},
    {"JobName", ".job-name", T::Ticket, {}, nullptr, {}, {kJobNotesJobNameKey}},
    {"SenderName", ".requesting-user-name", T::Ticket, {}, nullptr, {}, {kJobNotesSenderNameKey}},
    {"HighlightPrintingColor", ".highlight-colorant", T::Highlight, {"HiglightPrintingColor"}, JTKTHighlightPrintingColorMap, {}, {}},
    {"HighlightMappingColor", ".highlight-map-color", T::Highlight, {"HighlightMappingColor"}, JTKTHighlightMappingColorMap, {}, {}},
    {"HighlightMappingAlgorithm", ".highlight-map", T::Highlight, {"HighlightMappingAlgorithm"}, JTKTHighlightMappingAlgorithmMap, {}, {}},
    {"HighlightMismatchAction", ".highlight-colorant-mismatch", T::Highlight, {"HighlightMismatchAction"}, JTKTHighlightMismatchMap, {}, {}},
    {"ColorTRC", ".trc.trc-name", T::FullColor, {}, nullptr, {}, {"FCTRC"}},
    {"ColorOutputGraphicRendering", ".rendering-intent-graphics", T::FullColor, {"GraphicRendering"}, JTKTRenderingIntentMap, {}, {}},
    {"ColorOutputImageRendering", ".rendering-intent-images", T::FullColor, {"ImageRendering"}, JTKTRenderingIntentMap, {}, {}},
    {"ColorOutputTextRendering", ".rendering-intent-text", T::FullColor, {"TextRendering"}, JTKTRenderingIntentMap, {}, {}},
    {"ColorOutputProfile", ".color-destination-profile-front", T::FullColor, {"DestinationProfile"}, JTKTDestinationProfileMap, {},
     {"DestinationProfile"}, Also::Nothing, ".color-destination-profile-back"},
    {"ColorLightness", ".adjust-lightness", T::FullColor, {"FCLightness"}, JTKTDefaultOnlyMap, {"FCLightness"}, {}},
    {"ColorSaturation", ".adjust-saturation", T::FullColor, {"FCSaturation"}, JTKTDefaultOnlyMap, {"FCSaturation"}, {}},
    {"ColorContrast", ".adjust-contrast", T::FullColor, {"FCContrast"}, JTKTDefaultOnlyMap, {"FCContrast"}, {}},
    {"ColorCastCyanRed", ".adjust-cyan-red", T::ColorCast, {"FCCyanRed"}, JTKTDefaultOnlyMap, {"FCCyanRed"}, {}},
    {"ColorCastMagentaGreen", ".adjust-magenta-green", T::ColorCast, {"FCMagentaGreen"}, JTKTDefaultOnlyMap, {"FCMagentaGreen"}, {}},
    {"ColorCastYellowBlue", ".adjust-yellow-blue", T::ColorCast, {"FCYellowBlue"}, JTKTDefaultOnlyMap, {"FCYellowBlue"}, {}},
    {"ColorRGBSourceProfileImages", ".undefined-source-rgb-images", T::FullColor, {"RGBImagesProfile"}, JTKTRGBSourceProfileMap, {},
     {"RGBImagesProfile"}},
    {"ColorRGBSourceProfileTextAndGraphics", ".undefined-source-rgb-text", T::FullColor, {"RGBTextAndGraphicsProfile"},
     JTKTRGBSourceProfileMap, {}, {"RGBTextAndGraphicsProfile"}},
    {"ColorCMYKSourceProfileImages", ".undefined-source-cmyk-images", T::FullColor, {"CMYKImagesProfile"}, JTKTCMYKSourceProfileMap,
     {}, {"CMYKImagesProfile"}},
    {"ColorCMYKSourceProfileTextAndGraphics", ".undefined-source-cmyk-text", T::FullColor, {"CMYKTextAndGraphicsProfile"},
     JTKTCMYKSourceProfileMap, {}, {"CMYKTextAndGraphicsProfile"}},
    {"ColorGraySourceProfileImages", ".undefined-source-gray-images", T::FullColor, {"GrayImagesProfile"}, JTKTDefaultOnlyMap, {},
     {"GrayImagesProfile"}},
    {"ColorGraySourceProfileTextAndGraphics", ".undefined-source-gray-text", T::FullColor, {"GrayTextAndGraphicsProfile"},
     JTKTDefaultOnlyMap, {}, {"GrayTextAndGraphicsProfile"}},
    {"ColorTrapping", ".trapping", T::FullColor, {"FCTrapping"}, JTKTOnOffMap, {}, {}},
    {"ColorTrappingLength", ".trap-width-fast", T::FullColor, {"FCTrappingFastDirection"}, JTKTDefaultOnlyMap,
     {"FCTrappingFastDirection"}, {}},
    {"ColorTrappingWidth", ".trap-width-slow", T::FullColor, {"FCTrappingSlowDirection"}, JTKTDefaultOnlyMap,
     {"FCTrappingSlowDirection"}, {}},
    {"ColorBlackOverprint", ".black-overprint", T::FullColor, {"FCBlackOverprint"}, JTKTOnOffMap, {}, {}},
    {"FormCreateName", ".form-save.form-save-info.value.form-save-name", T::BackgroundForms, {}, nullptr, {}, {"NewFormString"},
     Also::FormsJob},
    {"FormMergeName", FORMS_COL "form-name", T::BackgroundForms, {}, nullptr, {}, {"MergeWithString"}, Also::ExistingForm},
    {"FormMergeCycle", FORMS_COL "form-cycle-start", T::BackgroundForms, {}, nullptr, {"CyclePages"}, {}},
    {"FormMergeShiftX", FORMS_COL "forms-x-image-shift", T::BackgroundForms, {}, nullptr, {"X1"}, {}, Also::FormShift},
    {"FormMergeShiftY", FORMS_COL "forms-y-image-shift", T::BackgroundForms, {}, nullptr, {"Y1"}, {}, Also::FormShift},
};

#undef SAVE_INFO
#undef FORMS_COL

void StoreImplied(Also also, const JTKTImportFeatureContext& context) {
  switch (also) {
    case Also::Nothing: break;
    case Also::SavedJobNameGiven: JTKTStore(context, T::JobType, kUseJobNameMember, PlistValue(false)); break;
    case Also::SubsetsEnabled: JTKTStore(context, T::Ticket, kFinishingOffsetEnableSubsetKey, PlistValue(1)); break;
    case Also::FormsJob: JTKTStore(context, T::JobType, kJobTypeMember, PlistValue(kJobTypeBackgroundForm)); break;
    // Merging with an existing form means something only with the form's name.
    case Also::ExistingForm:
      JTKTStore(context, T::BackgroundForms, background_forms_keys::kUseExistingFormKey, PlistValue(background_forms_keys::kMergeWithExistingForm));
      break;
    // The file's offsets are thousandths of a millimetre already.
    case Also::FormShift: JTKTStore(context, T::BackgroundForms, background_forms_keys::kFullPrecisionKey, PlistValue(true)); break;
    case Also::ImageShift:
      JTKTStore(context, T::ImageShift, kImageShiftFullPrecisionKey, PlistValue(true));
      JTKTStore(context, T::ImageShift, kImageShiftOptionKey, PlistValue(1));
      break;
  }
}

void ImportOneToOne(const OneToOneRow& row, const PlistDict* feature, const JTKTImportFeatureContext& context) {
  const auto convert = [&](const char* path) {
    return JTKTImportFeatureOneToOne(feature, context, path, row.target, row.keyword.at(context), row.table,
                                     row.number.at(context), row.name.at(context));
  };
  bool read = convert(row.path);
  if (!read && row.otherPath != nullptr) read = convert(row.otherPath);
  if (read) StoreImplied(row.also, context);
}

// The features with conversions of their own, in the order they are converted.
enum class Own { StockSize, StockType, StockDescription, StockPunch, StockCoating, Finishing, Offset, Resolution,
                 TonerSaver, PageExceptions, PageInserts, CoverFront, CoverBack };
struct OwnRow {
  const char* id;
  Own conversion;
};
constexpr OwnRow kOwnRows[] = {
    {"StockSize", Own::StockSize},         {"StockType", Own::StockType},
    {"StockDescription", Own::StockDescription}, {"StockPunch", Own::StockPunch},
    {"StockCoating", Own::StockCoating},   {"FinishingStaple", Own::Finishing},
    {"FinishingFold", Own::Finishing},     {"FinishingPunchLocation", Own::Finishing},
    {"FinishingPunchCount", Own::Finishing}, {"FinishingBind", Own::Finishing},
    {"FinishingCustom", Own::Finishing},   {"FinishingNone", Own::Finishing},
    {"FinishingSBM", Own::Finishing},      {"Offset", Own::Offset},
    {"Resolution", Own::Resolution},       {"TonerSaver", Own::TonerSaver},
    {"PageExceptions", Own::PageExceptions}, {"PageInserts", Own::PageInserts},
    {"CoverFront", Own::CoverFront},       {"CoverBack", Own::CoverBack},
};

bool IsJobOnly(Own conversion) {
  switch (conversion) {
    case Own::Finishing: case Own::Offset: case Own::PageExceptions: case Own::PageInserts: case Own::CoverFront:
    case Own::CoverBack:
      return true;
    default: return false;
  }
}

void ImportOwn(const OwnRow& row, const PlistDict* feature, JTKTImportFeatureContext& context) {
  // Finishing, offset and the special pages belong to the job as a whole; a page's element
  // holding them is not read, so that no page nests another.
  if (IsJobOnly(row.conversion) && JTKTAtPageScope(context)) return;
  switch (row.conversion) {
    case Own::StockSize: JTKTImportStockSize(feature, context); break;
    case Own::StockType: JTKTImportStockType(feature, context); break;
    case Own::StockDescription: JTKTImportStockDescription(feature, context); break;
    case Own::StockPunch: JTKTImportStockPunch(feature, context); break;
    case Own::StockCoating: JTKTImportStockCoating(feature, context); break;
    case Own::Finishing: JTKTImportFinishing(row.id, feature, context); break;
    case Own::Offset: JTKTImportOffset(feature, context); break;
    case Own::Resolution: JTKTImportResolution(feature, context); break;
    case Own::TonerSaver: JTKTImportTonerSaver(feature, context); break;
    case Own::PageExceptions: JTKTImportPageExceptions(context); break;
    case Own::PageInserts: JTKTImportPageInserts(context); break;
    case Own::CoverFront: JTKTImportCover(true, context); break;
    case Own::CoverBack: JTKTImportCover(false, context); break;
  }
}

const std::string* FeatureID(const PlistDict& feature) {
  const PlistValue* id = platform::PlistDictFind(feature, kKFSIDKey);
  return id != nullptr ? id->asString() : nullptr;
}

// Every feature "ID" the reader converts, in conversion order: the generic ones, then those of
// their own (the special pages last, so a page sees the job's own settings already read).
const std::map<std::string, std::size_t, std::less<>>& ConversionOrder() {
  static const auto order = [] {
    std::map<std::string, std::size_t, std::less<>> m;
    for (const OneToOneRow& row : kOneToOneRows) m.emplace(row.id, m.size());
    for (const OwnRow& row : kOwnRows) m.emplace(row.id, m.size());
    return m;
  }();
  return order;
}

}  // namespace

JTKTFeatureList JTKTImportableFeatures() {
  static const PlistValue kTrue(true);
  std::vector<std::pair<std::size_t, const PlistDict*>> ranked;
  const PlistDict* profile = KFSGetProfile();
  const PlistValue* features = profile ? platform::PlistDictFind(*profile, kKFSFeaturesKey) : nullptr;
  if (features == nullptr || features->asDictionary() == nullptr) return {};
  const auto& order = ConversionOrder();
  for (const auto& [name, value] : *features->asDictionary()) {
    const PlistDict* feature = value.asDictionary();
    if (feature == nullptr) continue;
    const PlistValue* jtkt = KFSGetFeatureProperty(feature, "JTKT");
    if (jtkt == nullptr || *jtkt != kTrue) continue;
    const std::string* id = FeatureID(*feature);
    const auto at = id != nullptr ? order.find(*id) : order.end();
    ranked.emplace_back(at != order.end() ? at->second : order.size(), feature);
  }
  // Stable: features the reader does not convert keep the profile's (sorted) order at the end.
  std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  JTKTFeatureList list;
  for (const auto& entry : ranked) list.push_back(entry.second);
  return list;
}

void JTKTImportFeature(const PlistDict* feature, JTKTImportFeatureContext& context) {
  if (feature == nullptr) return;
  const std::string* id = FeatureID(*feature);
  if (id == nullptr) return;
  const auto& order = ConversionOrder();
  const auto at = order.find(*id);
  if (at == order.end()) return;
  constexpr std::size_t kOneToOneCount = std::size(kOneToOneRows);
  if (at->second < kOneToOneCount)
    ImportOneToOne(kOneToOneRows[at->second], feature, context);
  else
    ImportOwn(kOwnRows[at->second - kOneToOneCount], feature, context);
}
