#include "jobticket/reader/jtkt_summary.h"

#include "jobticket/writer/jtkt_job_attributes.h"
#include "kit/plugin_bundle.h"
#include "model/advanced_keys.h"
#include "model/image_shift_options.h"
#include "model/job_level_stock.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_keys.h"
#include "model/stock_keys.h"
#include "model/ticket_fields.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_operations.h"

using platform::PlistDict;

namespace jtkt_summary {

std::string Localized(const char* key) {
  const platform::Bundle* bundle = GetPDEBundle();
  return bundle != nullptr ? bundle->localizedString(key) : platform::kStringNotFound;
}

void LabelValue(JTKTSummaryLines* lines, const char* labelKey, const std::string& value) {
  lines->push_back("\t\t" + Localized(labelKey) + Localized(":") + value);
}

void SubHeading(JTKTSummaryLines* lines, const char* labelKey) {
  lines->push_back("\t\t" + Localized(labelKey) + Localized(":"));
}

void Single(JTKTSummaryLines* lines, const char* labelKey) { lines->push_back("\t\t\t" + Localized(labelKey)); }

std::optional<std::int32_t> Integer(const PlistDict* settings, const char* key) {
  std::int32_t value = 0;
  if (!ReadInteger(settings, key, value)) return std::nullopt;
  return value;
}

}  // namespace jtkt_summary

namespace {

using namespace jtkt_summary;

const PlistDict* Dictionary(const PlistDict* settings, const char* key) {
  const platform::PlistValue* value = settings ? platform::PlistDictFind(*settings, key) : nullptr;
  return value != nullptr ? value->asDictionary() : nullptr;
}

bool Has(const PlistDict* settings, const char* key) {
  return settings != nullptr && platform::PlistDictFind(*settings, key) != nullptr;
}

// "\t\t\t" label " = " value.
void Field(JTKTSummaryLines* lines, const char* labelKey, const std::string& value) {
  lines->push_back("\t\t\t" + Localized(labelKey) + " = " + value);
}

void MapField(JTKTSummaryLines* lines, const char* labelKey, const SettingMap* map, std::optional<std::int32_t> value) {
  if (!value) return;
  if (std::optional<std::string_view> key = LocalizedKeyForTicketValue(map, *value))
    Field(lines, labelKey, Localized(std::string(*key).c_str()));
}

void addJobNotes(const PlistDict* settings, JTKTSummaryLines* lines) {
  lines->push_back(Localized("JobNotes"));
  const std::pair<const char*, const char*> notes[] = {
      {"Job Name", kJobNotesJobNameKey},          {"Sender Name", kJobNotesSenderNameKey},
      {"Recipient Name", kJobNotesRecipientKey},  {"SpecialInstructions", kJobNotesMessageKey},
      {"AdditionalInfo", kJobNotesAdditionalInfoKey}};
  for (const auto& [label, key] : notes)
    if (const std::string* text = FindString(settings, key)) LabelValue(lines, label, *text);
  lines->push_back(kBlankLine);
}

void addStock(const PlistDict* stock, JTKTSummaryLines* lines) {
  if (const std::optional<std::int32_t> size = Integer(stock, stock_keys::kSizeKey)) {
    if (std::optional<std::string_view> key = LocalizedKeyForPaperSizeTicketValue(CompleteStockSizeMap, *size))
      Field(lines, "StockSize", Localized(std::string(*key).c_str()));
  }
  MapField(lines, "StockColor", CompleteStockColorMap, Integer(stock, stock_keys::kColorKey));
  MapField(lines, "StockType", CompleteStockTypeMap, Integer(stock, stock_keys::kTypeKey));
  if (const std::string* name = FindString(stock, stock_keys::kCustomNameKey)) Field(lines, "StockName", *name);
  if (const std::optional<std::int32_t> weight = Integer(stock, stock_keys::kWeightKey); weight && *weight != kPrinterDefault)
    lines->push_back("\t\t\t" + Localized("StockWeight") + " = " + std::to_string(*weight) + " " + Localized("gsm"));
  if (const auto sides = Integer(stock, stock_keys::kSidesCoatedKey); sides && *sides != kPrinterDefault)
    MapField(lines, "SidesCoated", SidesCoatedMap, sides);
  if (const auto type = Integer(stock, stock_keys::kCoatingTypeKey); type && *type != kPrinterDefault)
    MapField(lines, "CoatingType", CoatingTypeMap, type);
  if (const std::string* description = FindString(stock, stock_keys::kDescriptionKey); description && !description->empty())
    Field(lines, "StockDescription", *description);
}

void addJobSetup(const PlistDict* settings, JTKTSummaryLines* lines) {
  lines->push_back(Localized("Job Setup"));
  if (const std::optional<std::int32_t> duplex = Integer(settings, kFinishingDuplexKey)) {
    if (std::optional<std::string_view> key = LocalizedKeyForTicketValue(DuplexMap, *duplex))
      LabelValue(lines, "Duplex", Localized(std::string(*key).c_str()));
  }
  if (Has(settings, kJobLevelStockKey)) {
    SubHeading(lines, "PaperStock");
    addStock(Dictionary(settings, kJobLevelStockKey), lines);
  }
  lines->push_back(kBlankLine);
}

const char* ImageShiftLabel(std::int32_t option) {
  static constexpr const char* kLabels[] = {"Independent", "Mirror",    "MirrorX", "MirrorY", "MirrorBoth",
                                            "MirrorXTandemY", "MirrorYTandemX", "TandemX", "TandemY", "TandemBoth"};
  return option >= 1 && option <= 10 ? kLabels[option - 1] : nullptr;
}

void Labelled(JTKTSummaryLines* lines, const char* labelKey, std::optional<std::int32_t> value,
              std::initializer_list<std::pair<std::int32_t, const char*>> labels) {
  if (!value) return;
  for (const auto& [v, label] : labels)
    if (v == *value) return LabelValue(lines, labelKey, Localized(label));
}

void addImageAdjustment(const PlistDict* settings, JTKTSummaryLines* lines) {
  lines->push_back(Localized("Image Adjustment"));
  if (const PlistDict* shift = Dictionary(settings, kImageShiftOptionsJobKey)) {
    ImageShiftOptions options;
    options.fromTicket(*shift);
    if (const char* label = ImageShiftLabel(options.option)) LabelValue(lines, "ImageShift", Localized(label));
  }
  Labelled(lines, "Rotation", Integer(settings, kAdvancedRotateImage180Key), {{0, "PrinterDefault"}, {1, "Off"}, {2, "On"}});
  Labelled(lines, "OPI", Integer(settings, kOPISubsitutionKey), {{1, "PrinterDefault"}, {2, "True"}, {3, "False"}});
  Labelled(lines, "OPI Prescan", Integer(settings, kOPIPrescanKey),
           {{1, "PrinterDefault"}, {2, "None"}, {3, "Scan"}, {4, "Gather"}});
  lines->push_back(kBlankLine);
}

}  // namespace

void buildSummaryText(const PlistDict* settings, JTKTSummaryLines* lines) {
  if (lines == nullptr) return;
  addJobNotes(settings, lines);
  addJobSetup(settings, lines);
  addOutput(settings, lines);
  addImageAdjustment(settings, lines);
  // Special pages, highlight colour, colour and image quality have no lines of their own yet.
  for (int i = 0; i < 4; ++i) lines->push_back(kBlankLine);
}

std::string JTKTSummaryText(const PlistDict& settings) {
  JTKTSummaryLines lines;
  buildSummaryText(&settings, &lines);
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\n" : "") + lines[i];
  return text;
}
