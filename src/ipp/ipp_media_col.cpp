// media-col from a filled media record: the same paper the job ticket describes, in the members
// IPP registers for it.
#include <array>
#include <utility>
#include <string_view>

#include "ipp/ipp_job_template.h"
#include "jobticket/writer/jtkt_writer.h"
#include "vocabulary/printer_default.h"
#include "vocabulary/setting_map.h"

namespace {

template <std::size_t N>
std::string_view WordFor(const std::array<std::string_view, N>& words, std::int32_t code, std::int32_t first = 0) {
  if (code < first || code - first >= static_cast<std::int32_t>(N)) return {};
  return words[static_cast<std::size_t>(code - first)];
}

// The ticket's media types by code; bond (12) has no registered keyword, pre-printed and
// recycled stock have members of their own.
constexpr std::array<std::string_view, 12> kTypeKeywords = {
    "stationery", "transparency", "tab-stock", "pre-cut-tabs", "full-cut-tabs", "labels", "", "", "envelope",
    "", "", "other"};
constexpr std::array<std::string_view, 3> kPrePrinted = {"blank", "pre-printed", "letter-head"};
constexpr std::array<std::string_view, 12> kColors = {"no-color", "white", "pink", "yellow", "blue", "green",
                                                      "buff", "goldenrod", "red", "ivory", "gray", "orange"};
constexpr std::array<std::string_view, 5> kCoatings = {"glossy", "high-gloss", "semi-gloss", "satin", "matte"};
constexpr std::array<std::string_view, 3> kTeeth = {"fine", "medium", "coarse"};
constexpr std::array<std::string_view, 2> kGrains = {"y-direction", "x-direction"};  // long, short grain

void Keyword(ipp_t* col, const char* member, std::string_view word) {
  ippAddString(col, IPP_TAG_ZERO, IPP_TAG_KEYWORD, member, nullptr, std::string(word).c_str());
}

void Name(ipp_t* col, const char* member, const std::string& name) {
  ippAddString(col, IPP_TAG_ZERO, IPP_TAG_NAME, member, nullptr, IppName(name).c_str());
}

void Integer(ipp_t* col, const char* member, std::int32_t value) {
  ippAddInteger(col, IPP_TAG_ZERO, IPP_TAG_INTEGER, member, value);
}

void TypeMembers(ipp_t* col, const _MEDIADATA& m) {
  const bool hasSets = m.type == kJTktMediaTabStock || m.type == kJTktMediaPreCutTabs ||
                       m.type == kJTktMediaNamed9 || m.type == kJTktMediaNamed;
  if (m.type == kJTktMediaPrePrinted) {
    if (std::string_view word = WordFor(kPrePrinted, m.prePrinted); !word.empty()) Keyword(col, "media-pre-printed", word);
  } else if (m.type == kJTktMediaRecycled) {
    Keyword(col, "media-recycled", "standard");
  } else if (m.type == kJTktMediaNamed9 || m.type == kJTktMediaNamed) {
    if (m.typeName && !m.typeName->empty()) Name(col, "media-type", *m.typeName);
  } else if (std::string_view word = WordFor(kTypeKeywords, m.type); !word.empty()) {
    Keyword(col, "media-type", word);
  }
  if (hasSets && m.orderCount > 0) Integer(col, "media-order-count", m.orderCount);
}

void ColorMember(ipp_t* col, const _MEDIADATA& m) {
  if (m.color == kJTktMediaColorNamed) {
    if (m.colorName && !m.colorName->empty()) Name(col, "media-color", *m.colorName);
  } else if (std::string_view word = WordFor(kColors, m.color); !word.empty()) {
    Keyword(col, "media-color", word);
  }
}

// Uncoated stock is "none" on both sides; a coated side takes the kind, and a kind without a
// keyword leaves both members out.
void CoatingMembers(ipp_t* col, const _MEDIADATA& m) {
  if (m.sidesCoated < 1 || m.sidesCoated > 4) return;
  const std::string_view coating = m.sidesCoated == 1 ? "none" : WordFor(kCoatings, m.coatingKind, 1);
  if (coating.empty()) return;
  const bool front = m.sidesCoated == 2 || m.sidesCoated == 3;
  const bool back = m.sidesCoated == 3 || m.sidesCoated == 4;
  Keyword(col, "media-front-coating", front ? coating : "none");
  Keyword(col, "media-back-coating", back ? coating : "none");
}

// A dimension of the size table as PWG 5101.1 gives it: exact hundredths of a millimetre. The
// table's millimetre columns round an inch size to whole millimetres (Letter 21600 x 27900);
// its points are exact for any size in quarter inches (18 points), and give 21590 x 27940.
std::int32_t ExactDimension(std::int32_t hmm, std::int32_t points) {
  constexpr std::int32_t kQuarterInchPoints = 18, kQuarterInchHmm = 635;
  return points > 0 && points % kQuarterInchPoints == 0 ? points / kQuarterInchPoints * kQuarterInchHmm : hmm;
}

// The record's size in exact dimensions, when a row of the size table has it (either way round);
// a size no row has (a custom one) is sent as it stands.
std::pair<std::int32_t, std::int32_t> ExactSize(std::int32_t x, std::int32_t y) {
  for (const PaperSizeSettingMap* row = CompleteStockSizeMap; row->value != 0; ++row) {
    if (row->value == kPrinterDefault) continue;
    if (row->widthHmm == x && row->heightHmm == y)
      return {ExactDimension(x, row->widthPt), ExactDimension(y, row->heightPt)};
    if (row->widthHmm == y && row->heightHmm == x)
      return {ExactDimension(x, row->heightPt), ExactDimension(y, row->widthPt)};
  }
  return {x, y};
}

void SizeMember(ipp_t* col, const _MEDIADATA& m) {
  if (m.xDimension == 0 || m.yDimension == 0) return;
  const auto [x, y] = ExactSize(static_cast<std::int32_t>(m.xDimension), static_cast<std::int32_t>(m.yDimension));
  const platform::IppMessagePtr size(ippNew());
  Integer(size.get(), "x-dimension", x);
  Integer(size.get(), "y-dimension", y);
  ippAddCollection(col, IPP_TAG_ZERO, "media-size", size.get());
}

}  // namespace

std::string IppName(std::string_view name) { return std::string(JTktCutUTF8(name, kIppNameOctets)); }
std::string IppText(std::string_view text) { return std::string(JTktCutUTF8(text, kIppTextOctets)); }

platform::IppMessagePtr NewIppMediaCol(const _MEDIADATA& m) {
  platform::IppMessagePtr owned(ippNew());
  ipp_t* col = owned.get();
  if (m.mediaKey && !m.mediaKey->empty()) {
    Name(col, "media-key", *m.mediaKey);  // the printer knows this stock by name alone
    return owned;
  }
  SizeMember(col, m);
  TypeMembers(col, m);
  ColorMember(col, m);
  if (m.weight > 0) Integer(col, "media-weight-metric", m.weight);
  if (m.holeCount > 0) Integer(col, "media-hole-count", m.holeCount);
  CoatingMembers(col, m);
  if (std::string_view tooth = WordFor(kTeeth, m.tooth, 1); !tooth.empty()) Keyword(col, "media-tooth", tooth);
  if (std::string_view grain = WordFor(kGrains, m.grain, 1); !grain.empty()) Keyword(col, "media-grain", grain);
  if (m.description && !m.description->empty())
    ippAddString(col, IPP_TAG_ZERO, IPP_TAG_TEXT, "media-info", nullptr, IppText(*m.description).c_str());
  if (ippFirstAttribute(col) == nullptr) owned.reset();
  return owned;
}
