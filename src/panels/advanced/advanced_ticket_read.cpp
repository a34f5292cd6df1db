// The ticket into the Advanced panel's context.
#include <limits>
#include <optional>

#include "model/advanced_keys.h"
#include "kit/ticket_access.h"
#include "model/job_level_stock.h"
#include "model/stock.h"
#include "model/stock_keys.h"
#include "panels/advanced/advanced_ticket.h"

using platform::Ticket;

namespace {

bool IsInt32(std::int64_t v) {
  return v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max();
}

std::optional<std::int32_t> Int32(const Ticket& t, const char* key) { return GetTicketInt32(t, key); }

std::optional<std::int32_t> Member(const platform::PlistDict& dict, const char* key) {
  const platform::PlistValue* value = platform::PlistDictFind(dict, key);
  const std::int64_t* v = value ? value->asInteger() : nullptr;
  if (v == nullptr || !IsInt32(*v)) return std::nullopt;
  return static_cast<std::int32_t>(*v);
}

// The ticket's page number as the field shows it; the field's own text when there is none.
void ReadPage(const Ticket& t, const char* key, std::string& text) {
  if (std::optional<std::int32_t> page = Int32(t, key); page && *page > 0) text = std::to_string(*page);
}

}  // namespace

void ReadAdvancedTicket(AdvancedContext& c, const Ticket& t) {
  const std::int32_t order = Int32(t, kAdvancedBookletLayoutOrderKey).value_or(kBookletOrderLeftToRight);
  c.bookletOrder = order == kBookletOrderRightToLeft ? kBookletOrderRightToLeft : kBookletOrderLeftToRight;
  c.rotatePosition = Int32(t, kAdvancedRotateImage180Key).value_or(0) + 1;
  c.sendJobTicket = Int32(t, kEmitJTKTKey).value_or(1) != 0;
  c.opiSubstitutionPosition = Int32(t, kOPISubsitutionKey).value_or(1);
  c.opiPrescanPosition = Int32(t, kOPIPrescanKey).value_or(1);
  c.pagesToPrint = Int32(t, kPagesToPrintSelectedKey).value_or(0) != 0;
  ReadPage(t, kPagesToPrintFromKey, c.fromText);
  ReadPage(t, kPagesToPrintToKey, c.toText);

  c.forceNewSize = kForceNewSizeOff;
  c.customWidth = c.customLength = kPrinterDefault;
  const platform::PlistDict* stock = t.getDictionary(kJobLevelStockKey);
  if (stock == nullptr) return;
  if (std::optional<std::int32_t> size = Member(*stock, stock_keys::kSizeKey)) c.forceNewSize = *size;
  if (c.forceNewSize != kStockSizeCustom) return;
  c.customWidth = Member(*stock, stock_keys::kWidthKey).value_or(kPrinterDefault);
  c.customLength = Member(*stock, stock_keys::kLengthKey).value_or(kPrinterDefault);
}
