// The list's rows and their texts. The attributes are a list of parts joined with "; ": the
// paper's own name, what the kind of page adds, then the paper, and for an exception range its
// image shift and image settings.
#include "panels/special_pages/special_page_rows.h"

#include "kit/control_helpers.h"
#include "model/full_color_summary.h"
#include "model/image_shift_options.h"
#include "vocabulary/ppd_bridge.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_labels.h"
#include "vocabulary/setting_map_operations.h"

namespace {

constexpr std::int32_t kColorCustom = 10;
constexpr std::int32_t kTypePrecutTab = 4, kTypeOrdered = 6, kTypeCustom = 7;
constexpr std::int32_t kTypeTabStock = 24, kTypeHeavyTabStock = 33;
constexpr std::int32_t kSourcePostPrintInserter = 10;
constexpr std::int32_t kUncoated = 1;

class Parts {
 public:
  Parts(const platform::Bundle& bundle, JobContext context) : bundle_(bundle), context_(context) {}

  std::string text(const char* key) const { return bundle_.localizedString(key); }
  void add(std::string part) {
    if (!part.empty()) parts_.push_back(std::move(part));
  }
  void format(const char* format, const FormatArguments& arguments) { add(FormatLocalizedText(format, arguments)); }
  // The map's label for a value that is set.
  void label(const SettingMap* map, std::int32_t value) {
    if (value != kPrinterDefault) add(mapLabel(map, value));
  }
  void labelled(const char* labelKey, const SettingMap* map, std::int32_t value) {
    if (value != kPrinterDefault) format("%@ %@", {text(labelKey), mapLabel(map, value)});
  }
  std::string mapLabel(const SettingMap* map, std::int32_t value) const {
    return CopyLocalizedLabelForTicketValue(&bundle_, map, value, context_).value_or(std::to_string(value));
  }
  std::string joined() const {
    std::string out;
    for (const std::string& part : parts_) out += (out.empty() ? "" : "; ") + part;
    return out;
  }
  const platform::Bundle& bundle() const { return bundle_; }
  JobContext context() const { return context_; }

