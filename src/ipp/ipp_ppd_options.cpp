// From PPD options to IPP attributes: through a print-settings ticket for the paper and the
// finishings, so that the job-ticket writer's records decide what they mean, as for the panels'
// own settings; straight to the attribute for the settings the ticket families do not send.
#include "ipp/ipp_ppd_options.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include "ipp/ipp_job_template.h"
#include "jobticket/writer/jtkt_writer.h"
#include "model/job_level_stock.h"
#include "model/paper_output_codes.h"
#include "model/paper_output_keys.h"
#include "model/stock.h"
#include "vocabulary/keyword_maps.h"
#include "vocabulary/setting_map.h"

namespace {

// The choices that leave a setting to the printer, in every map that has them.
constexpr std::int32_t kChoiceNone = 1;
constexpr std::int32_t kSlotAuto = 0;
constexpr std::int32_t kSlotBypass = 100;
constexpr std::int32_t kBinAuto = 1;
// The hole-count codes of the punch map (2, 3, 4 holes) and its "punch, printer's count".
constexpr std::int32_t kPunchAnyHoles = 2;

// Output bins of OutputBinMap's values that IPP has a keyword for.
constexpr std::pair<std::int32_t, const char*> kOutputBins[] = {
    {2, "top"},        {3, "side"},       {4, "stacker"}, {5, "top"},     {6, "bottom"}, {11, "middle"},
    {16, "stacker-1"}, {17, "stacker-2"}, {18, "top"},    {28, "center"}, {29, "bottom"}};
constexpr const char* kSides[] = {"one-sided", "two-sided-long-edge", "two-sided-short-edge"};  // PPDDuplexMap 1 to 3

// What the options say, as the ticket values the panels keep.
struct Chosen {
  std::optional<std::int32_t> size, type, color, weight, slot, staple, punch, fold, duplex, bin, colorMode;
};

std::optional<std::int32_t> WeightFor(std::string_view choice) {
  for (const SettingMap* row = WeightMap; row->labelKey != nullptr; ++row)
    if (row->value != kPrinterDefault && row->value > 1 && choice == row->labelKey) return row->value;
  return std::nullopt;
}

void Warn(std::vector<std::string>* warnings, const PPDOption& option, const char* why) {
  if (warnings != nullptr)
    warnings->push_back("WARNING: the printer option " + option.first + "=" + option.second + " " + why +
                        "; it is not sent");
}

Chosen Read(const std::vector<PPDOption>& options, std::vector<std::string>* warnings) {
  Chosen c;
  for (const PPDOption& option : options) {
    const auto& [name, choice] = option;
    std::optional<std::int32_t>* slot = name == "PageSize"         ? &c.size
                                        : name == "MediaType"      ? &c.type
                                        : name == "MediaColor"     ? &c.color
                                        : name == "InputSlot"      ? &c.slot
                                        : name == "StapleLocation" ? &c.staple
                                        : name == "KVPunch"        ? &c.punch
                                        : name == "KVFold"         ? &c.fold
                                        : name == "Duplex"         ? &c.duplex
                                        : name == "OutputBin"      ? &c.bin
                                        : name == "KVColorMode"    ? &c.colorMode
                                                                   : nullptr;
    if (name == "MediaWeight") {
      c.weight = WeightFor(choice);
      if (!c.weight) Warn(warnings, option, "is no paper weight of the weight menu");
      continue;
    }
    if (slot == nullptr) continue;
    *slot = KeywordMapValueForKeyword(KeywordMapForMainKeyword(name), choice);
    if (!*slot) Warn(warnings, option, "is no choice of the printer description");
  }
  return c;
}

// The job's stock of the paper options. An option whose stock alone has no media-col member (a
// paper size or type IPP has no word for) is named in a warning.
void PutStock(const Chosen& c, const std::vector<PPDOption>& options, platform::PlistDict& ticket,
              std::vector<std::string>* warnings) {
  const std::pair<const char*, std::optional<std::int32_t> Chosen::*> fields[] = {{"PageSize", &Chosen::size},
                                                                                  {"MediaType", &Chosen::type},
                                                                                  {"MediaColor", &Chosen::color},
                                                                                  {"MediaWeight", &Chosen::weight}};
  const auto stockOf = [](const Chosen& chosen) {
    Stock stock;
    if (chosen.size) stock.setSize(*chosen.size);
    if (chosen.type) stock.setType(*chosen.type);
    if (chosen.color) stock.setColor(*chosen.color);
    if (chosen.weight) stock.setWeight(*chosen.weight);
    return stock;
  };
  bool any = false;
  for (const auto& [name, field] : fields) {
    if (!(c.*field)) continue;
    any = true;
    Chosen alone;
    alone.*field = c.*field;
    _MEDIADATA media;
    FillMediaData(&media, stockOf(alone));
    if (!NewIppMediaCol(media))
      for (const PPDOption& option : options)
        if (option.first == name) Warn(warnings, option, "has no IPP media attribute");
  }
  if (any) ticket.insert_or_assign(kJobLevelStockKey, stockOf(c).asTicket());
}

// The finishing entries the Paper/Output panel stores for a staple, a punch and a fold; a fold
// goes with a staple or a punch only as the Z fold of a half sheet, as the finishing menu has it.
void PutFinishing(const Chosen& c, const std::vector<PPDOption>& options, platform::PlistDict& ticket,
                  std::vector<std::string>* warnings) {
  const std::int32_t staple = c.staple.value_or(kChoiceNone);
  const std::int32_t punch = c.punch.value_or(kChoiceNone);
  std::int32_t fold = c.fold.value_or(kChoiceNone);
  const bool stapled = staple == kOneStapleFirst || staple == kTwoStaplesFirst;
  const bool punched = punch != kChoiceNone;
  if (c.staple && staple != kChoiceNone && !stapled)
    for (const PPDOption& option : options)
      if (option.first == "StapleLocation") Warn(warnings, option, "has no IPP finishing");
  if (fold != kChoiceNone && fold != kFoldZHalfSheet && (stapled || punched)) {
    for (const PPDOption& option : options)
      if (option.first == "KVFold") Warn(warnings, option, "cannot go with a staple or a punch");
    fold = kChoiceNone;
  }
  const auto put = [&](const char* key, std::int32_t value) { ticket.insert_or_assign(key, value); };
  if (stapled) put(staple == kOneStapleFirst ? kFinishingStaple1ValueKey : kFinishingStaple2ValueKey, staple);
  if (punched) {
    put(kFinishingHolePunchValueKey, kHolePunchFirst);
    if (punch != kPunchAnyHoles) put(kFinishingHolePunchOptionsKey, punch);
  }
  if (fold == kFoldZHalfSheet)
    put(kFinishingZFoldValueKey, kZFoldLeftBind);
  else if (fold != kChoiceNone)
    put(kFinishingFoldValueKey, fold);
  const bool booklet = fold == kFoldBiFoldMultipleInside || fold == kFoldBookletFoldStaple;
  std::int32_t code = kFinishingPrinterDefault;
  if (fold == kFoldZHalfSheet)
    code = stapled && punched ? kFinishingStaplePunchZFold
           : stapled          ? kFinishingStapleZFold
           : punched          ? kFinishingPunchZFold
                              : kFinishingZFoldHalfSheet;
  else if (fold != kChoiceNone)
    code = booklet ? kFinishingBooklet : kFinishingFold;
  else if (stapled && punched)
    code = kFinishingStaplePunch;
  else if (stapled)
    code = staple == kOneStapleFirst ? kFinishingOneStaple : kFinishingTwoStaples;
  else if (punched)
    code = kFinishingHolePunch;
  if (code != kFinishingPrinterDefault) put(kFinishingOptionsKey, code);
}

void AddKeyword(ipp_t* job, const char* name, const char* value) {
  ippAddString(job, IPP_TAG_JOB, IPP_TAG_KEYWORD, name, nullptr, value);
}

// The tray, a member of the job's media-col (made for it when the paper says nothing else).
void AddMediaSource(ipp_t* job, std::int32_t slot) {
  if (slot == kSlotAuto) return;
  const std::string source = slot == kSlotBypass ? "by-pass-tray" : "tray-" + std::to_string(slot);
  ipp_attribute_t* mediaCol = ippFindAttribute(job, "media-col", IPP_TAG_BEGIN_COLLECTION);
  if (mediaCol != nullptr) {
    ippAddString(ippGetCollection(mediaCol, 0), IPP_TAG_ZERO, IPP_TAG_KEYWORD, "media-source", nullptr, source.c_str());
    return;
  }
  const platform::IppMessagePtr col(ippNew());
  ippAddString(col.get(), IPP_TAG_ZERO, IPP_TAG_KEYWORD, "media-source", nullptr, source.c_str());
  ippAddCollection(job, IPP_TAG_JOB, "media-col", col.get());
}

}  // namespace

