#pragma once
// The installed-feature table: which finishing features and output trays the printer's installed
// hardware offers, decided by the choice of one installable option of its printer description.
// A table ends with a row whose feature name is null.
#include <cstddef>
#include <cstdint>

struct _InstalledFeatureMap {
  const char* featureName;
  const char* optionKeyword;   // null: the feature is always installed
  const char* requiredChoice;  // the option's choice under which the feature is installed
  const char* labelKey;        // key of the feature's label in the string table, or null
  std::int32_t ticketValue;    // what the ticket holds when the feature is chosen
};

extern const _InstalledFeatureMap InstalledFeatures[];