 private:
  const platform::Bundle& bundle_;
  JobContext context_;
  std::vector<std::string> parts_;
};

std::string TypeText(Parts& p, const Stock& stock) {
  const std::int32_t type = stock.type();
  const auto withModulus = [&](const std::string& name) {
    return FormatLocalizedText("%@ (%d)", {name, std::int64_t{stock.modulus()}});
  };
  if (type == kTypeOrdered) return withModulus(stock.customType());
  if (type == kTypePrecutTab) return withModulus(p.text("StockTypePrecutTab"));
  if ((type == kTypeTabStock || type == kTypeHeavyTabStock) && stock.modulus() > 0)
    if (const char* choice = PPDChoiceForTicketValue("MediaType", type))
      if (std::optional<std::string> media = PPDCopyChoiceText(PPDGetCurrent(), "MediaType", choice))
        return withModulus(*media);
  if (type == kTypeCustom) return stock.customType();
  return p.mapLabel(CompleteStockTypeMap, type);
}

// The paper's settings, each only when set; a paper from a source says only that.
void AddStock(Parts& p, const Stock& s) {
  if (s.source() != kPrinterDefault) {
    if (s.source() == kSourcePostPrintInserter) p.add(p.text("PostPrintInserterKey"));
    return;
  }
  if (s.size() != kPrinterDefault)
    p.add(CopyLocalizedLabelForPaperSizeTicketValue(&p.bundle(), CompleteStockSizeMap, s.size(), p.context())
              .value_or(std::to_string(s.size())));
  if (s.color() != kPrinterDefault) p.add(s.color() == kColorCustom ? s.customColor() : p.mapLabel(CompleteStockColorMap, s.color()));
  if (s.type() != kPrinterDefault) p.add(TypeText(p, s));
  p.labelled("Hole Punched Label", StockPunchedMap, s.punched());
  if (s.weight() != kPrinterDefault) {
    if (LocalizedKeyForTicketValue(WeightMap, s.weight()))
      p.add(p.mapLabel(WeightMap, s.weight()));
    else
      p.format("%@ %d gsm", {p.text("Weight Label"), std::int64_t{s.weight()}});
  }
  if (s.sidesCoated() == kUncoated) {
    p.add(p.text("Uncoated"));
  } else if (s.sidesCoated() != kPrinterDefault) {
    p.format("%@ %@ - %@", {p.text("Coating Label"), p.mapLabel(CoatingTypeMap, s.coatingType()),
                            p.mapLabel(SidesCoatedMap, s.sidesCoated())});
  }
  p.label(GrainMap, s.grain());
  p.label(FinishMap, s.finish());
  if (!s.description().empty()) p.format("%@ %@", {p.text("Description Label"), s.description()});
}

void AddException(Parts& p, const ExceptionPage& e) {
  const ImageShiftOptions& shift = e.imageShift();
  if (shift.valid && shift.option != kPrinterDefault)
    p.format("%@%@%@", {p.text("ImageShift"), std::string(":"), p.mapLabel(ImageShiftOptions2SidedMap, shift.option)});
  p.label(OutputColorMap, e.outputColor());
  p.labelled("Halftone Screen:", HalftoneScreenMap, e.halftoneScreen());
  p.labelled("Anti-aliasing:", AntialiasingMap, e.antialiasing());
  std::optional<std::string> curve;
  e.colorOptions().trc(&curve);
  if (curve) p.format("%@ %@", {p.text("TRC:"), *curve});
  if (std::optional<std::string> color = GenerateFullColorSummary(&p.bundle(), &e.colorOptions(), kJobContextException);
      color && *color != p.text("UseJobSetting")) {
    std::string joined;
    for (char c : *color) joined += c == '\n' ? std::string(", ") : std::string(1, c);
    p.add(joined);
  }
}

std::string Attributes(const platform::Bundle& bundle, const SpecialPageRow& row) {
  const JobContext context = row.kind == SpecialPageKind::kInsert      ? kJobContextInsert
                             : row.kind == SpecialPageKind::kException ? kJobContextException
                                                                       : kJobContextCover;
  Parts p(bundle, context);
  const Stock& stock = row.page->stock();
  if (!stock.customName().empty()) p.format("%@ %@", {p.text("Paper Name Label"), stock.customName()});
  if (const auto* cover = dynamic_cast<const Cover*>(row.page)) p.add(p.mapLabel(CoverSidesImagedMap, cover->sidesImaged()));
  if (const auto* insert = dynamic_cast<const Insert*>(row.page))
    p.format("%@ [%d]", {p.text("InsertSummaryQuantity"), std::int64_t{insert->quantity()}});
  const auto* exception = dynamic_cast<const ExceptionPage*>(row.page);
  if (exception) p.label(PlexMap, exception->plex());
  AddStock(p, stock);
  if (exception && stock.source() == kPrinterDefault) AddException(p, *exception);
  return p.joined();
}

std::string Pages(const platform::Bundle& bundle, const SpecialPageRow& row) {
  switch (row.kind) {
    case SpecialPageKind::kFrontCover: return bundle.localizedString("SpecialPageSummaryFront");
    case SpecialPageKind::kBackCover: return bundle.localizedString("SpecialPageSummaryBack");
    case SpecialPageKind::kInsert:
      if (row.page->startPage() == 0) return bundle.localizedString("SpecialPageSummaryBefore1");
      return std::to_string(row.page->startPage());
    case SpecialPageKind::kException: {
      const auto* range = static_cast<const ExceptionPage*>(row.page);
      if (range->endPage() == range->startPage()) return std::to_string(range->startPage());
      return std::to_string(range->startPage()) + "-" + std::to_string(range->endPage());
    }
  }
  return {};
}

const char* TypeKey(SpecialPageKind kind) {
  switch (kind) {
    case SpecialPageKind::kInsert: return "SpecialPageSummaryInsert";
    case SpecialPageKind::kException: return "SpecialPageSummaryException";
    default: return "SpecialPageSummaryCover";
  }
}

}  // namespace

std::vector<SpecialPageRow> SpecialPageRows(SpecialPages& pages) {
  std::vector<SpecialPageRow> rows;
  if (pages.frontCover) rows.push_back({SpecialPageKind::kFrontCover, &*pages.frontCover});
  long i = 0, e = 0;
  const long inserts = pages.inserts.count(), ranges = pages.exceptions.count();
  while (i < inserts || e < ranges) {
    SpecialPage* insert = pages.inserts.pageAtIndex(i);
    SpecialPage* range = pages.exceptions.pageAtIndex(e);
    if (range != nullptr && (insert == nullptr || range->startPage() <= insert->startPage())) {
      rows.push_back({SpecialPageKind::kException, range});
      ++e;
    } else {
      rows.push_back({SpecialPageKind::kInsert, insert});
      ++i;
    }
  }
  if (pages.backCover) rows.push_back({SpecialPageKind::kBackCover, &*pages.backCover});
  return rows;
}

std::string SpecialPageCellText(const platform::Bundle* bundle, const SpecialPageRow& row,
                                platform::ui::DataBrowserPropertyID column) {
  if (bundle == nullptr || row.page == nullptr) return {};
  if (column == kPagesColumn) return Pages(*bundle, row);
  if (column == kTypeColumn) return bundle->localizedString(TypeKey(row.kind));
  if (column == kAttributesColumn) return Attributes(*bundle, row);
  return {};
}
