#include "ticket_generator.h"

#include <initializer_list>
#include <vector>

#include "model/advanced_keys.h"
#include "model/background_forms_keys.h"
#include "model/background_forms_options.h"
#include "model/client_information_keys.h"
#include "model/full_color_keys.h"
#include "model/image_options_keys.h"
#include "model/image_shift_options.h"
#include "model/job_level_stock.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_codes.h"
#include "model/paper_output_keys.h"
#include "model/special_page_keys.h"
#include "model/special_pages_ticket.h"
#include "model/stock_keys.h"
#include "vocabulary/printer_default.h"
#include "vocabulary/setting_map.h"

namespace jtkt_test {
namespace {

using platform::PlistArray;
using platform::PlistDict;
using platform::PlistValue;

class Maker {
 public:
  explicit Maker(const TicketChoice& choose) : choose_(choose) {}

  bool coin() { return choose_(2) == 1; }
  bool often() { return choose_(4) != 0; }
  std::int32_t in(std::int32_t low, std::int32_t high) {
    return low + static_cast<std::int32_t>(choose_(static_cast<std::uint32_t>(high - low + 1)));
  }
  std::int32_t of(std::initializer_list<std::int32_t> values) {
    return values.begin()[choose_(static_cast<std::uint32_t>(values.size()))];
  }
  // Any row of a setting map, its printer-default row included.
  std::int32_t row(const SettingMap* map) {
    std::uint32_t rows = 0;
    while (map[rows].labelKey != nullptr) ++rows;
    return map[choose_(rows)].value;
  }
  // Empty, short, with the characters XML escapes, or long (what the profile still takes).
  std::string text(std::size_t longest) {
    static const char* const kTexts[] = {"", "Ana", "R&D <proofs> \"A\" 'B'", "Caf\xC3\xA9 \xE2\x80\x94 n\xC2\xBA 7",
                                         "  spaced  out  "};
    const std::uint32_t pick = choose_(6);
    if (pick < 5) return std::string(kTexts[pick]).substr(0, longest);
    return std::string(longest, static_cast<char>('a' + choose_(26)));
  }
  // A text the writer sends whole and the reader takes: never empty.
  std::string name(std::size_t longest) {
    std::string t = text(longest);
    return t.empty() ? "x" : t;
  }

