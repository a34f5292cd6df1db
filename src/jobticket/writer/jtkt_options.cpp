#include "jobticket/writer/jtkt_options.h"

#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/client_information_keys.h"
#include "model/paper_output_keys.h"
#include "model/special_pages_ticket.h"

std::optional<JTktOptions> ReadJTktOptions(const platform::PlistDict* ticket) {
  const platform::PlistDict* options = JTktDictionary(ticket, kJTKTOptionsKey);
  if (options == nullptr) return std::nullopt;
  return JTktOptions{JTktHas(options, kJTKTOptionAllKey), JTktHas(options, kJTKTOptionCoversKey),
                     JTktHas(options, kJTKTOptionInsertsKey), JTktHas(options, kJTKTOptionExceptionsKey)};
}

bool JTktWritesFrame(const JTktOptions& options, const platform::PlistDict& ticket) {
  if (options.all) return true;
  if (options.covers && (JTktHas(&ticket, kFrontCoverKey) || JTktHas(&ticket, kBackCoverKey))) return true;
  if (options.inserts && JTktHas(&ticket, kInsertListKey)) return true;
  if (options.exceptions && JTktHas(&ticket, kExceptionListKey)) return true;
  return JTktHas(&ticket, kNoOfPadsKey);
}
