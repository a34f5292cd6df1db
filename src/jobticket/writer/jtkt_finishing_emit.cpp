// The finishing elements of a filled finishing record.
#include <optional>
#include <string_view>

#include "jobticket/writer/jtkt_finishing.h"
#include "jobticket/writer/jtkt_fragment.h"
#include "model/finishing_folds.h"
#include "platform/status.h"

namespace {

constexpr FinishingsFor kTo = FinishingsFor::JobTicket;

template <class Row, std::size_t N, class Field>
std::optional<std::int32_t> TicketEnumOf(const Row (&rows)[N], Field Row::*field, std::int32_t code) {
  if (const Row* row = RowWith(rows, field, code)) return row->ticketEnum;
  return std::nullopt;
}

constexpr std::string_view kSetStart = "\t\t<finishings syntax=\"1setOf\">\n";
constexpr std::string_view kSetEnd = "\t\t</finishings>\n";
constexpr std::string_view kCollectionStart = "\t\t<finishings-col syntax=\"collection\">\n";
constexpr std::string_view kCollectionEnd = "\t\t</finishings-col>\n";

class Lines {
 public:
  explicit Lines(const JTktWriteContext& ctx) : ctx_(ctx) {}
  void line(std::string_view text) { JTktFragment().text(text).writeTo(ctx_); }
  void value(std::int32_t value) {
    JTktFragment().text("\t\t\t<value syntax=\"enum\">").integer(value).text("</value>\n").writeTo(ctx_);
  }
  void keyword(std::string_view element, std::string_view keyword) {
    JTktFragment()
        .text("\t\t\t\t<").text(element).text(" syntax=\"keyword\">").text(keyword)
        .text("</").text(element).text(">\n")
        .writeTo(ctx_);
  }
  void integer(std::string_view element, std::int64_t value) {
    JTktFragment()
        .text("\t\t\t\t<").text(element).text(" syntax=\"integer\">").integer(value)
        .text("</").text(element).text(">\n")
        .writeTo(ctx_);
  }
  const JTktWriteContext& context() const { return ctx_; }

 private:
  const JTktWriteContext& ctx_;
};

void WriteCoilPunch(Lines& out, const JTktFinishing& record) {
  const std::optional<std::int32_t> coil =
      TicketEnumOf(kCoilPunchPositions, &CoilPunchPosition::stored, record.coilPunch);
  if (!coil) return;
  out.line(kSetStart);
  out.value(*coil);
  out.line(kSetEnd);
}

void WriteTemplate(Lines& out, const std::string& name) {
  out.line(kCollectionStart);
  JTktFragment()
      .text("\t\t\t<finishing-template syntax=\"name\" xml:space=\"preserve\">")
      .escaped(name)
      .text("</finishing-template>\n")
      .writeTo(out.context());
  out.line(kCollectionEnd);
}

// The staple, fold, punch and hole-count enums, in that order. The hole count belongs to the
// punch and is written only with it. A set of codes none of which has an enum would be an empty
// 1setOf, which the format does not allow, so it is left out whole.
void WriteEnumSet(const JTktWriteContext* ctx, Lines& out, const JTktFinishing& record) {
  if (record.nStapleOptions == kJTktFinishingUnset && record.nFoldOptions == kJTktFinishingUnset &&
      record.nHolePunchOptions == kJTktFinishingUnset)
    return;
  JTktDebug(ctx, "DEBUG: WriteJTktFinishing: nStapleOptions = %d, nFoldOptions = %d, nHolePunchOptions = %d, "
            "nHolePunchNumHoles = %d\n",
            record.nStapleOptions, record.nFoldOptions, record.nHolePunchOptions, record.nHolePunchNumHoles);
  std::optional<std::int32_t> values[4] = {StapleFinishingsEnum(record.nStapleOptions, kTo),
                                           FoldFinishingsEnum(record.nFoldOptions, kTo), std::nullopt, std::nullopt};
  if (record.nHolePunchOptions != kJTktFinishingUnset) {
    values[2] = TicketEnumOf(kHolePunchEdges, &HolePunchEdge::recordCode, record.nHolePunchOptions);
    values[3] = TicketEnumOf(kHolePunchCounts, &HolePunchCount::recordCode, record.nHolePunchNumHoles);
  }
  bool any = false;
  for (const auto& value : values) any = any || value.has_value();
  if (!any) return;
  out.line(kSetStart);
  for (const auto& value : values)
    if (value) out.value(*value);
  out.line(kSetEnd);
}

void WriteBookletFoldType(Lines& out, std::string_view keyword) { out.keyword("booklet-fold-type", keyword); }

void WriteBookletMaking(Lines& out, const JTktFinishing& record) {
  if (record.squareFold == kJTktFinishingUnset && record.trimWidth == kJTktFinishingUnset) return;
  out.line(kCollectionStart);
  out.line("\t\t\t<booklet-making syntax=\"collection\">\n");
  if (const FoldRecord* fold = RowWith(kFoldRecords, &FoldRecord::code, record.nFoldOptions);
      fold != nullptr && !fold->bookletFoldType.empty())
    WriteBookletFoldType(out, fold->bookletFoldType);
  if (record.nStapleOptions == kStapleRecordBooklet) WriteBookletFoldType(out, "short-edge-n-sheet-convex");
  if (record.squareFold == kJTktFinishingUnset) out.keyword("booklet-square-fold-type", "none");
  if (const SquareFoldLevel* level = RowWith(kSquareFoldLevels, &SquareFoldLevel::stored, record.squareFold))
    out.keyword("booklet-square-fold-type", level->keyword);
  if (record.nFoldOptions == kFoldRecordBookletNoStaple) out.keyword("booklet-staple-type", "none");
  if (record.nStapleOptions == kStapleRecordBooklet) out.keyword("booklet-staple-type", "standard");
  const bool trim = record.trimWidth != kJTktFinishingUnset;
  out.keyword("booklet-trim-type", trim ? "trim-width" : "none");
  out.integer("booklet-trim-width", trim ? record.trimWidth : 0);
  out.line("\t\t\t</booklet-making>\n");
  out.line(kCollectionEnd);
}

}  // namespace

int WriteJTktFinishing(const JTktWriteContext* ctx, const JTktFinishing* record) {
  if (!JTktCanWrite(ctx) || record == nullptr) return platform::paramErr;
  Lines out(*ctx);
  WriteCoilPunch(out, *record);
  if (record->templateName)
    WriteTemplate(out, *record->templateName);
  else
    WriteEnumSet(ctx, out, *record);
  WriteBookletMaking(out, *record);
  return platform::noErr;
}