 private:
  const TicketChoice& choose_;
};

PlistDict MakeStock(Maker& m) {
  PlistDict s;
  if (!m.often()) {
    if (m.coin()) return PlistDict{{stock_keys::kSourceKey, 10}};
    return PlistDict{{stock_keys::kCustomNameOnlyKey, m.coin()}, {stock_keys::kCustomNameKey, m.name(40)}};
  }
  const std::int32_t size = m.row(StockSizeMap);
  s[stock_keys::kSizeKey] = size;
  if (size == 75 || m.coin()) {
    s[stock_keys::kWidthKey] = m.in(15240, 30480);
    s[stock_keys::kLengthKey] = m.in(15240, 30480);
  }
  const std::int32_t type = m.coin() ? m.row(CompleteStockTypeMap) : m.in(1, 56);
  s[stock_keys::kTypeKey] = type;
  if (m.coin()) s[stock_keys::kCustomTypeKey] = m.name(30);
  if (m.coin()) s[stock_keys::kModulusKey] = m.in(1, 254);
  s[stock_keys::kColorKey] = m.coin() ? m.row(CompleteStockColorMap) : m.in(1, 21);
  if (m.coin()) s[stock_keys::kCustomColorKey] = m.name(30);
  if (m.coin()) s[stock_keys::kWeightKey] = m.in(1, 1000);
  if (m.coin()) s[stock_keys::kPunchedKey] = m.of({1, 2});
  if (m.coin()) s[stock_keys::kDescriptionKey] = m.text(200);
  if (m.coin()) {
    s[stock_keys::kSidesCoatedKey] = m.in(1, 4);
    s[stock_keys::kCoatingTypeKey] = m.in(1, 5);
  }
  if (m.coin()) s[stock_keys::kFinishKey] = m.in(1, 3);
  if (m.coin()) s[stock_keys::kGrainKey] = m.in(1, 2);
  return s;
}

PlistDict MakeImageShift(Maker& m) {
  const bool inches = m.coin();
  const std::int32_t most = inches ? 900 : 2300;
  return PlistDict{{kImageShiftInchesKey, inches ? 1 : 0}, {kImageShiftX1Key, m.in(-most, most)},
                   {kImageShiftY1Key, m.in(-most, most)},  {kImageShiftX2Key, m.in(-most, most)},
                   {kImageShiftY2Key, m.in(-most, most)}};
}

PlistDict MakeFullColor(Maker& m) {
  using namespace full_color_keys;
  PlistDict f;
  if (m.coin()) f[kLightnessKey] = m.in(-100, 100);
  if (m.coin()) f[kContrastKey] = m.in(-100, 100);
  if (m.coin()) f[kSaturationKey] = m.in(-100, 100);
  if (m.coin()) f[kColorCastKey] = PlistDict{{kCyanRedKey, m.in(-100, 100)}, {kMagentaGreenKey, m.in(-100, 100)},
                                             {kYellowBlueKey, m.in(-100, 100)}};
  if (m.coin()) {
    f[kTrappingKey] = m.of({1, 2});
    f[kTrappingFastKey] = m.in(0, 1000);
    f[kTrappingSlowKey] = m.in(0, 1000);
  }
  if (m.coin()) f[kBlackOverprintKey] = m.of({1, 2});
  if (m.coin()) f[kTRCKey] = m.name(255);
  for (const char* key : {kRGBImagesKey, kRGBTextAndGraphicsKey})
    if (m.coin()) f[key] = m.coin() ? PlistValue(m.of({1, 2, 3, 4, 6})) : PlistValue(m.name(60));
  for (const char* key : {kCMYKImagesKey, kCMYKTextAndGraphicsKey})
    if (m.coin()) f[key] = m.coin() ? PlistValue(m.of({1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15})) : PlistValue(m.name(60));
  for (const char* key : {kGrayImagesKey, kGrayTextAndGraphicsKey})
    if (m.coin()) f[key] = m.name(60);
  if (m.coin()) f[kDestinationKey] = m.coin() ? PlistValue(1) : PlistValue(m.name(60));
  for (const char* key : {kImageRenderingKey, kTextRenderingKey, kGraphicRenderingKey})
    if (m.coin()) f[key] = m.in(1, 6);
  return f;
}

PlistDict MakeCover(Maker& m) {
  PlistDict c{{special_page_keys::kStockKey, MakeStock(m)}};
  if (m.often()) c[special_page_keys::kSidesImagedKey] = m.of({1, 2, 3, 4, 7});
  return c;
}

PlistArray MakeInserts(Maker& m) {
  PlistArray list;
  for (std::int32_t i = m.in(1, 3); i > 0; --i)
    list.emplace_back(PlistDict{{special_page_keys::kStartPageKey, m.in(0, 40)},
                                {special_page_keys::kQuantityKey, m.in(1, 5)},
                                {special_page_keys::kStockKey, MakeStock(m)}});
  return list;
}

PlistArray MakeExceptions(Maker& m) {
  namespace k = special_page_keys;
  PlistArray list;
  for (std::int32_t i = m.in(1, 3); i > 0; --i) {
    const std::int32_t start = m.in(1, 40);
    PlistDict e{{k::kStartPageKey, start}, {k::kEndPageKey, start + m.in(0, 9)}, {k::kStockKey, MakeStock(m)}};
    if (m.coin()) e[k::kSidesImagedKey] = m.in(1, 3);
    if (m.coin()) e[k::kLightenDarkenKey] = m.in(-5, 5);
    if (m.coin()) e[k::kHalftoneScreenKey] = m.coin() ? m.row(HalftoneScreenMap) : m.of({m.in(1, 47), 51});
    if (m.coin()) e[k::kAntialiasingKey] = m.in(1, 2);
    if (m.coin()) e[k::kOutputColorKey] = m.in(1, 2);
    if (m.coin()) e[kImageShiftOptionsPageKey] = MakeImageShift(m);
    if (m.coin()) e[k::kFullColorOptionsPageKey] = MakeFullColor(m);
    list.emplace_back(std::move(e));
  }
  return list;
}

void MakeFinishing(Maker& m, PlistDict& t) {
  const std::int32_t option = m.of({0, 1, 3, 4, 9, 25, 14, 18, 22, 24, 40, 30, 32, 33, 34, 35, 36, 49, 50, 51, 52, 58});
  if (option != 0) t[kFinishingOptionsKey] = option;
  switch (option) {
    case 4: t[kFinishingStaple1ValueKey] = m.of({5, 6, 7, 8}); break;
    case 9: t[kFinishingStaple2ValueKey] = m.of({10, 11, 12, 13}); break;
    case 25: t[kFinishingStapleCenterValueKey] = m.of({26, 27, 28, 29}); break;
    case 14: t[kFinishingBindValueKey] = m.of({15, 16}); break;
    case 22: t[kFinishingCustomKey] = m.name(100); break;
    case 24: case 40: t[kFinishingFoldValueKey] = m.of({41, 42, 43, 44, 45, 46, 47, 48, 53}); break;
    case 30: t[kFinishingHolePunchValueKey] = m.of({32, 33, 34, 35}); break;
    case 36: t[kFinishingZFoldValueKey] = m.of({38, 39}); break;
    case 49: case 50: case 51: case 52:
      t[kFinishingStaple1ValueKey] = m.of({5, 6, 7, 8});
      t[kFinishingHolePunchValueKey] = m.of({32, 33, 34, 35});
      t[kFinishingZFoldValueKey] = m.of({38, 39});
      break;
    case 58: t[kFinishingCoilPunchValueKey] = m.of({255, 257}); break;
    default: break;
  }
  if (m.coin()) t[kFinishingHolePunchOptionsKey] = m.of({3, 4, 5});
  if (m.coin()) {
    t[kFinishingSquareFoldValueKey] = m.of({-1, 62, 63, 64, 65, 66});
    t[kFinishingTrimLengthValueKey] = m.coin() ? -1 : m.in(0, 300);
  }
  if (m.coin()) t[kFinishingSlipSheetKey] = m.of({1, 2});
  if (m.coin()) {
    t[kFinishingOffsetKey] = m.in(2, 5);
    if (m.coin()) {
      t[kFinishingOffsetEnableSubsetKey] = 1;
      t[kFinishingOffsetPagesPerSubsetKey] = m.in(1, 9999);
    }
  }
}

void MakeJob(Maker& m, PlistDict& t) {
  if (m.coin()) {
    PlistDict j{{kJobTypeJobTypeKey, m.of({1, 2, 3, 4})}};
    if (m.coin()) j[kJobTypeSaveDispositionKey] = m.of({1, 2});
    if (m.coin()) j[kJobTypeMediaTypeKey] = m.coin() ? kPrinterDefault : m.in(1, 5);
    if (m.coin()) j[kJobTypeSavedJobNameKey] = m.name(255);
    j[kJobTypeUseJobNameKey] = false;
    if (m.coin()) j[kJobTypeSavedJobLocationKey] = m.coin() ? "file:///job-repository/" : "file:///vault/a&b/";
    t[kJobTypeKey] = std::move(j);
  }
  if (m.coin()) {
    using namespace background_forms_keys;
    PlistDict b{{kCyclePagesKey, m.in(0, 9999)}, {kInchesKey, m.in(0, 1)}, {kXOffsetKey, m.in(-3000, 3000)},
                {kYOffsetKey, m.in(-3000, 3000)}};
    if (m.coin()) {
      b[kUseExistingFormKey] = 2;
      b[kMergeWithStringKey] = m.name(255);
    }
    if (m.coin()) {
      b[kUseDocumentNameKey] = 0;
      b[kNewFormStringKey] = m.name(255);
    }
    t[kBackgroundFormsOptionsKey] = std::move(b);
    // Only a forms job sends its forms.
    if (m.often()) t[kJobTypeKey] = PlistDict{{kJobTypeJobTypeKey, kJobTypeBackgroundForm}};
  }
  for (const char* key : {kJobNotesMessageKey, kJobNotesSheetMessageKey, kJobNotesAdditionalInfoKey})
    if (m.coin()) t[key] = m.name(1023);
  if (m.coin()) t[kJobNotesRecipientKey] = m.name(255);
  if (m.coin()) {
    t[kAccountingOnKey] = 3;
    t[kAccountingUserIDKey] = m.name(79);
    t[kAccountingAccountIDKey] = m.name(79);
  }
  if (m.coin()) {
    t[kPagesToPrintSelectedKey] = 1;
    t[kPagesToPrintFromKey] = m.in(1, 500);
    t[kPagesToPrintToKey] = m.in(1, 500);
  }
}

// A highlight colour as the writer names it: a colour of the map, the user's own by its
// components (RGB or HSV), or the printer's own by number.
void MakeHighlightColor(Maker& m, PlistDict& h, const char* key, const std::string& components, const char* number) {
  const std::int32_t color = m.in(1, 15);
  h[key] = color;
  if (color == 13 && m.often()) {
    const bool rgb = m.coin();
    h[components + "RGB"] = rgb ? 1 : 0;
    for (const char* c : {"R", "G", "B", "H", "S", "V"}) h[components + c] = m.in(0, 255);
  }
  if (color == 15) h[number] = m.in(0, 99);
}

PlistDict MakeHighlight(Maker& m) {
  PlistDict h;
  if (m.coin()) MakeHighlightColor(m, h, "HiglightPrintingColor", "HighlightColorPrinting", "HighlightKorvoPrintingColor");
  if (m.coin()) MakeHighlightColor(m, h, "HighlightMappingColor", "HighlightColorMapping", "HighlightKorvoMappingColor");
  if (m.coin()) h["HighlightMismatchAction"] = m.in(1, 3);
  if (m.coin()) h["HighlightMappingAlgorithm"] = m.in(1, 5);
  return h;
}

void MakeImage(Maker& m, PlistDict& t) {
  if (m.coin()) t[kFinishingDuplexKey] = m.in(1, 3);
  if (m.coin()) t[kFinishingOutputDestinationKey] = m.of({1, 2, 3, 4, 5, 6, 8, 9, 12, 16, 17, 18, 20, 21, 22});
  if (m.coin()) t[kResolutionKey] = m.row(ResolutionMap);
  if (m.coin()) t[kOPISubsitutionKey] = m.in(1, 3);
  if (m.coin()) t[kOPIPrescanKey] = m.in(1, 4);
  if (m.coin()) t[kAntialiasingKey] = m.row(AntialiasingMap);
  if (m.coin()) t[kHalftoneScreenKey] = m.coin() ? m.row(HalftoneScreenMap) : m.of({m.in(1, 47), 51});
  if (m.coin()) t[kLightenDarkenKey] = m.in(-5, 5);
  if (m.coin()) t[kTonerSaverKey] = m.coin();
  if (m.coin()) t[kOutputOrderKey] = m.in(1, 5);
  if (m.coin()) t[kInkwellEmulationKey] = m.in(1, 3);
  if (m.coin()) t[kAdvancedRotateImage180Key] = m.in(1, 2);
  if (m.coin()) t[kFinishingOutputColorKey] = m.row(OutputColorMap);
  if (m.coin()) t[kImageShiftOptionsJobKey] = MakeImageShift(m);
  if (m.coin()) t[kFullColorOptionsKey] = MakeFullColor(m);
  if (m.coin()) t[kHighlightColorOptionsJobKey] = MakeHighlight(m);
}

}  // namespace

PlistDict GenerateTicket(const TicketChoice& choose) {
  Maker m(choose);
  PlistDict t{{kJTKTOptionsKey, PlistDict{{kJTKTOptionAllKey, true}}}};
  if (m.often()) t[kJobLevelStockKey] = MakeStock(m);
  if (m.coin()) t[kFrontCoverKey] = MakeCover(m);
  if (m.coin()) t[kBackCoverKey] = MakeCover(m);
  if (m.coin()) t[kInsertListKey] = MakeInserts(m);
  if (m.coin()) t[kExceptionListKey] = MakeExceptions(m);
  if (m.coin()) {
    t[kNoOfPadsKey] = 1;
    t[kPadBackCoverKey] = m.coin() ? "No Back Cover" : "Blank Back Cover";
    if (m.coin()) t[kPagesPerPadsKey] = m.in(1, 9999);
    t[kPadLevelStockKey] = MakeStock(m);
  }
  MakeFinishing(m, t);
  MakeJob(m, t);
  MakeImage(m, t);
  return t;
}

}  // namespace jtkt_test
