#include "jobticket/writer/jtkt_driver.h"

#include "jobticket/writer/jtkt_context.h"
#include "jobticket/writer/jtkt_frame.h"
#include "jobticket/writer/jtkt_options.h"
#include "jobticket/writer/jtkt_sections.h"

void WriteJTKT(std::FILE* stream, const platform::PlistDict* ticket, int coverMode) {
  if (stream == nullptr) return;
  WriteJTKT(JTktStreamWriter(stream), ticket, coverMode);
}

void WriteJTKT(const JTktWriter& writer, const platform::PlistDict* ticket, int coverMode) {
  if (ticket == nullptr) return;
  const std::optional<JTktOptions> options = ReadJTktOptions(ticket);
  if (!options) return;
  const JTktWriteContext* ctx = &writer.context;
  const bool frame = JTktWritesFrame(*options, *ticket);

  if (frame) WriteJTktHeader(ctx, kJTktCurrentDTDVersion);
  if (options->all) WriteJTKTJobNameAndUser(writer, ticket);
  if (frame) WriteJTktJobAttribStart(ctx);
  for (const JTktSection& section : JTktSections()) {
    if (JTktSelects(section.selector, *options)) section.write(writer, ticket, coverMode);
  }
  if (frame) {
    WriteJTktJobAttribEnd(ctx);
    WriteJTktTrailer(ctx);
  }
}
