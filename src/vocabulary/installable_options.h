#pragma once
// The printer's installable options (the "InstallableOptions" group of its description) and,
// from an installed-feature table, the finishing features and trays its hardware offers.
// Loaded once per dialog by the shell for the maker's printers and unloaded at its end; the
// loaded state is process-wide.
#include <cstdint>
#include <span>
#include <optional>
#include <string>
#include <string_view>

#include "platform/bundle/bundle.h"
#include "vocabulary/installed_features.h"
#include "vocabulary/ppd_file.h"

// Reads every installable option's default (marked) choice and remembers featureMap. Returns
// true when at least one option was stored; false, changing nothing, when options are already
// loaded or an argument is missing; false, keeping the empty set, when the description has no
// "InstallableOptions" group.
bool LoadInstallableOptions(PPDFile* ppd, const _InstalledFeatureMap* featureMap);
// Forgets the options and the feature table.
void UnloadInstallableOptions();

// Sets choice to the loaded choice of an installable option; false when not loaded or absent.
bool getInstallableOptionValue(std::string_view optionKeyword, std::string& choice);

// True when some row of the feature table for featureName needs no option, or needs the choice
// that its option has loaded; false otherwise, also for names the table does not hold.
bool getInstalledFeature(std::string_view featureName);

// A finishing feature the printer can do: a row of the feature table as above, or an installable
// option by the feature's name whose choice is not "off" ("False", "None", "NotInstalled").
bool FinishingFeatureInstalled(std::string_view name);
bool AnyFinishingFeatureInstalled(std::span<const std::string_view> names);

// Sets value to the ticket value of the first row, in table order, for featureName whose
// condition holds; false when none does.
bool getInstallableOptionTicketValue(std::string_view featureName, std::int32_t& value);

// The label of the first row for featureName whose condition holds and that has a label key,
// localised from bundle's default string table ("STRING NOT FOUND" when the table lacks the
// key); none when no row qualifies or bundle is null.
std::optional<std::string> CopyLocalizedStringForInstalledFeatureFromPlugin(std::string_view featureName,
                                                                            const platform::Bundle* bundle);
