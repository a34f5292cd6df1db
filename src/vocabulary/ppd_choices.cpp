// Reading one option of a printer description: its encoding, default and choice texts.
#include <string_view>

#include "vocabulary/ppd_adapter.h"
#include "vocabulary/ppd_bridge.h"
#include "vocabulary/ppd_text.h"

namespace {

struct EncodingName {
  std::string_view name;
  PPDEncoding encoding;
};

constexpr EncodingName kEncodingNames[] = {
    {"ISOLatin1", PPDEncoding::ISOLatin1}, {"ISOLatin2", PPDEncoding::ISOLatin2},
    {"ISOLatin5", PPDEncoding::ISOLatin5}, {"JIS83-RKSJ", PPDEncoding::ShiftJIS},
    {"UTF-8", PPDEncoding::UTF8},          {"UTF8", PPDEncoding::UTF8},
};

}  // namespace

PPDEncoding PPDGetEncoding(const PPDFile* ppd) {
  if (ppd == nullptr) return PPDEncoding::MacRoman;
  const std::optional<std::string> declared = ppd_adapter::LanguageEncoding(*ppd);
  if (!declared) return PPDEncoding::MacRoman;
  for (const EncodingName& entry : kEncodingNames) {
    if (*declared == entry.name) return entry.encoding;
  }
  return PPDEncoding::MacRoman;
}

std::optional<std::string> PPDCopyManufacturer(const PPDFile* ppd) {
  if (ppd == nullptr) return std::nullopt;
  const std::optional<std::string> manufacturer = ppd_adapter::Manufacturer(*ppd);
  if (!manufacturer) return std::nullopt;
  return PPDTextToUTF8(*manufacturer, ppd_adapter::LanguageEncoding(*ppd));
}

std::optional<std::string> PPDCopyChoiceText(const PPDFile* ppd, std::string_view mainKeyword,
                                             std::string_view choice) {
  if (ppd == nullptr || mainKeyword.empty() || choice.empty()) return std::nullopt;
  const std::optional<ppd_adapter::Option> option = ppd_adapter::FindOption(*ppd, mainKeyword);
  if (!option) return std::nullopt;
  for (const ppd_adapter::Choice& candidate : option->choices) {
    if (candidate.keyword == choice) return PPDTextToUTF8(candidate.text, ppd_adapter::LanguageEncoding(*ppd));
  }
  return std::nullopt;
}

std::optional<std::string> PPDCopyDefaultChoice(const PPDFile* ppd, std::string_view mainKeyword) {
  if (ppd == nullptr || mainKeyword.empty()) return std::nullopt;
  const std::optional<ppd_adapter::Option> option = ppd_adapter::FindOption(*ppd, mainKeyword);
  if (!option || option->defaultChoice.empty()) return std::nullopt;
  return option->defaultChoice;
}
