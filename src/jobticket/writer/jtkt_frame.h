#pragma once
// The frame of a job-ticket document: the prolog (XML declaration, document type, root start),
// the operation-attributes group, the job-template group's start and end, and the root's end.
//
//   <?xml ...?> <!DOCTYPE ...> <jtkt ...>
//     <jtkt-operation-attributes> job name, user name, document format </jtkt-operation-attributes>
//     <job-template-attributes> the job's attributes, one element each </job-template-attributes>
//   </jtkt>            (no line feed after the root's end: stored files rely on it)
//
// Emitters return 0 once written, or paramErr (-50) and write nothing without a usable context.
#include "jobticket/writer/jtkt_context.h"
#include "platform/plist/plist_value.h"

// The document type the driver names; 0 to 5 select jtkt-v02020.dtd to jtkt-v02025.dtd, and
// any other version writes no document-type line.
inline constexpr int kJTktCurrentDTDVersion = 5;

extern "C" {
// The XML declaration, the document-type line and the root start tag, as one fragment.
KORVO_EXPORT int WriteJTktHeader(const JTktWriteContext* ctx, int dtdVersion);
KORVO_EXPORT int WriteJTktJobAttribStart(const JTktWriteContext* ctx);
KORVO_EXPORT int WriteJTktJobAttribEnd(const JTktWriteContext* ctx);
KORVO_EXPORT int WriteJTktTrailer(const JTktWriteContext* ctx);
// recipientOnly false: the operation-attributes group with both names (UTF-8; both required,
// a null one writes nothing). recipientOnly true: only the job-recipient-name line, filled with
// userName (jobName is not used). Names are escaped here, so callers pass them as they are.
KORVO_EXPORT int WriteJTktOpAttrib(const JTktWriteContext* ctx, bool recipientOnly, const char* jobName,
                                  const char* userName);
}

// The operation-attributes group from the ticket: the job name ("com.korvo.print.JobNotesJobName",
// or the platform's job name when "com.korvo.print.JobNotesUseJobName" is true) and the sender
// ("com.korvo.print.JobNotesSenderName"); nothing unless both are there. Default context.
void WriteJTKTJobNameAndUser(const JTktWriter& writer, const platform::PlistDict* ticket);
