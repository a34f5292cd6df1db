// Job notes: messages to the operator and on the banner sheet, the recipient, accounting data.
#include "jobticket/writer/jtkt_fragment.h"
#include "jobticket/writer/jtkt_job_attributes.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "platform/status.h"
#include "vocabulary/device_profile_limits.h"

namespace {

// A text element whose text may be long: start tag, text and end tag, each a fragment of its own.
void LongText(const JTktWriteContext& ctx, std::string_view element, const std::string& text) {
  JTktFragment().text("\t\t<").text(element).text(" syntax=\"text\" xml:space=\"preserve\">").writeTo(ctx);
  JTktFragment().escaped(text).writeTo(ctx);
  JTktFragment().text("</").text(element).text(">\n").writeTo(ctx);
}

// The text under key, cut to what the reader takes for the feature.
std::optional<std::string> Text(const platform::PlistDict* ticket, const char* key, std::string_view feature) {
  const std::string* text = JTktString(ticket, key);
  return text ? std::optional<std::string>(KFSCutToFeatureLength(feature, *text)) : std::nullopt;
}

}  // namespace

int WriteJTktJobNotes(const JTktWriteContext* ctx, const JTktJobNotes* notes) {
  if (!JTktCanWrite(ctx) || notes == nullptr) return platform::paramErr;
  if (notes->operatorMessage) LongText(*ctx, "job-message-to-operator", *notes->operatorMessage);
  if (notes->recipient)
    JTktFragment()
        .text("\t\t<job-recipient-name syntax=\"name\" xml:space=\"preserve\">").escaped(*notes->recipient)
        .text("</job-recipient-name>\n")
        .writeTo(*ctx);
  if (notes->sheetMessage) LongText(*ctx, "job-sheet-message", *notes->sheetMessage);
  if (notes->accountingData) LongText(*ctx, "job-accounting-data", *notes->accountingData);
  return platform::noErr;
}

void WriteJTKTJobNotes(const JTktWriter& writer, const platform::PlistDict* ticket) {
  if (ticket == nullptr) return;
  const JTktJobNotes notes{Text(ticket, kJobNotesMessageKey, "JobStartMessage"),
                           Text(ticket, kJobNotesRecipientKey, "RecipientName"),
                           Text(ticket, kJobNotesSheetMessageKey, "BannerMessage"),
                           Text(ticket, kJobNotesAdditionalInfoKey, "AdditionalNotes")};
  WriteJTktJobNotes(&writer.context, &notes);
}
