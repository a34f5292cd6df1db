#include "platform/locale/measurement_system.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <memory>
#include <type_traits>
#include <string_view>

namespace platform {

namespace {

using LocalePtr = std::unique_ptr<std::remove_pointer_t<locale_t>, decltype(&freelocale)>;

const char* LocaleName() {
  for (const char* variable : {"LC_ALL", "LC_MEASUREMENT", "LANG"})
    if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') return value;
  return "C";
}

// "en_US.UTF-8" -> "US"; empty when the name has no territory.
std::string_view Territory(std::string_view name) {
  const std::size_t underscore = name.find('_');
  if (underscore == std::string_view::npos) return {};
  name.remove_prefix(underscore + 1);
  return name.substr(0, name.find_first_of(".@"));
}

}  // namespace

MeasurementSystem UserMeasurementSystem() {
  const char* name = LocaleName();
  const LocalePtr locale(newlocale(LC_MEASUREMENT_MASK, name, static_cast<locale_t>(0)), freelocale);
  if (locale) {
    // glibc: the first byte is 1 for metric, 2 for U.S.
    const char* measurement = nl_langinfo_l(_NL_MEASUREMENT_MEASUREMENT, locale.get());
    return measurement != nullptr && measurement[0] == 2 ? MeasurementSystem::kUS : MeasurementSystem::kMetric;
  }
  const std::string_view territory = Territory(name);
  return territory == "US" || territory == "LR" || territory == "MM" ? MeasurementSystem::kUS
                                                                     : MeasurementSystem::kMetric;
}

}  // namespace platform
