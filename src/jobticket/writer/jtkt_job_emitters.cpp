// The job-level emitters with a little structure of their own: printer resolution, accounting
// identifiers and the page range to print.
#include "jobticket/writer/jtkt_commands.h"
#include "jobticket/writer/jtkt_fragment.h"
#include "platform/status.h"

int WriteJTktResolution(const JTktWriteContext* ctx, const JTktResolution* resolution) {
  if (!JTktCanWrite(ctx) || resolution == nullptr) return platform::paramErr;
  JTktFragment()
      .text("\t\t<printer-resolution syntax=\"resolution\">\n")
      .text("\t\t\t<cross-feed syntax=\"integer\">").integer(resolution->crossFeed).text("</cross-feed>\n")
      .text("\t\t\t<feed-direction syntax=\"integer\">").integer(resolution->feedDirection).text("</feed-direction>\n")
      .text("\t\t\t<units syntax=\"integer\">").integer(resolution->units).text("</units>\n\t\t</printer-resolution>\n")
      .writeTo(*ctx);
  return platform::noErr;
}

int WriteJTktAccounting(const JTktWriteContext* ctx, const char* userId, const char* accountId) {
  if (!JTktCanWrite(ctx)) return platform::paramErr;
  if (userId != nullptr) {
    JTktFragment()
        .text("\t\t<job-accounting-user-id syntax=\"name\" xml:space=\"preserve\">")
        .escaped(userId)
        .text("</job-accounting-user-id>\n")
        .writeTo(*ctx);
  }
  if (accountId != nullptr) {
    JTktFragment()
        .text("\t\t<job-account-id syntax=\"name\" xml:space=\"preserve\">")
        .escaped(accountId)
        .text("</job-account-id>\n")
        .writeTo(*ctx);
  }
  return platform::noErr;
}

int WriteJTktPageRanges(const JTktWriteContext* ctx, long lower, long upper) {
  if (!JTktCanWrite(ctx)) return platform::paramErr;
  JTktFragment().text("\t\t<page-ranges syntax=\"1setOf\">\n\t\t\t<value syntax=\"rangeOfInteger\">\n").writeTo(*ctx);
  JTktFragment().text("\t\t\t\t<lower-bound syntax=\"integer\">").integer(lower).text("</lower-bound>\n").writeTo(*ctx);
  JTktFragment().text("\t\t\t\t<upper-bound syntax=\"integer\">").integer(upper).text("</upper-bound>\n").writeTo(*ctx);
  JTktFragment().text("\t\t\t</value>\n\t\t</page-ranges>\n").writeTo(*ctx);
  return platform::noErr;
}
