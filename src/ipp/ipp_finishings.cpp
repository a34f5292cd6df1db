// finishings, finishings-col, separator-sheets, pages-per-subset and page-delivery from the
// job-ticket writer's finishing record and commands. Only registered enum values go out: the
// ticket's own punch enums (which IANA gives to folds) and its private values never do.
#include <optional>
#include <utility>
#include <vector>

#include "ipp/ipp_job_template.h"
#include "jobticket/writer/jtkt_writer.h"
#include "model/advanced_keys.h"
#include "model/finishing_folds.h"
#include "model/paper_output_codes.h"
#include "model/paper_output_keys.h"

namespace {

// The output order stored by the Advanced panel: the page-delivery keywords the job ticket uses.
constexpr std::pair<std::int32_t, const char*> kPageDelivery[] = {{2, "same-order-face-down"},
                                                                  {3, "reverse-order-face-up"},
                                                                  {4, "same-order-face-up"},
                                                                  {5, "reverse-order-face-down"}};
constexpr int kFinishingsJogOffset = 14;
constexpr int kFinishingsNone = 3;

// Punch: the record's edge and hole count pick one of punch-dual-left ... punch-quad-bottom.
std::optional<int> PunchEnum(std::int32_t edgeCode, std::int32_t holesCode) {
  const HolePunchEdge* edge = RowWith(kHolePunchEdges, &HolePunchEdge::recordCode, edgeCode);
  const HolePunchCount* count = RowWith(kHolePunchCounts, &HolePunchCount::recordCode, holesCode);
  if (edge == nullptr || count == nullptr) return std::nullopt;
  return count->ippFirst + edge->ippPlace;
}

// Whether the job offset shifts sets, subsets or both.
bool OffsetOn(const platform::PlistDict* ticket) {
  const std::optional<std::int32_t> offset = JTktSetting(ticket, kFinishingOffsetKey);
  return offset == kOffsetSets || offset == kOffsetSubsets || offset == kOffsetSetsAndSubsets;
}

void AddSlipSheets(ipp_t* request, const platform::PlistDict* ticket) {
  if (JTktSetting(ticket, kFinishingSlipSheetKey) != kSlipSheetsOn) return;
  const platform::IppMessagePtr col(ippNew());
  ippAddString(col.get(), IPP_TAG_ZERO, IPP_TAG_KEYWORD, "separator-sheets-type", nullptr, "slip-sheets");
  ippAddCollection(request, IPP_TAG_JOB, "separator-sheets", col.get());
}

void AddSubsets(ipp_t* request, const platform::PlistDict* ticket) {
  if (JTktSetting(ticket, kFinishingOffsetEnableSubsetKey).value_or(0) == 0) return;
  const std::int32_t pages = JTktSetting(ticket, kFinishingOffsetPagesPerSubsetKey).value_or(0);
  if (pages > 0) ippAddInteger(request, IPP_TAG_JOB, IPP_TAG_INTEGER, "pages-per-subset", pages);
}

void AddPageDelivery(ipp_t* request, const platform::PlistDict* ticket) {
  const std::optional<std::int32_t> order = JTktSetting(ticket, kOutputOrderKey);
  if (!order) return;
  for (const auto& [stored, keyword] : kPageDelivery)
    if (stored == *order) ippAddString(request, IPP_TAG_JOB, IPP_TAG_KEYWORD, "page-delivery", nullptr, keyword);
}

}  // namespace

std::vector<int> IppFinishingsValues(const JTktFinishing& record) {
  std::vector<int> values;
  if (std::optional<int> staple = StapleFinishingsEnum(record.nStapleOptions, FinishingsFor::Ipp))
    values.push_back(*staple);
  if (std::optional<int> fold = FoldFinishingsEnum(record.nFoldOptions, FinishingsFor::Ipp)) values.push_back(*fold);
  if (std::optional<int> punch = PunchEnum(record.nHolePunchOptions, record.nHolePunchNumHoles)) values.push_back(*punch);
  return values;
}

void AddIppFinishings(ipp_t* request, const platform::PlistDict* ticket) {
  if (request == nullptr || ticket == nullptr) return;
  const JTktFinishing record = FillFinishingData(ticket);
  std::vector<int> values;
  if (record.templateName && !record.templateName->empty()) {
    const platform::IppMessagePtr col(ippNew());
    ippAddString(col.get(), IPP_TAG_ZERO, IPP_TAG_NAME, "finishing-template", nullptr,
                 IppName(*record.templateName).c_str());
    ippAddCollection(request, IPP_TAG_JOB, "finishings-col", col.get());
  } else {
    values = IppFinishingsValues(record);
  }
  if (OffsetOn(ticket)) values.push_back(kFinishingsJogOffset);
  // "none" says nothing more when another finishing is there too.
  if (values.size() > 1) std::erase(values, kFinishingsNone);
  if (!values.empty())
    ippAddIntegers(request, IPP_TAG_JOB, IPP_TAG_ENUM, "finishings", static_cast<int>(values.size()), values.data());
  AddSlipSheets(request, ticket);
  AddSubsets(request, ticket);
  AddPageDelivery(request, ticket);
}
