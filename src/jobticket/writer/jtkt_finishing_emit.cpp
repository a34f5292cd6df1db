// The finishing elements of a filled finishing record.
#include <optional>
#include <string_view>

#include "jobticket/writer/jtkt_finishing.h"
#include "jobticket/writer/jtkt_fragment.h"
#include "model/finishing_positions.h"
#include "platform/status.h"

namespace {

struct CodeEnum {
  std::int32_t code;
  std::int32_t value;
};

constexpr CodeEnum kFoldEnums[] = {{9, 3},     {10, 111},  {23, 111},  {11, 1000}, {27, 1000}, {12, 1001},
                                   {29, 1001}, {13, 50},   {14, 52},   {15, 13},   {21, 1003}, {22, 1004},
                                   {24, 110},  {25, 1011}, {26, 1008}, {28, 1005}, {30, 1012}};
constexpr CodeEnum kPunchEnums[] = {{31, 93}, {32, 94}, {33, 96}, {34, 95}};
constexpr CodeEnum kHoleCountEnums[] = {{35, 90}, {36, 91}, {37, 92}};
constexpr CodeEnum kCoilPunchEnums[] = {{255, 254}, {257, 256}};

// The enum of code in its table; none for a code the table does not list (the not-set -1 too).
template <std::size_t N>
std::optional<std::int32_t> EnumFor(const CodeEnum (&table)[N], std::int32_t code) {
  for (const CodeEnum& row : table)
    if (row.code == code) return row.value;
  return std::nullopt;
}

std::optional<std::int32_t> StapleEnum(std::int32_t code) {
  if (code == kStapleRecordBooklet) return kStapleBookletTicketEnum;
  if (const StaplePosition* position = StaplePositionOfRecord(code)) return position->finishingsEnum;
  return std::nullopt;
}

constexpr std::int32_t kFoldBookletNoStaple = 23;

struct SquareFold {
  std::int32_t code;
  std::string_view keyword;
};
constexpr SquareFold kSquareFolds[] = {{-1, "none"},  {62, "high-2"}, {63, "high-1"},
                                       {64, "normal"}, {65, "low-1"},  {66, "low-2"}};

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
  const std::optional<std::int32_t> coil = EnumFor(kCoilPunchEnums, record.coilPunch);
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
  std::optional<std::int32_t> values[4] = {StapleEnum(record.nStapleOptions),
                                           EnumFor(kFoldEnums, record.nFoldOptions), std::nullopt, std::nullopt};
  if (record.nHolePunchOptions != kJTktFinishingUnset) {
    values[2] = EnumFor(kPunchEnums, record.nHolePunchOptions);
    values[3] = EnumFor(kHoleCountEnums, record.nHolePunchNumHoles);
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
  switch (record.nFoldOptions) {
    case 21: WriteBookletFoldType(out, "short-edge-single-sheet-concave"); break;
    case 22: WriteBookletFoldType(out, "short-edge-single-sheet-convex"); break;
    case kFoldBookletNoStaple: WriteBookletFoldType(out, "short-edge-n-sheet-convex"); break;
    default: break;
  }
  if (record.nStapleOptions == kStapleRecordBooklet) WriteBookletFoldType(out, "short-edge-n-sheet-convex");
  for (const SquareFold& row : kSquareFolds)
    if (row.code == record.squareFold) out.keyword("booklet-square-fold-type", row.keyword);
  if (record.nFoldOptions == kFoldBookletNoStaple) out.keyword("booklet-staple-type", "none");
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
