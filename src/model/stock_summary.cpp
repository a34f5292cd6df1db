// The stock summary. Labels come from the bundle's string table; value texts from the setting
// maps, the stock's own texts, or, for the printer's tab media, the printer description.
#include "model/stock_summary.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "vocabulary/installable_options.h"
#include "vocabulary/ppd_bridge.h"
#include "vocabulary/setting_map.h"
#include "vocabulary/setting_map_operations.h"

namespace {

constexpr std::int32_t kColorCustom = 10;
constexpr std::int32_t kTypePrecutTab = 4;
constexpr std::int32_t kTypeOrdered = 6;
constexpr std::int32_t kTypeCustom = 7;
constexpr std::int32_t kTypeTabStock = 24;       // media types of the printer's own tab stocks
constexpr std::int32_t kTypeHeavyTabStock = 33;
constexpr std::int32_t kSourcePostPrintInserter = 10;

class SummaryText {
 public:
  explicit SummaryText(const platform::Bundle& bundle) : bundle_(bundle) {}

  std::string text(std::string_view key) const { return bundle_.localizedString(key); }

  // "<label>: <value>", with the separator between them localised too.
  void add(std::string_view labelKey, const std::string& value) {
    lines_.push_back(text(labelKey) + text(":") + value);
  }
  void addLine(std::string line) { lines_.push_back(std::move(line)); }

  // The localised label of a map's row for value. A value that no row holds (a stock from a
  // newer printer library, say) shows as its number rather than as nothing.
  std::string mapLabel(const SettingMap* map, std::int32_t value) const {
    if (std::optional<std::string_view> key = LocalizedKeyForTicketValue(map, value)) return text(*key);
    return std::to_string(value);
  }
  std::string sizeLabel(std::int32_t size) const {
    if (std::optional<std::string_view> key = LocalizedKeyForPaperSizeTicketValue(CompleteStockSizeMap, size)) {
      return text(*key);
    }
    return std::to_string(size);
  }

  std::string joined(std::string_view separator) const {
    std::string out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      if (i > 0) out.append(separator);
      out += lines_[i];
    }
    return out;
  }

 private:
  const platform::Bundle& bundle_;
  std::vector<std::string> lines_;
};

std::string WithModulus(const std::string& name, std::int32_t modulus) {
  return name + " (" + std::to_string(modulus) + ")";
}

// The printer's own name for one of its tab media, else the media keyword, else none.
std::optional<std::string> PrinterMediaText(std::int32_t type) {
  const char* choice = PPDChoiceForTicketValue("MediaType", type);
  if (choice == nullptr) return std::nullopt;
  if (std::optional<std::string> text = PPDCopyChoiceText(PPDGetCurrent(), "MediaType", choice)) return text;
  return std::string(choice);
}

std::string TypeText(const SummaryText& s, const Stock& stock) {
  const std::int32_t type = stock.type();
  if (type == kTypeOrdered) return WithModulus(stock.customType(), stock.modulus());
  if (type == kTypePrecutTab) return WithModulus(s.text("StockTypePrecutTab"), stock.modulus());
  if ((type == kTypeTabStock || type == kTypeHeavyTabStock) && stock.modulus() > 0) {
    if (std::optional<std::string> media = PrinterMediaText(type)) return WithModulus(*media, stock.modulus());
  }
  if (type == kTypeCustom) return stock.customType();
  return s.mapLabel(CompleteStockTypeMap, type);
}

std::string WeightText(const SummaryText& s, std::int32_t weight) {
  if (weight == kPrinterDefault) return s.text("PrinterDefault");
  if (std::optional<std::string_view> key = LocalizedKeyForTicketValue(WeightMap, weight)) {
    return s.text(*key) + " " + s.text("gsm");
  }
  return std::to_string(weight) + " " + s.text("gsm");
}

void AddSettings(SummaryText& s, JobContext context, const Stock& stock) {
  const bool job = context == kJobContextJob;
  // The job's size is shown by the panel's own size menu; a special page's only here.
  if (stock.size() != kPrinterDefault && !job) s.add("StockSize", s.sizeLabel(stock.size()));
  if (stock.color() != kPrinterDefault || job) {
    s.add("StockColor", stock.color() == kColorCustom ? stock.customColor()
                                                      : s.mapLabel(CompleteStockColorMap, stock.color()));
  }
  if (stock.type() != kPrinterDefault || job) s.add("StockType", TypeText(s, stock));
  if (stock.weight() != kPrinterDefault || job) s.add("StockWeight", WeightText(s, stock.weight()));
}

}  // namespace

std::string GenerateStockSummary(const platform::Bundle* bundle, JobContext context, const Stock& stock,
                                 std::string_view separator) {
  if (bundle == nullptr) return {};
  SummaryText s(*bundle);
  if (stock.source() == kPrinterDefault) {
    if (!stock.customName().empty()) s.add("StockName", stock.customName());
    if (!stock.customNameOnly()) AddSettings(s, context, stock);
  } else if (stock.source() == kSourcePostPrintInserter) {
    // A printer without the inserter names none; the line still tells that a source is chosen.
    s.addLine("- " + CopyLocalizedStringForInstalledFeatureFromPlugin("PostPrintInserterKey", bundle).value_or(""));
  }
  return s.joined(separator);
}
