// Reading and writing the job's stock in the print-settings ticket.
#include "model/job_level_stock.h"

Stock ReadJobLevelStock(const platform::Ticket& ticket) {
  return Stock(ticket.getDictionary(kJobLevelStockKey));
}

void WriteJobLevelStock(platform::Ticket& ticket, const Stock& stock, std::string_view client) {
  ticket.set(kJobLevelStockKey, platform::PlistValue(stock.asTicket()), client);
}
