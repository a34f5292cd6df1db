// The job-level command emitter: one element per call, its text chosen by the command's row.
#include "jobticket/writer/jtkt_commands.h"

#include "jobticket/writer/jtkt_command_table.h"
#include "jobticket/writer/jtkt_fragment.h"
#include "platform/status.h"
#include "vocabulary/printer_default.h"

namespace {

// orientation-requested counts from 3 (portrait); a value it does not know asks for portrait.
std::int32_t OrientationEnum(std::int32_t value) { return value >= 0 && value <= 3 ? value + 3 : 3; }

void OffsetValue(JTktFragment& fragment, const char* keyword) {
  fragment.text("\t\t\t<value syntax=\"keyword\">").text(keyword).text("</value>\n");
}

void JobOffset(JTktFragment& fragment, std::int32_t value) {
  fragment.text("\t\t<job-offset syntax=\"1setOf\">\n");
  switch (value) {
    case 0: OffsetValue(fragment, "none"); break;
    case 1: OffsetValue(fragment, "offset-set"); break;
    case 2: OffsetValue(fragment, "offset-subset"); break;
    case 3:
      OffsetValue(fragment, "offset-set");
      OffsetValue(fragment, "offset-subset");
      break;
    case 4: OffsetValue(fragment, "offset-job"); break;
    default: break;
  }
  fragment.text("\t\t</job-offset>\n");
}

void Element(JTktFragment& fragment, const char* element, std::string_view syntax, std::int32_t value) {
  fragment.text("\t\t<").text(element).text(syntax).integer(value).text("</").text(element).text(">\n");
}

void BuildCommand(JTktFragment& fragment, const JTktCommandRow& row, std::int32_t value) {
  switch (row.form) {
    case JTktCommandForm::None: return;
    case JTktCommandForm::Keyword:
      if (const char* keyword = JTktKeywordFor(row, value))
        fragment.text("\t\t<").text(row.element).text(" syntax=\"keyword\">").text(keyword)
            .text("</").text(row.element).text(">\n");
      return;
    case JTktCommandForm::Integer: Element(fragment, row.element, " syntax=\"integer\">", value); return;
    case JTktCommandForm::SpacedInteger: Element(fragment, row.element, " syntax =\"integer\">", value); return;
    case JTktCommandForm::Orientation: Element(fragment, row.element, " syntax=\"enum\">", OrientationEnum(value)); return;
    case JTktCommandForm::JobOffset: JobOffset(fragment, value); return;
    case JTktCommandForm::PagesPerSubset:
      fragment.text("\t\t<pages-per-subset syntax=\"1setOf\">\n\t\t\t<value syntax=\"integer\">")
          .integer(value)
          .text("</value>\n\t\t</pages-per-subset>\n");
      return;
    case JTktCommandForm::SeparatorSheets:
      fragment.text("\t\t<separator-sheets syntax=\"collection\">\n")
          .text("\t\t\t<separator-sheets-type syntax=\"keyword\">slip-sheets</separator-sheets-type>\n")
          .text("\t\t</separator-sheets>\n");
      return;
  }
}

}  // namespace

int WriteJTktCommands(const JTktWriteContext* ctx, int command, std::int32_t value) {
  JTktDebug(ctx, "DEBUG: in WriteJTktCommands funcion \n");
  if (!JTktCanWrite(ctx)) return platform::paramErr;
  const JTktCommandRow& row = JTktCommandRowFor(command);
  JTktFragment fragment;
  // The sentinel means "the printer's default": there is nothing to send, whatever the row
  // would make of the number. Separator sheets do not read the value at all.
  if (value != kPrinterDefault || row.form == JTktCommandForm::SeparatorSheets) BuildCommand(fragment, row, value);
  fragment.writeTo(*ctx);
  return platform::noErr;
}
