// The features read by the generic conversion: where each one's element is, which dictionary it
// goes to and under which keys, and what reading it from the file implies beside its own key.
#include <algorithm>
#include <array>
#include <iterator>
#include <map>
#include <optional>
#include <string>

#include "jobticket/reader/jtkt_import_context.h"
#include "jobticket/reader/jtkt_import_node.h"
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
#include "vocabulary/printer_default.h"

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
enum class Also { Nothing, SavedJobNameGiven, SubsetsEnabled, FormsJob, ExistingForm, FormShift, ImageShift, ColorName,
                  SaveFormat };

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
constexpr std::int32_t kStockColorCustom = 10;
constexpr std::int32_t kStockColorOther = 14;
constexpr const char* kUseJobNameMember = "UseJobName";

// The saved-job elements, inside the save disposition's first save-info value.
#define SAVE_INFO ".job-save-disposition.save-info.value."
#define FORMS_COL ".forms-col.value."

constexpr OneToOneRow kOneToOneRows[] = {
    {"OutputColor", ".color-effects-type", T::Ticket, {kFinishingOutputColorKey, special_page_keys::kOutputColorKey}, JTKTColorEffectsMap, {}, {}},
    {"Duplex", ".sides", T::Ticket, {kFinishingDuplexKey, special_page_keys::kSidesImagedKey}, JTKTSidesMap, {}, {}},
    {"OutputDestination", ".output-bin", T::Ticket, {kFinishingOutputDestinationKey}, JTKTOutputDestinationMap, {}, {}},
    {"StockWeight", ".media-col.media-weight-metric", T::Stock, {stock_keys::kWeightKey}, JTKTMediaWeightMetricMap, {stock_keys::kWeightKey}, {}},
    {"StockColor", ".media-col.media-color", T::Stock, {stock_keys::kColorKey}, JTKTMediaColorMap, {}, {stock_keys::kCustomColorKey},
     Also::ColorName},
    {"StockGrain", ".media-col.media-grain", T::Stock, {stock_keys::kGrainKey}, JTKTMediaGrainMap, {}, {}},
    {"StockFinish", ".media-col.media-tooth", T::Stock, {stock_keys::kFinishKey}, JTKTMediaFinishMap, {}, {}},
    {"SaveJob", ".job-save-disposition.save-disposition", T::JobType, {kJobTypeMember}, JTKTJobTypeMap, {}, {}},
    // The writer puts a held job's element beside the others, not inside a save disposition.
    {"HoldJob", ".job-save-disposition.job-hold-until", T::JobType, {kJobTypeMember}, JTKTJobTypeMap, {}, {},
     Also::Nothing, ".job-hold-until"},
    {"SaveJobFormat", SAVE_INFO "save-document-format", T::JobType, {kJobTypeMediaTypeKey}, JTKTSaveFormatMap, {}, {},
     Also::SaveFormat},
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

// The file gives shifts in hundredths of a millimetre. Tenths of a millimetre always make whole
// tens of them; hundredths of an inch seldom do, all four at once. So the unit the shifts left
// in is told by their last digits, and the dialog shows them in it again.
void StoreImageShiftUnit(const JTKTImportFeatureContext& context) {
  PlistDict* shift = JTKTTargetDictionary(context, T::ImageShift);
  if (shift == nullptr) return;
  bool tenths = true;
  for (const char* key : {kImageShiftX1Key, kImageShiftY1Key, kImageShiftX2Key, kImageShiftY2Key}) {
    const PlistValue* value = platform::PlistDictFind(*shift, key);
    if (value != nullptr && value->asInteger() != nullptr && *value->asInteger() % 10 != 0) tenths = false;
  }
  (*shift)[kImageShiftInchesKey] = PlistValue(tenths ? 0 : 1);
}

void StoreImplied(Also also, const JTKTImportFeatureContext& context) {
  switch (also) {
    case Also::Nothing: break;
    case Also::SavedJobNameGiven: JTKTStore(context, T::JobType, kUseJobNameMember, PlistValue(false)); break;
    case Also::SubsetsEnabled: JTKTStore(context, T::Ticket, kFinishingOffsetEnableSubsetKey, PlistValue(1)); break;
    case Also::FormsJob:
      JTKTStore(context, T::JobType, kJobTypeMember, PlistValue(kJobTypeBackgroundForm));
      // The file names the form; whether that name was the document's is not said, so it is
      // kept as the name given.
      JTKTStore(context, T::BackgroundForms, background_forms_keys::kUseDocumentNameKey, PlistValue(0));
      break;
    // A form's name is sent for any job that merges with the form, so it says nothing of the job's
    // type: a held or saved job merging with a form keeps its own type.
    case Also::ExistingForm:
      JTKTStore(context, T::BackgroundForms, background_forms_keys::kUseExistingFormKey, PlistValue(background_forms_keys::kMergeWithExistingForm));
      break;
    // The file's offsets are thousandths of a millimetre already.
    case Also::FormShift: JTKTStore(context, T::BackgroundForms, background_forms_keys::kFullPrecisionKey, PlistValue(true)); break;
    case Also::ImageShift:
      JTKTStore(context, T::ImageShift, kImageShiftFullPrecisionKey, PlistValue(true));
      JTKTStore(context, T::ImageShift, kImageShiftOptionKey, PlistValue(1));
      StoreImageShiftUnit(context);
      break;
    case Also::ColorName: case Also::SaveFormat: break;
  }
}

// Stock colour 14 is sent as the name "other" and 15 to 21 as "custom1" to "custom7"; any other
// name is the user's own colour (10), kept in "CustomColor". A name refused as read is no colour.
void StoreColorOfName(const OneToOneRow& row, const JTKTImportFeatureContext& context, bool read) {
  xmlNodePtr element = JTKTImportGetNode(context.node, row.path);
  if (element == nullptr || std::string_view(JTKTImportGetNodeSyntax(element)) != kKFSNameClass) return;
  // An empty name is the user's own colour with no name given.
  const std::string name = JTKTImportNodeText(element).value_or("");
  if (!read && !name.empty()) return;
  if (name.empty()) JTKTStore(context, row.target, stock_keys::kCustomColorKey, PlistValue(name));
  std::int32_t color = kStockColorCustom;
  if (name == "other") color = kStockColorOther;
  for (std::int32_t n = 1; n <= 7; ++n)
    if (name == "custom" + std::to_string(n)) color = kStockColorOther + n;
  JTKTStore(context, row.target, stock_keys::kColorKey, PlistValue(color));
}

void ImportOneToOne(const OneToOneRow& row, const PlistDict* feature, const JTKTImportFeatureContext& context) {
  const auto convert = [&](const char* path) {
    return JTKTImportFeatureOneToOne(feature, context, path, row.target, row.keyword.at(context), row.table,
                                     row.number.at(context), row.name.at(context));
  };
  bool read = convert(row.path);
  if (!read && row.otherPath != nullptr) read = convert(row.otherPath);
  if (read) StoreImplied(row.also, context);
  if (row.also == Also::ColorName) StoreColorOfName(row, context, read);
  // A saved job the file names without a format asks for none: the printer's default.
  if (!read && row.also == Also::SaveFormat && JTKTImportGetNode(context.node, ".job-save-disposition.save-info.value"))
    JTKTStore(context, T::JobType, kJobTypeMediaTypeKey, PlistValue(kPrinterDefault));
}

// The features with conversions of their own, in the order they are converted.
enum class Own { StockSize, StockType, StockDescription, StockPunch, StockCoating, StockSource, StockMediaKey,
                 Finishing, FinishingTemplate, BookletMaking, Offset, Resolution, TonerSaver, Accounting, PageRanges,
                 Pads, Highlight, ReadWithHighlight, PageExceptions, PageInserts, CoverFront, CoverBack };
struct OwnRow {
  const char* id;
  Own conversion;
};
constexpr OwnRow kOwnRows[] = {
    {"StockSize", Own::StockSize},         {"StockType", Own::StockType},
    {"StockDescription", Own::StockDescription}, {"StockPunch", Own::StockPunch},
    {"StockCoating", Own::StockCoating},   {"StockSource", Own::StockSource},
    {"StockMediaKey", Own::StockMediaKey}, {"FinishingStaple", Own::Finishing},
    {"FinishingFold", Own::Finishing},     {"FinishingPunchLocation", Own::Finishing},
    {"FinishingPunchCount", Own::Finishing}, {"FinishingBind", Own::Finishing},
    {"FinishingCustom", Own::Finishing},   {"FinishingNone", Own::Finishing},
    {"FinishingSBM", Own::Finishing},      {"FinishingCoilPunch", Own::Finishing},
    {"FinishingTemplate", Own::FinishingTemplate}, {"BookletMaking", Own::BookletMaking},
    {"Offset", Own::Offset},
    {"Resolution", Own::Resolution},       {"TonerSaver", Own::TonerSaver},
    {"Accounting", Own::Accounting},       {"PageRanges", Own::PageRanges},
    {"PadPrinting", Own::Pads},
    // The four highlight features are read together, as the groups the writer sends.
    {"HighlightPrintingColor", Own::Highlight},
    {"HighlightMappingColor", Own::ReadWithHighlight}, {"HighlightMappingAlgorithm", Own::ReadWithHighlight},
    {"HighlightMismatchAction", Own::ReadWithHighlight},
    {"PageExceptions", Own::PageExceptions}, {"PageInserts", Own::PageInserts},
    {"CoverFront", Own::CoverFront},       {"CoverBack", Own::CoverBack},
};

bool IsJobOnly(Own conversion) {
  switch (conversion) {
    case Own::Finishing: case Own::FinishingTemplate: case Own::BookletMaking: case Own::Offset: case Own::Accounting:
    case Own::PageRanges: case Own::Pads: case Own::PageExceptions: case Own::PageInserts: case Own::CoverFront:
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
    case Own::StockSource: JTKTImportStockSource(feature, context); break;
    case Own::StockMediaKey: JTKTImportStockMediaKey(feature, context); break;
    case Own::Finishing: JTKTImportFinishing(row.id, feature, context); break;
    case Own::FinishingTemplate: JTKTImportFinishingTemplate(feature, context); break;
    case Own::BookletMaking: JTKTImportBookletMaking(feature, context); break;
    case Own::Accounting: JTKTImportAccounting(feature, context); break;
    case Own::PageRanges: JTKTImportPageRanges(feature, context); break;
    case Own::Pads: JTKTImportPads(feature, context); break;
    case Own::Highlight: JTKTImportHighlight(context); break;
    case Own::ReadWithHighlight: break;
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
  for (const auto& [name, value] : *features->asDictionary()) {
    const PlistDict* feature = value.asDictionary();
    if (feature == nullptr) continue;
    const PlistValue* jtkt = KFSGetFeatureProperty(feature, "JTKT");
    if (jtkt == nullptr || *jtkt != kTrue) continue;
    const JTKTImportable importable = JTKTImportableFeature(feature);
    ranked.emplace_back(importable.conversion == JTKTNoConversion ? ConversionOrder().size() : importable.conversion,
                        feature);
  }
  // Stable: features the reader does not convert keep the profile's (sorted) order at the end.
  std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  JTKTFeatureList list;
  for (const auto& [rank, feature] : ranked)
    list.push_back({feature, rank < ConversionOrder().size() ? rank : JTKTNoConversion});
  return list;
}

JTKTImportable JTKTImportableFeature(const PlistDict* feature) {
  const std::string* id = feature != nullptr ? FeatureID(*feature) : nullptr;
  if (id == nullptr) return {feature, JTKTNoConversion};
  const auto& order = ConversionOrder();
  const auto at = order.find(*id);
  return {feature, at != order.end() ? at->second : JTKTNoConversion};
}

void JTKTImportFeature(const JTKTImportable& importable, JTKTImportFeatureContext& context) {
  if (importable.feature == nullptr || importable.conversion == JTKTNoConversion) return;
  constexpr std::size_t kOneToOneCount = std::size(kOneToOneRows);
  if (importable.conversion < kOneToOneCount)
    ImportOneToOne(kOneToOneRows[importable.conversion], importable.feature, context);
  else
    ImportOwn(kOwnRows[importable.conversion - kOneToOneCount], importable.feature, context);
}

namespace {

// The first element name of a path (".media-col.media-type" gives "media-col"); empty for none.
constexpr std::string_view FirstElement(const char* path) {
  if (path == nullptr) return {};
  std::string_view first(path);
  if (first.starts_with('.')) first.remove_prefix(1);
  return first.substr(0, first.find('.'));
}

// Each generic row's first element names, worked out once: they are asked for once per feature
// and page, and a large file has thousands of pages.
struct PageElements {
  std::string_view path, otherPath;
};
constexpr auto kPageElements = [] {
  std::array<PageElements, std::size(kOneToOneRows)> elements{};
  for (std::size_t i = 0; i < elements.size(); ++i)
    elements[i] = {FirstElement(kOneToOneRows[i].path), FirstElement(kOneToOneRows[i].otherPath)};
  return elements;
}();

}  // namespace

bool JTKTFeatureMayReadPage(const JTKTImportable& importable, const std::vector<std::string_view>& children) {
  if (importable.feature == nullptr || importable.conversion == JTKTNoConversion) return false;
  // The conversions of their own look where they will; the generic ones only at their paths.
  if (importable.conversion >= std::size(kOneToOneRows)) return true;
  if (kOneToOneRows[importable.conversion].also == Also::SaveFormat) return true;
  const PageElements& elements = kPageElements[importable.conversion];
  for (std::string_view child : children)
    if (child == elements.path || (!elements.otherPath.empty() && child == elements.otherPath)) return true;
  return false;
}
