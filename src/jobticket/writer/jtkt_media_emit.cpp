// The media element of a filled media record.
#include <array>
#include <string_view>

#include "jobticket/writer/jtkt_fragment.h"
#include "jobticket/writer/jtkt_media.h"
#include "platform/status.h"

namespace {

// The controller keeps a media type or colour name in 30 bytes.
constexpr std::size_t kMediaNameBytes = 30;

constexpr std::string_view kStart = "\t\t<media-col syntax=\"collection\">\n";
constexpr std::string_view kEnd = "\t\t</media-col>\n";

// The keyword at code in words; empty for a code outside them (or the not-set -1).
template <std::size_t N>
std::string_view WordFor(const std::array<std::string_view, N>& words, std::int32_t code, std::int32_t first = 0) {
  if (code < first || code - first >= static_cast<std::int32_t>(N)) return {};
  return words[static_cast<std::size_t>(code - first)];
}

constexpr std::array<std::string_view, 13> kTypeKeywords = {
    "stationery", "transparency", "tab-stock", "pre-cut-tabs", "full-cut-tabs", "labels", "", "", "envelope",
    "", "", "other", "bond"};
constexpr std::array<std::string_view, 3> kPrePrinted = {"blank", "pre-printed", "letter-head"};
constexpr std::array<std::string_view, 12> kColors = {"no-color", "white", "pink", "yellow", "blue", "green",
                                                      "buff", "goldenrod", "red", "ivory", "gray", "orange"};
constexpr std::array<std::string_view, 5> kCoatings = {"glossy", "high-gloss", "semi-gloss", "satin", "matte"};
constexpr std::array<std::string_view, 4> kTeeth = {"fine", "medium", "coarse", "semi-coarse"};
constexpr std::array<std::string_view, 2> kGrains = {"y-grain", "x-grain"};

void Keyword(JTktFragment& f, std::string_view element, std::string_view keyword) {
  f.text("\t\t\t<").text(element).text(" syntax=\"keyword\">").text(keyword).text("</").text(element).text(">\n");
}

void Integer(JTktFragment& f, std::string_view element, std::int32_t value) {
  f.text("\t\t\t<").text(element).text(" syntax=\"integer\">").integer(value).text("</").text(element).text(">\n");
}

void Name(JTktFragment& f, std::string_view element, const std::string& name, std::size_t maxBytes) {
  f.text("\t\t\t<").text(element).text(" syntax=\"name\" xml:space=\"preserve\">").escaped(name, maxBytes)
      .text("</").text(element).text(">\n");
}

// The media type, or what stands for it, and the order count of the types that have sets.
// False for the types that write nothing here.
bool TypePart(JTktFragment& f, const _MEDIADATA& m) {
  const bool hasSets = m.type == kJTktMediaTabStock || m.type == kJTktMediaPreCutTabs ||
                       m.type == kJTktMediaNamed9 || m.type == kJTktMediaNamed;
  if (m.type == kJTktMediaPrePrinted) {
    if (std::string_view line = WordFor(kPrePrinted, m.prePrinted); !line.empty()) Keyword(f, "media-pre-printed", line);
  } else if (m.type == kJTktMediaRecycled) {
    Keyword(f, "media-recycled", "standard");
  } else if (m.type == kJTktMediaNamed9 || m.type == kJTktMediaNamed) {
    if (m.typeName) Name(f, "media-type", *m.typeName, kMediaNameBytes);  // no name, no element
  } else if (std::string_view keyword = WordFor(kTypeKeywords, m.type); !keyword.empty()) {
    Keyword(f, "media-type", keyword);
  } else {
    return false;
  }
  if (hasSets && m.orderCount != kJTktUnset) Integer(f, "media-order-count", m.orderCount);
  return true;
}

void ColorPart(JTktFragment& f, const _MEDIADATA& m) {
  if (m.color == kJTktMediaColorNamed) {
    if (m.colorName) Name(f, "media-color", *m.colorName, kMediaNameBytes);
  } else if (std::string_view keyword = WordFor(kColors, m.color); !keyword.empty()) {
    Keyword(f, "media-color", keyword);
  }
}

// Front and back coating. Uncoated needs no kind; otherwise a kind without a keyword, or a
// sides code the stock does not have, leaves both members out.
void CoatingPart(JTktFragment& f, const _MEDIADATA& m) {
  if (m.sidesCoated == kJTktUnset) return;
  const std::string_view coating = m.sidesCoated == 1 ? "none" : WordFor(kCoatings, m.coatingKind, 1);
  if (coating.empty()) return;
  std::string_view front = "none", back = "none";
  switch (m.sidesCoated) {
    case 1: break;
    case 2: front = coating; break;
    case 3: front = back = coating; break;
    case 4: back = coating; break;
    default: return;
  }
  Keyword(f, "media-front-coating", front);
  Keyword(f, "media-back-coating", back);
}

}  // namespace

int WriteJTktMedia(const JTktWriteContext* ctx, const _MEDIADATA* record) {
  if (!JTktCanWrite(ctx) || record == nullptr) return platform::paramErr;
  const _MEDIADATA& m = *record;
  JTktFragment f;
  if (m.source != kJTktUnset) {
    f.text("\t\t<media syntax=\"keyword\">").text(m.source == 0 ? "post-fuser-inserter" : "").text("</media>\n").writeTo(*ctx);
    return platform::noErr;
  }
  f.text(kStart);
  if (m.mediaKey && !m.mediaKey->empty()) {
    f.text("\t\t\t<media-key syntax=\"name\" xml:space=\"preserve\">").escaped(*m.mediaKey).text("</media-key>\n").writeTo(*ctx);
    JTktFragment().text(kEnd).writeTo(*ctx);
    return platform::noErr;
  }
  // The start line goes out with the type, or waits for the next members when there is none.
  if (TypePart(f, m)) f.writeTo(*ctx);
  if (m.weight != kJTktUnset) Integer(f, "media-weight-metric", m.weight);
  if (m.description) Name(f, "media-description", *m.description, kJTktNoLimit);
  if (m.holeCount != kJTktUnset) Integer(f, "media-hole-count", m.holeCount);
  if (!f.bytes().empty()) f.writeTo(*ctx);
  ColorPart(f, m);
  if (!f.bytes().empty()) f.writeTo(*ctx);
  if (m.xDimension != 0 && m.yDimension != 0) {
    f.text("\t\t\t<media-size syntax=\"collection\">\n")
        .text("\t\t\t\t<x-dimension syntax=\"integer\">").unsignedInteger(m.xDimension).text("</x-dimension>\n")
        .text("\t\t\t\t<y-dimension syntax=\"integer\">").unsignedInteger(m.yDimension).text("</y-dimension>\n")
        .text("\t\t\t</media-size>\n")
        .writeTo(*ctx);
  }
  CoatingPart(f, m);
  if (!f.bytes().empty()) f.writeTo(*ctx);
  if (std::string_view tooth = WordFor(kTeeth, m.tooth, 1); !tooth.empty()) Keyword(f, "media-tooth", tooth);
  if (std::string_view grain = WordFor(kGrains, m.grain, 1); !grain.empty()) Keyword(f, "media-grain", grain);
  f.text(kEnd).writeTo(*ctx);
  return platform::noErr;
}
