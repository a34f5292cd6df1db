#include "ipp/ipp_dialog_choices.h"

#include <algorithm>
#include <vector>

#include "ipp/ipp_ppd_options.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/advanced_keys.h"
#include "model/platform_keys.h"
#include "platform/ipp_handles.h"

namespace {

// The Advanced panel's "pages from ... to ...", when chosen.
bool AddTicketPageRange(ipp_t* job, const platform::PlistDict* ticket) {
  if (JTktSetting(ticket, kPagesToPrintSelectedKey) != 1) return false;
  int from = JTktSetting(ticket, kPagesToPrintFromKey).value_or(0);
  int to = JTktSetting(ticket, kPagesToPrintToKey).value_or(0);
  if (from <= 0 || to <= 0) return false;
  if (from > to) std::swap(from, to);
  ippAddRange(job, IPP_TAG_JOB, "page-ranges", from, to);
  return true;
}

void AddPageRanges(ipp_t* job, const std::vector<std::pair<int, int>>& ranges) {
  std::vector<int> lower, upper;
  for (auto [first, last] : ranges) {
    // IPP wants ascending ranges of pages from 1; a reversed one is read as meant.
    if (first > last) std::swap(first, last);
    if (first < 1) continue;
    lower.push_back(first);
    upper.push_back(last);
  }
  if (!lower.empty())
    ippAddRanges(job, IPP_TAG_JOB, "page-ranges", static_cast<int>(lower.size()), lower.data(), upper.data());
}

}  // namespace

void AddIppDialogChoices(ipp_t* job, const PrintDialogChoices* choices, const platform::PlistDict* ticket) {
  if (job == nullptr) return;
  const bool ticketRange = AddTicketPageRange(job, ticket);
  if (choices == nullptr) return;
  const platform::IppMessagePtr dialog(ippNew());
  ipp_t* d = dialog.get();
  if (choices->copies > 1) {
    ippAddInteger(d, IPP_TAG_JOB, IPP_TAG_INTEGER, "copies", choices->copies);
    // Pads print their copies uncollated, and say so in the ticket.
    const bool collate = JTktBoolean(ticket, kPMCopyCollateKey).value_or(choices->collate);
    ippAddString(d, IPP_TAG_JOB, IPP_TAG_KEYWORD, "multiple-document-handling", nullptr,
                 collate ? "separate-documents-collated-copies" : "separate-documents-uncollated-copies");
  }
  if (!ticketRange) AddPageRanges(d, choices->pageRanges);
  // The output order the Advanced panel stored has become page-delivery already, and wins below.
  if (choices->reverse)
    ippAddString(d, IPP_TAG_JOB, IPP_TAG_KEYWORD, "page-delivery", nullptr, "reverse-order-face-down");
  if (choices->pageSet != PrintDialogChoices::PageSet::kAll)
    ippAddString(d, IPP_TAG_JOB, IPP_TAG_KEYWORD, "page-set", nullptr,
                 choices->pageSet == PrintDialogChoices::PageSet::kEven ? "even" : "odd");
  IppAddMissingAttributes(job, d);
}
