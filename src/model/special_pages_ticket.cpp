#include "model/special_pages_ticket.h"

namespace {

void WriteOrRemove(platform::Ticket& ticket, const char* key, std::optional<platform::PlistValue> value,
                   std::string_view client) {
  if (value)
    ticket.set(key, std::move(*value), client);
  else
    ticket.remove(key);
}

}  // namespace

SpecialPages ReadSpecialPages(const platform::Ticket& ticket) {
  SpecialPages pages;
  if (const platform::PlistDict* front = ticket.getDictionary(kFrontCoverKey)) pages.frontCover.emplace(*front);
  if (const platform::PlistDict* back = ticket.getDictionary(kBackCoverKey)) pages.backCover.emplace(*back);
  if (const platform::PlistArray* inserts = ticket.getArray(kInsertListKey)) pages.inserts = InsertList(*inserts);
  if (const platform::PlistArray* ranges = ticket.getArray(kExceptionListKey))
    pages.exceptions = ExceptionPageList(*ranges);
  return pages;
}

void WriteSpecialPages(platform::Ticket& ticket, const SpecialPages& pages, std::string_view client) {
  auto cover = [](const std::optional<Cover>& c) -> std::optional<platform::PlistValue> {
    if (!c) return std::nullopt;
    return platform::PlistValue(c->asTicket());
  };
  auto list = [](const SpecialPageList& l) -> std::optional<platform::PlistValue> {
    auto array = l.asTicket();
    if (!array) return std::nullopt;
    return platform::PlistValue(std::move(*array));
  };
  WriteOrRemove(ticket, kFrontCoverKey, cover(pages.frontCover), client);
  WriteOrRemove(ticket, kBackCoverKey, cover(pages.backCover), client);
  WriteOrRemove(ticket, kInsertListKey, list(pages.inserts), client);
  WriteOrRemove(ticket, kExceptionListKey, list(pages.exceptions), client);
}

bool TicketHoldsSpecialPages(const platform::Ticket& ticket, bool withCovers) {
  for (const char* key : {kExceptionListKey, kInsertListKey})
    if (const platform::PlistArray* list = ticket.getArray(key); list && !list->empty()) return true;
  if (!withCovers) return false;
  for (const char* key : {kFrontCoverKey, kBackCoverKey})
    if (const platform::PlistDict* cover = ticket.getDictionary(key); cover && !cover->empty()) return true;
  return false;
}
