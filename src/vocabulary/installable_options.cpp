// The installable options of the current printer and the features they make available. Loaded by
// the shell when a dialog for the maker's printer starts, unloaded when it ends; process-wide and
// unguarded, as everything here runs on the dialog's thread.
#include "vocabulary/installable_options.h"

#include <map>

#include "vocabulary/ppd_adapter.h"

namespace {

constexpr const char* kInstallableOptionsGroup = "InstallableOptions";

// Option keyword to the keyword of its marked choice; none until loaded.
std::optional<std::map<std::string, std::string, std::less<>>> installableOptionsDict;
const _InstalledFeatureMap* featureMap = nullptr;

bool RowHolds(const _InstalledFeatureMap& row) {
  if (row.optionKeyword == nullptr) return true;
  if (!installableOptionsDict || row.requiredChoice == nullptr) return false;
  auto it = installableOptionsDict->find(std::string_view(row.optionKeyword));
  return it != installableOptionsDict->end() && it->second == row.requiredChoice;
}

bool AnyRow(const _InstalledFeatureMap&) { return true; }
bool LabelledRow(const _InstalledFeatureMap& row) { return row.labelKey != nullptr; }

// The first row, in table order, for featureName whose condition holds and that passes accept.
const _InstalledFeatureMap* FirstHoldingRow(std::string_view featureName,
                                            bool (*accept)(const _InstalledFeatureMap&)) {
  if (featureMap == nullptr) return nullptr;
  for (const _InstalledFeatureMap* row = featureMap; row->featureName != nullptr; ++row) {
    if (featureName == row->featureName && RowHolds(*row) && accept(*row)) return row;
  }
  return nullptr;
}

}  // namespace

bool LoadInstallableOptions(PPDFile* ppd, const _InstalledFeatureMap* features) {
  if (installableOptionsDict || featureMap != nullptr) return false;
  if (ppd == nullptr || features == nullptr) return false;
  featureMap = features;
  ppd_adapter::MarkDefaults(*ppd);
  installableOptionsDict.emplace();
  if (std::optional<ppd_adapter::Group> group = ppd_adapter::FindGroup(*ppd, kInstallableOptionsGroup)) {
    for (const ppd_adapter::Option& option : group->options) {
      for (const ppd_adapter::Choice& choice : option.choices) {
        if (!choice.marked) continue;
        installableOptionsDict->insert_or_assign(option.keyword, choice.keyword);
        break;
      }
    }
  }
  return !installableOptionsDict->empty();
}

void UnloadInstallableOptions() {
  installableOptionsDict.reset();
  featureMap = nullptr;
}

bool getInstallableOptionValue(std::string_view optionKeyword, std::string& choice) {
  if (!installableOptionsDict) return false;
  auto it = installableOptionsDict->find(optionKeyword);
  if (it == installableOptionsDict->end()) return false;
  choice = it->second;
  return true;
}

bool getInstalledFeature(std::string_view featureName) {
  return FirstHoldingRow(featureName, AnyRow) != nullptr;
}

bool getInstallableOptionTicketValue(std::string_view featureName, std::int32_t& value) {
  const _InstalledFeatureMap* row = FirstHoldingRow(featureName, AnyRow);
  if (row == nullptr) return false;
  value = row->ticketValue;
  return true;
}

std::optional<std::string> CopyLocalizedStringForInstalledFeatureFromPlugin(std::string_view featureName,
                                                                            const platform::Bundle* bundle) {
  if (bundle == nullptr) return std::nullopt;
  const _InstalledFeatureMap* row = FirstHoldingRow(featureName, LabelledRow);
  if (row == nullptr) return std::nullopt;
  return bundle->localizedString(row->labelKey, platform::kStringNotFound, platform::kDefaultStringTable);
}

namespace {

// Choices of a printer-description option that say the hardware is not there.
bool MeansNotInstalled(std::string_view choice) {
  return choice == "False" || choice == "None" || choice == "NotInstalled";
}

}  // namespace

bool FinishingFeatureInstalled(std::string_view name) {
  if (getInstalledFeature(name)) return true;
  std::string choice;
  return getInstallableOptionValue(name, choice) && !MeansNotInstalled(choice);
}

bool AnyFinishingFeatureInstalled(std::span<const std::string_view> names) {
  for (std::string_view name : names)
    if (FinishingFeatureInstalled(name)) return true;
  return false;
}