platform::IppMessagePtr NewIppFromPPDOptions(const std::vector<PPDOption>& options,
                                             std::vector<std::string>* warnings) {
  const Chosen c = Read(options, warnings);
  platform::PlistDict ticket;
  PutStock(c, options, ticket, warnings);
  PutFinishing(c, options, ticket, warnings);
  platform::IppMessagePtr job(ippNew());
  AddIppJobMedia(job.get(), &ticket);
  AddIppFinishings(job.get(), &ticket);
  if (c.slot) AddMediaSource(job.get(), *c.slot);
  if (c.duplex && *c.duplex >= 1 && *c.duplex <= 3) AddKeyword(job.get(), "sides", kSides[*c.duplex - 1]);
  if (c.bin && *c.bin != kBinAuto) {
    const char* keyword = nullptr;
    for (const auto& [value, word] : kOutputBins)
      if (value == *c.bin) keyword = word;
    if (keyword != nullptr)
      AddKeyword(job.get(), "output-bin", keyword);
    else
      for (const PPDOption& option : options)
        if (option.first == "OutputBin") Warn(warnings, option, "is no output bin IPP names");
  }
  if (c.colorMode) AddKeyword(job.get(), "print-color-mode", *c.colorMode == 1 ? "monochrome" : "color");
  return job;
}

void IppAddMissingAttributes(ipp_t* job, ipp_t* extra) {
  if (job == nullptr || extra == nullptr) return;
  for (ipp_attribute_t* a = ippFirstAttribute(extra); a != nullptr; a = ippNextAttribute(extra)) {
    const char* name = ippGetName(a);
    if (name != nullptr && ippGetGroupTag(a) == IPP_TAG_JOB && ippFindAttribute(job, name, IPP_TAG_ZERO) == nullptr)
      ippCopyAttribute(job, a, 0);
  }
}
