// The device picture of the About box: which finisher the printer's installable options say is
// fitted.
#include <string_view>

#include "vocabulary/device_profile.h"
#include "vocabulary/installable_options.h"

namespace {

// Every picture's name starts with the printer model's name.
constexpr std::string_view kDeviceModelPrefix = "Korvo Prexan";

struct FinisherPicture {
  std::string_view choice;
  std::string_view suffix;
};
constexpr FinisherPicture kFinisherPictures[] = {
    {"HCS", " HCS.gif"},          {"CSS", " HCSS.gif"}, {"HCSHCS", " HCS+HCS.gif"}, {"HCSCSS", " HCS+HCSS.gif"},
    {"HCSDFA", " HCS+DFA.gif"},   {"DFA", " DFA.gif"},  {"StdFinisher", " Standard.gif"}};

}  // namespace

std::optional<std::string> CopyDeviceMimicFilename() {
  std::string choice;
  if (!getInstallableOptionValue("Option1", choice)) return std::nullopt;
  for (const FinisherPicture& picture : kFinisherPictures)
    if (picture.choice == choice) return std::string(kDeviceModelPrefix) + std::string(picture.suffix);
  return std::nullopt;
}
