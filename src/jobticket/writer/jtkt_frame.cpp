// The frame emitters and the operation attributes.
#include "jobticket/writer/jtkt_frame.h"

#include <array>
#include <string_view>

#include "jobticket/writer/jtkt_fragment.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/job_notes_keys.h"
#include "model/platform_keys.h"
#include "platform/status.h"
#include "vocabulary/device_profile_limits.h"

namespace {

constexpr std::array<std::string_view, 6> kDocumentTypeLines = {
    "<!DOCTYPE jtkt SYSTEM \"jtkt-v02020.dtd\">\n", "<!DOCTYPE jtkt SYSTEM \"jtkt-v02021.dtd\">\n",
    "<!DOCTYPE jtkt SYSTEM \"jtkt-v02022.dtd\">\n", "<!DOCTYPE jtkt SYSTEM \"jtkt-v02023.dtd\">\n",
    "<!DOCTYPE jtkt SYSTEM \"jtkt-v02024.dtd\">\n", "<!DOCTYPE jtkt SYSTEM \"jtkt-v02025.dtd\">\n",
};

int WriteFixed(const JTktWriteContext* ctx, std::string_view text) {
  if (!JTktCanWrite(ctx)) return platform::paramErr;
  JTktFragment().text(text).writeTo(*ctx);
  return platform::noErr;
}

}  // namespace

int WriteJTktHeader(const JTktWriteContext* ctx, int dtdVersion) {
  if (!JTktCanWrite(ctx)) return platform::paramErr;
  JTktFragment fragment;
  fragment.text("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
  if (dtdVersion >= 0 && static_cast<std::size_t>(dtdVersion) < kDocumentTypeLines.size())
    fragment.text(kDocumentTypeLines[static_cast<std::size_t>(dtdVersion)]);
  fragment.text("<jtkt version=\"1.0\" xml:lang=\"en-US\" cpss-version=\"2.01\">\n").writeTo(*ctx);
  return platform::noErr;
}

int WriteJTktJobAttribStart(const JTktWriteContext* ctx) { return WriteFixed(ctx, "\t<job-template-attributes>\n"); }

int WriteJTktJobAttribEnd(const JTktWriteContext* ctx) { return WriteFixed(ctx, "\t</job-template-attributes>\n"); }

int WriteJTktTrailer(const JTktWriteContext* ctx) { return WriteFixed(ctx, "</jtkt>"); }

int WriteJTktOpAttrib(const JTktWriteContext* ctx, bool recipientOnly, const char* jobName, const char* userName) {
  if (!JTktCanWrite(ctx)) return platform::paramErr;
  JTktFragment fragment;
  if (recipientOnly) {
    if (userName == nullptr) return platform::noErr;
    fragment.text("\t\t<job-recipient-name syntax=\"name\" xml:space=\"preserve\">")
        .escaped(userName)
        .text("</job-recipient-name>\n");
  } else {
    if (jobName == nullptr || userName == nullptr) return platform::noErr;
    fragment.text("\t<jtkt-operation-attributes>\n")
        .text("\t\t<job-name syntax=\"name\" xml:space=\"preserve\">")
        .escaped(jobName)
        .text("</job-name>\n")
        .text("\t\t<requesting-user-name syntax=\"name\" xml:space=\"preserve\">")
        .escaped(userName)
        .text("</requesting-user-name>\n")
        .text("\t\t<document-format syntax=\"mimeMediaType\">application/postscript</document-format>\n")
        .text("\t</jtkt-operation-attributes>\n");
  }
  fragment.writeTo(*ctx);
  return platform::noErr;
}

void WriteJTKTJobNameAndUser(const JTktWriter& writer, const platform::PlistDict* ticket) {
  const bool usePlatformName = JTktBoolean(ticket, kJobNotesUseJobNameKey).value_or(false);
  const std::string* jobName = JTktString(ticket, usePlatformName ? kPMJobNameKey : kJobNotesJobNameKey);
  const std::string* userName = JTktString(ticket, kJobNotesSenderNameKey);
  if (jobName == nullptr || userName == nullptr) return;
  // Cut to what the reader takes back, as every text the ticket writers write.
  const std::string job(KFSCutToFeatureLength("JobName", *jobName));
  const std::string user(KFSCutToFeatureLength("SenderName", *userName));
  WriteJTktOpAttrib(&writer.context, false, job.c_str(), user.c_str());
}
