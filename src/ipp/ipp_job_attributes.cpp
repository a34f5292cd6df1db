// The job-level attributes: image shift, accounting identifiers, messages and recipient, the page
// range, and the job's disposition (held, or saved on the printer), from the job-ticket writer's records.
#include <cstdint>
#include <utility>

#include "ipp/ipp_job_template.h"
#include "jobticket/writer/jtkt_writer.h"
#include "model/advanced_keys.h"
#include "model/image_shift_options.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_keys.h"
#include "stocklibrary/stock_library.h"

namespace {

constexpr const char* kSaveFormats[] = {"application/X-single-page-tiff", "application/X-multi-page-tiff",
                                        "application/pdf", "application/X-fast-reprint",
                                        "application/X-fast-reprint-and-dri"};
// Accounting is on when the accounting component stores this value.
constexpr std::int32_t kAccountingEnabled = 3;

void AddText(ipp_t* request, ipp_tag_t tag, const char* name, const platform::PlistDict* ticket, const char* key) {
  const std::string* text = JTktString(ticket, key);
  if (text == nullptr || text->empty()) return;
  const std::string value = tag == IPP_TAG_NAME ? IppName(*text) : IppText(*text);
  ippAddString(request, IPP_TAG_JOB, tag, name, nullptr, value.c_str());
}

}  // namespace

void AddIppImageShiftMembers(ipp_t* col, ipp_tag_t group, const platform::PlistDict* dictionary) {
  if (col == nullptr || dictionary == nullptr) return;
  _ImageShiftSelections shift;
  FillImageShift(dictionary, &shift);
  const std::pair<const char*, std::int64_t> members[] = {{"x-side1-image-shift", shift.xSide1},
                                                          {"x-side2-image-shift", shift.xSide2},
                                                          {"y-side1-image-shift", shift.ySide1},
                                                          {"y-side2-image-shift", shift.ySide2}};
  for (const auto& [name, value] : members)
    if (value != 0 && value >= INT32_MIN && value <= INT32_MAX)
      ippAddInteger(col, group, IPP_TAG_INTEGER, name, static_cast<int>(value));
}

void AddIppImageShift(ipp_t* request, const platform::PlistDict* ticket) {
  AddIppImageShiftMembers(request, IPP_TAG_JOB, JTktDictionary(ticket, kImageShiftOptionsJobKey));
}

void AddIppJobNotes(ipp_t* request, const platform::PlistDict* ticket) {
  if (request == nullptr || ticket == nullptr) return;
  if (JTktSetting(ticket, kAccountingOnKey) == kAccountingEnabled) {
    AddText(request, IPP_TAG_NAME, "job-accounting-user-id", ticket, kAccountingUserIDKey);
    AddText(request, IPP_TAG_NAME, "job-account-id", ticket, kAccountingAccountIDKey);
  }
  AddText(request, IPP_TAG_TEXT, "job-message-to-operator", ticket, kJobNotesMessageKey);
  AddText(request, IPP_TAG_TEXT, "job-sheet-message", ticket, kJobNotesSheetMessageKey);
  AddText(request, IPP_TAG_NAME, "job-recipient-name", ticket, kJobNotesRecipientKey);
}

// The Advanced panel's "pages from ... to ...", when chosen.
void AddIppPageRange(ipp_t* request, const platform::PlistDict* ticket) {
  if (request == nullptr || JTktSetting(ticket, kPagesToPrintSelectedKey) != 1) return;
  int from = JTktSetting(ticket, kPagesToPrintFromKey).value_or(0);
  int to = JTktSetting(ticket, kPagesToPrintToKey).value_or(0);
  if (from <= 0 || to <= 0) return;
  if (from > to) std::swap(from, to);
  ippAddRange(request, IPP_TAG_JOB, "page-ranges", from, to);
}

void AddIppJobDisposition(ipp_t* request, const platform::PlistDict* ticket) {
  const platform::PlistDict* dictionary = JTktDictionary(ticket, kJobTypeKey);
  if (request == nullptr || dictionary == nullptr) return;
  _JOBDATA job;
  FillJobTypeData(&job, dictionary, ticket);
  if (job.jobType == kJTktJobHold) {
    ippAddString(request, IPP_TAG_JOB, IPP_TAG_KEYWORD, "job-hold-until", nullptr, "indefinite");
    return;
  }
  if (job.jobType != kJTktJobSaveOnly && job.jobType != kJTktJobPrintAndSave) return;
  const platform::IppMessagePtr info(ippNew());
  ippAddString(info.get(), IPP_TAG_ZERO, IPP_TAG_URI, "save-location", nullptr, job.saveLocation.c_str());
  if (job.saveName && !job.saveName->empty())
    ippAddString(info.get(), IPP_TAG_ZERO, IPP_TAG_NAME, "save-name", nullptr, IppName(*job.saveName).c_str());
  if (job.saveFormat >= 0 && job.saveFormat < static_cast<std::int32_t>(std::size(kSaveFormats)))
    ippAddString(info.get(), IPP_TAG_ZERO, IPP_TAG_MIMETYPE, "save-document-format", nullptr,
                 kSaveFormats[job.saveFormat]);
  const platform::IppMessagePtr disposition(ippNew());
  ippAddString(disposition.get(), IPP_TAG_ZERO, IPP_TAG_KEYWORD, "save-disposition", nullptr,
               job.jobType == kJTktJobSaveOnly ? "save-only" : "print-save");
  ippAddCollection(disposition.get(), IPP_TAG_ZERO, "save-info", info.get());
  ippAddCollection(request, IPP_TAG_JOB, "job-save-disposition", disposition.get());
}

std::optional<std::string> IppJobTemplateRefusal(const platform::PlistDict* ticket) {
  const platform::PlistDict* dictionary = JTktDictionary(ticket, kJobTypeKey);
  if (dictionary == nullptr) return std::nullopt;
  _JOBDATA job;
  FillJobTypeData(&job, dictionary, ticket);
  if (job.jobType != kJTktJobSaveOnly && job.jobType != kJTktJobPrintAndSave) return std::nullopt;
  // The location as the user typed it: the writer's cut form would save the job elsewhere.
  const std::string* location = JTktString(dictionary, kJobTypeSavedJobLocationKey);
  return location ? IppURITooLong(*location, "the saved job's location") : std::nullopt;
}
