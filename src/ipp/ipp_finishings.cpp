// finishings, finishings-col, separator-sheets, pages-per-subset and page-delivery from the
// job-ticket writer's finishing record and commands. Only registered enum values go out: the
// ticket's own punch enums (which IANA gives to folds) and its private values never do.
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "ipp/ipp_job_template.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/advanced_keys.h"
#include "model/finishing_positions.h"
#include "model/paper_output_codes.h"
#include "model/paper_output_keys.h"

namespace {

struct CodeEnum {
  std::int32_t code;
  int value;
};

// Fold codes: none; bind left and right; signature booklet; bi-fold (the booklet folds too),
// C fold, Z fold, Z fold half sheet.
constexpr CodeEnum kFoldEnums[] = {{9, 3},   {13, 50}, {14, 52}, {15, 13}, {10, 93}, {21, 93}, {22, 93},
                                   {23, 93}, {24, 93}, {11, 96}, {27, 96}, {28, 96}, {12, 100}, {29, 100},
                                   {30, 100}, {25, 94}, {26, 94}};
// The output order stored by the Advanced panel: the page-delivery keywords the job ticket uses.
constexpr std::pair<std::int32_t, const char*> kPageDelivery[] = {{2, "same-order-face-down"},
                                                                  {3, "reverse-order-face-up"},
                                                                  {4, "same-order-face-up"},
                                                                  {5, "reverse-order-face-down"}};
constexpr int kFinishingsJogOffset = 14;
constexpr int kFinishingsPunchDualLeft = 74;

std::optional<int> EnumFor(std::span<const CodeEnum> table, std::int32_t code) {
  for (const CodeEnum& row : table)
    if (row.code == code) return row.value;
  return std::nullopt;
}

// A staple position's record code, or the booklet fold with staples (saddle-stitch).
std::optional<int> StapleEnum(std::int32_t code) {
  if (code == kStapleRecordBooklet) return kStapleBookletIppEnum;
  if (const StaplePosition* position = StaplePositionOfRecord(code)) return position->finishingsEnum;
  return std::nullopt;
}

// Punch: the record's edge (31 left, 32 top, 33 bottom, 34 right) and hole count (35 to 37: 2,
// 3 or 4 holes) pick one of punch-dual-left (74) ... punch-quad-bottom (85), four edges a count.
std::optional<int> PunchEnum(std::int32_t edgeCode, std::int32_t holesCode) {
  constexpr int kEdgeOffsets[] = {0, 1, 3, 2};  // left, top, bottom, right in IANA's left, top, right, bottom
  if (edgeCode < 31 || edgeCode > 34 || holesCode < 35 || holesCode > 37) return std::nullopt;
  return kFinishingsPunchDualLeft + 4 * (holesCode - 35) + kEdgeOffsets[edgeCode - 31];
}

// The job offset stored 3 to 5 shifts sets, subsets or both; 2 is none.
bool OffsetOn(const platform::PlistDict* ticket) {
  const std::optional<std::int32_t> offset = JTktSetting(ticket, kFinishingOffsetKey);
  return offset && *offset >= 3 && *offset <= 5;
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
  if (std::optional<int> staple = StapleEnum(record.nStapleOptions)) values.push_back(*staple);
  if (std::optional<int> fold = EnumFor(kFoldEnums, record.nFoldOptions)) values.push_back(*fold);
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
  // "none" (3) says nothing more when another finishing is there too.
  if (values.size() > 1) std::erase(values, 3);
  if (!values.empty())
    ippAddIntegers(request, IPP_TAG_JOB, IPP_TAG_ENUM, "finishings", static_cast<int>(values.size()), values.data());
  AddSlipSheets(request, ticket);
  AddSubsets(request, ticket);
  AddPageDelivery(request, ticket);
}
