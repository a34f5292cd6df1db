// The Advanced panel's context into the ticket.
#include <cstdlib>

#include "model/advanced_keys.h"
#include "model/job_level_stock.h"
#include "model/paper_output_keys.h"
#include "model/stock.h"
#include "model/stock_keys.h"
#include "model/ticket_clients.h"
#include "panels/advanced/advanced_ticket.h"

using platform::Ticket;

namespace {

void Put(Ticket& t, const char* key, platform::PlistValue value) {
  t.set(key, std::move(value), kPrintingManagerClientID);
}

// The integer a page field's text gives: its leading digits, 0 for an empty field.
std::int32_t PageNumber(const std::string& text) {
  return static_cast<std::int32_t>(std::strtol(text.c_str(), nullptr, 10));
}

// The job's stock dictionary with the forced size in it: kept under the client that wrote it,
// and left alone when nothing in it changes.
void PutJobStock(Ticket& t, const platform::PlistDict* found, platform::PlistDict stock) {
  if (found != nullptr && *found == stock) return;
  const std::string* owner = t.clientOf(kJobLevelStockKey);
  t.set(kJobLevelStockKey, std::move(stock), owner ? std::string(*owner) : std::string(kPrintingManagerClientID));
}

// The forced size lives in the job's stock dictionary, next to what Paper/Output keeps there.
void WriteForcedSize(const AdvancedContext& c, Ticket& t) {
  const platform::PlistDict* found = t.getDictionary(kJobLevelStockKey);
  platform::PlistDict stock = found ? *found : platform::PlistDict{};
  if (c.forceNewSize < 2) {
    Put(t, kBookletForceNewSizeKey, false);
    if (found == nullptr) return;
    for (const char* key : {stock_keys::kSizeKey, stock_keys::kWidthKey, stock_keys::kLengthKey}) stock.erase(key);
  } else {
    stock[stock_keys::kSizeKey] = c.forceNewSize;
    if (c.forceNewSize == kStockSizeCustom) {
      stock[stock_keys::kWidthKey] = c.customWidth;
      stock[stock_keys::kLengthKey] = c.customLength;
    }
  }
  PutJobStock(t, found, std::move(stock));
}

}  // namespace

void WriteAdvancedTicket(const AdvancedContext& c, Ticket& t) {
  Put(t, kAdvancedBookletLayoutOrderKey, c.bookletOrder);
  Put(t, kAdvancedRotateImage180Key, c.rotatePosition - 1);
  Put(t, kEmitJTKTKey, c.sendJobTicket ? 1 : 0);
  Put(t, kOPISubsitutionKey, c.opiSubstitutionPosition);
  Put(t, kOPIPrescanKey, c.opiPrescanPosition);
  Put(t, kPagesToPrintSelectedKey, c.pagesToPrint ? 1 : 0);
  Put(t, kPagesToPrintFromKey, PageNumber(c.fromText));
  Put(t, kPagesToPrintToKey, PageNumber(c.toText));
  WriteForcedSize(c, t);
}
