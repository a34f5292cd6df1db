// The job type: print at once, hold, or save on the printer (with or without printing).
#include <string_view>

#include "jobticket/writer/jtkt_fragment.h"
#include "jobticket/writer/jtkt_job_attributes.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "platform/status.h"
#include "vocabulary/device_profile_limits.h"

namespace {

using platform::PlistDict;

constexpr std::string_view kSaveFormats[] = {"application/X-single-page-tiff", "application/X-multi-page-tiff",
                                             "application/pdf", "application/X-fast-reprint",
                                             "application/X-fast-reprint-and-dri"};
constexpr const char* kDefaultSaveLocation = "file:///job-repository/";

// Stored job types and save dispositions of the Job Notes panel's menus.
constexpr std::int32_t kStoredHold = 2;
constexpr std::int32_t kStoredSaved = 3;
constexpr std::int32_t kStoredProof = 4;
constexpr std::int32_t kStoredPrintAndSave = 2;

std::int32_t FillJobType(const PlistDict* dict) {
  switch (JTktSetting(dict, kJobTypeJobTypeKey).value_or(1)) {
    case kStoredHold: return kJTktJobHold;
    case kStoredSaved:
      if (!JTktHas(dict, kJobTypeSaveDispositionKey)) return kJTktJobSaveOnly;
      return JTktSetting(dict, kJobTypeSaveDispositionKey) == kStoredPrintAndSave ? kJTktJobPrintAndSave
                                                                                  : kJTktJobSaveOnly;
    case kStoredProof: return kJTktJobPrintAndSave;
    case kJobTypeBackgroundForm: return kJTktJobNoElement;
    default: return kJTktJobNone;
  }
}

// A missing format is single-page TIFF; the printer-default sentinel (the panel's default) asks
// for no format at all.
std::int32_t FillMimeMediaType(const PlistDict* dict) {
  if (JTktHas(dict, kJobTypeMediaTypeKey) && !JTktSetting(dict, kJobTypeMediaTypeKey)) return -1;
  const std::int32_t stored = JTktSetting(dict, kJobTypeMediaTypeKey).value_or(1);
  return stored >= 1 && stored <= 5 ? stored - 1 : -1;
}

std::optional<std::string> FillSavedJobName(const PlistDict* dict, const PlistDict* ticket) {
  const bool useJobName = JTktBoolean(dict, kJobTypeUseJobNameKey).value_or(false);
  const std::string* name = useJobName ? JTktString(ticket, kPMJobNameKey) : JTktString(dict, kJobTypeSavedJobNameKey);
  return name ? std::optional<std::string>(KFSCutToFeatureLength("SaveJobName", *name)) : std::nullopt;
}

std::string FillSavedJobLocation(const PlistDict* dict) {
  const std::string* location = JTktString(dict, kJobTypeSavedJobLocationKey);
  return location ? std::string(KFSCutToFeatureLength("SaveJobLocation", *location)) : kDefaultSaveLocation;
}

}  // namespace

void FillJobTypeData(_JOBDATA* job, const PlistDict* dict, const PlistDict* ticket) {
  if (job == nullptr) return;
  job->jobType = FillJobType(dict);
  job->saveFormat = FillMimeMediaType(dict);
  job->saveName = FillSavedJobName(dict, ticket);
  job->saveLocation = FillSavedJobLocation(dict);
}

void FinalizeJobTypeData(_JOBDATA* job) {
  if (job == nullptr) return;
  job->saveName.reset();
  job->saveLocation.clear();
}

int WriteJTktJobTypes(const JTktWriteContext* ctx, const _JOBDATA* job) {
  if (!JTktCanWrite(ctx) || job == nullptr) return platform::paramErr;
  if (job->jobType == kJTktJobHold) {
    JTktFragment().text("\t\t\t<job-hold-until syntax=\"keyword\">indefinite</job-hold-until>\n").writeTo(*ctx);
    return platform::noErr;
  }
  if (job->jobType < kJTktJobNone || job->jobType > kJTktJobPrintAndSave) return platform::noErr;
  JTktFragment start;
  start.text("\t\t<job-save-disposition syntax=\"collection\">\n");
  if (job->jobType == kJTktJobNone) start.text("\t\t\t<save-disposition syntax=\"keyword\">none</save-disposition>\n");
  if (job->jobType == kJTktJobSaveOnly)
    start.text("\t\t\t<save-disposition syntax=\"keyword\">save-only</save-disposition>\n");
  if (job->jobType == kJTktJobPrintAndSave)
    start.text("\t\t\t<save-disposition syntax=\"keyword\">print-save</save-disposition>\n");
  start.writeTo(*ctx);
  if (job->jobType != kJTktJobNone) {
    JTktFragment()
        .text("\t\t\t<save-info syntax=\"1setOf\">\n\t\t\t\t<value syntax=\"collection\">\n")
        .text("\t\t\t\t\t<save-location syntax=\"uri\">").escaped(job->saveLocation).text("</save-location>\n")
        .writeTo(*ctx);
    // A saved job the user gave no name is still saved; its name is empty, never made up.
    JTktFragment()
        .text("\t\t\t\t\t<save-name syntax=\"name\" xml:space=\"preserve\">").escaped(job->saveName.value_or(""))
        .text("</save-name>\n")
        .writeTo(*ctx);
    JTktFragment end;
    if (job->saveFormat >= 0 && job->saveFormat < static_cast<std::int32_t>(std::size(kSaveFormats)))
      end.text("\t\t\t\t\t<save-document-format syntax=\"mimeMediaType\">").text(kSaveFormats[job->saveFormat])
          .text("</save-document-format>\n");
    end.text("\t\t\t\t</value>\n\t\t\t</save-info>\n").writeTo(*ctx);
  }
  JTktFragment().text("\t\t</job-save-disposition>\n").writeTo(*ctx);
  return platform::noErr;
}

// Like every section, the job type is written only when the ticket holds it; a job whose
// dialog never stored a job type asks for nothing, not for "none".
void WriteJTKTJobType(const JTktWriter& writer, const PlistDict* ticket) {
  const PlistDict* dict = JTktDictionary(ticket, kJobTypeKey);
  if (dict == nullptr) return;
  _JOBDATA job;
  FillJobTypeData(&job, dict, ticket);
  WriteJTktJobTypes(&writer.context, &job);
}
