#include "ipp/ipp_dialog_choices.h"

#include <algorithm>
#include <vector>

#include "ipp/ipp_ppd_options.h"
#include "jobticket/writer/jtkt_writer.h"
#include "model/platform_keys.h"
#include "platform/ipp_handles.h"

namespace {

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
  if (job == nullptr || choices == nullptr) return;
  const platform::IppMessagePtr dialog(ippNew());
  ipp_t* d = dialog.get();
  if (choices->copies > 1) {
    ippAddInteger(d, IPP_TAG_JOB, IPP_TAG_INTEGER, "copies", choices->copies);
    // Pads print their copies uncollated, and say so in the ticket.
    const bool collate = JTktBoolean(ticket, kPMCopyCollateKey).value_or(choices->collate);
    ippAddString(d, IPP_TAG_JOB, IPP_TAG_KEYWORD, "multiple-document-handling", nullptr,
                 collate ? "separate-documents-collated-copies" : "separate-documents-uncollated-copies");
  }
  AddPageRanges(d, choices->pageRanges);
  if (choices->reverse)
    ippAddString(d, IPP_TAG_JOB, IPP_TAG_KEYWORD, "page-delivery", nullptr, "reverse-order-face-down");
  if (choices->pageSet != PrintDialogChoices::PageSet::kAll)
    ippAddString(d, IPP_TAG_JOB, IPP_TAG_KEYWORD, "page-set", nullptr,
                 choices->pageSet == PrintDialogChoices::PageSet::kEven ? "even" : "odd");
  // The Advanced panel's page range and output order are in job already, and win.
  IppAddMissingAttributes(job, d);
}
