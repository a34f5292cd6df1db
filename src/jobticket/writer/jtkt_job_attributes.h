#pragma once
// The job attributes kept in their own keys and dictionaries: job notes (operator message,
// recipient, banner-sheet message, accounting data), the job type (hold, or a saved job with its
// location, name and format) and background forms (saving the job as a form, or merging it with
// a form the printer holds).
#include <cstdint>
#include <optional>
#include <string>

#include "jobticket/writer/jtkt_context.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_codes.h"
#include "model/paper_output_keys.h"
#include "platform/plist/plist_value.h"

// The job-notes record: UTF-8 texts as the ticket holds them (escaped when written), each absent
// when the ticket has none.
struct JTktJobNotes {
  std::optional<std::string> operatorMessage;
  std::optional<std::string> recipient;
  std::optional<std::string> sheetMessage;
  std::optional<std::string> accountingData;
};

// Codes of _JOBDATA::jobType.
enum JTktJobTypeCode : std::int32_t {
  kJTktJobNone = 0,
  kJTktJobHold = 1,
  kJTktJobSaveOnly = 2,
  kJTktJobPrintAndSave = 3,
  kJTktJobNoElement = 4,  // background forms: the forms elements say it all
};

struct _JOBDATA {
  std::int32_t jobType = kJTktJobNone;
  std::int32_t saveFormat = -1;  // 0 to 4; -1 none
  std::optional<std::string> saveName;
  std::string saveLocation;
};

struct _BGFORMSDATA {
  std::optional<std::string> newFormName;
  std::optional<std::string> existingFormName;
  std::int32_t cycleStart = 0;
  std::int64_t xShift = 0;  // thousandths of a millimetre
  std::int64_t yShift = 0;
};

extern "C" {
// Each present text of the record, in the order operator message, recipient, sheet message,
// accounting data. 0, or paramErr without a context or record.
KORVO_EXPORT int WriteJTktJobNotes(const JTktWriteContext* ctx, const JTktJobNotes* notes);
// The hold line, or the save-disposition collection; nothing for kJTktJobNoElement or an unknown code.
KORVO_EXPORT int WriteJTktJobTypes(const JTktWriteContext* ctx, const _JOBDATA* job);
// The form-save collection when there is a new form's name, the forms collection when there is
// an existing form's name; names are cut at 255 bytes (never inside a character) and escaped.
KORVO_EXPORT int WriteJTktBackgroundForms(const JTktWriteContext* ctx, const _BGFORMSDATA* forms);
}

// Fill routines. Each reads its dictionary (a missing one is empty) and the ticket's job name.
void FillJobTypeData(_JOBDATA* job, const platform::PlistDict* jobTypeDictionary, const platform::PlistDict* ticket);
void FillBGFormsData(_BGFORMSDATA* forms, const platform::PlistDict* formsDictionary, const platform::PlistDict* ticket);
// The records hold their strings by value; these empty them early. Null is ignored.
void FinalizeJobTypeData(_JOBDATA* job);
void FinalizeBGFormsTypeData(_BGFORMSDATA* forms);

// Ticket writers, through the writer they are given.
void WriteJTKTJobNotes(const JTktWriter& writer, const platform::PlistDict* ticket);
void WriteJTKTJobType(const JTktWriter& writer, const platform::PlistDict* ticket);  // nothing without "com.korvo.print.JobType"
// Only for a background-forms job (job type 9): the forms belong to it and to no other job.
void WriteJTKTBackgroundForms(const JTktWriter& writer, const platform::PlistDict* ticket);
