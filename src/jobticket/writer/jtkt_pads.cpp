// Pad printing: sheets glued into pads, with or without a blank back cover.
#include <strings.h>

#include "jobticket/writer/jtkt_fragment.h"
#include "jobticket/writer/jtkt_special_pages.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/paper_output_keys.h"
#include "platform/status.h"

int WriteJTktPads(const JTktWriteContext* ctx, const char* padType, std::int32_t sheetsPerPad, const _MEDIADATA* media) {
  if (!JTktCanWrite(ctx) || media == nullptr) return platform::paramErr;
  // The pad types are stored as the menu's words, in whatever case the producer chose.
  const bool noCover = padType != nullptr && strcasecmp(padType, kPadNoBackCover) == 0;
  const bool blankCover = padType != nullptr && strcasecmp(padType, kPadBlankBackCover) == 0;
  JTktFragment().text("\t<pad-printing syntax=\"collection\">\n").writeTo(*ctx);
  if (blankCover) {
    JTktFragment().text("\t\t<cover-back-pad syntax=\"collection\">\n").writeTo(*ctx);
    WriteJTktMedia(ctx, media);
    JTktFragment().text("\t\t</cover-back-pad>\n").writeTo(*ctx);
  }
  JTktFragment fragment;
  if (sheetsPerPad != 0)
    fragment.text("\t\t<number-of-sheets-per-pad syntax=\"integer\">").integer(sheetsPerPad)
        .text("</number-of-sheets-per-pad>\n");
  if (noCover) fragment.text("\t\t<pad-printing-type syntax=\"keyword\">pads-single-no-cover</pad-printing-type>\n");
  if (blankCover) fragment.text("\t\t<pad-printing-type syntax=\"keyword\">pads-single-back-cover</pad-printing-type>\n");
  fragment.text("\t</pad-printing>\n").writeTo(*ctx);
  return platform::noErr;
}

void WriteJTKTPad(const JTktWriter& writer, const platform::PlistDict* ticket) {
  const std::string* padBackCover = JTktString(ticket, kPadBackCoverKey);
  if (padBackCover == nullptr) return;
  _MEDIADATA media;
  FillMediaData(&media, JTktDictionary(ticket, kPadLevelStockKey), 0, writer.page);
  const std::int32_t sheetsPerPad = JTktSetting(ticket, kPagesPerPadsKey).value_or(0);
  WriteJTktPads(&writer.context, padBackCover->c_str(), sheetsPerPad, &media);
}
