#pragma once
// Where the special pages live in the print-settings ticket: one dictionary per cover, one array
// per list. An absent cover or an empty list has no key at all.
#include <optional>
#include <string_view>

#include "model/special_page.h"
#include "model/special_page_list.h"
#include "model/ticket_clients.h"
#include "platform/ticket/ticket.h"

inline constexpr const char* kFrontCoverKey = "com.korvo.print.SpecialPages.FrontCover";
inline constexpr const char* kBackCoverKey = "com.korvo.print.SpecialPages.BackCover";
inline constexpr const char* kInsertListKey = "com.korvo.print.SpecialPages.InsertList";
inline constexpr const char* kExceptionListKey = "com.korvo.print.SpecialPages.ExceptionList";

struct SpecialPages {
  std::optional<Cover> frontCover;
  std::optional<Cover> backCover;
  InsertList inserts;
  ExceptionPageList exceptions;
};

SpecialPages ReadSpecialPages(const platform::Ticket& ticket);

// True when the ticket holds a page of the exception or insert list (each list counted on its
// own); with covers too when withCovers (a cover dictionary that is not empty). Booklet layout is
// ruled out by these: its pages come from the whole document.
bool TicketHoldsSpecialPages(const platform::Ticket& ticket, bool withCovers = true);
void WriteSpecialPages(platform::Ticket& ticket, const SpecialPages& pages,
                       std::string_view client = kPanelsClientID);
