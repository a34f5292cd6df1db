#pragma once
// The plain-text summary of a set of job-ticket settings (the import dictionary, or the settings
// an export writes): one line per setting, labels from the plug-in's localisation table. Every
// line is built by joining texts; nothing from the settings is ever used as a format.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/plist/plist_value.h"

enum JTKTImportExportMode : std::int32_t { kJTKTImportMode = 0, kJTKTExportMode = 1 };

using JTKTSummaryLines = std::vector<std::string>;

// Appends every section: job notes, job setup, output and image adjustment, then one blank line
// each for special pages, highlight colour, colour and image quality.
void buildSummaryText(const platform::PlistDict* settings, JTKTSummaryLines* lines);
// The lines of buildSummaryText joined with "\n".
std::string JTKTSummaryText(const platform::PlistDict& settings);

// The position lines of a staple value and of a hole-punch value; nothing for other values.
void addStaple(std::int32_t stapleValue, JTKTSummaryLines* lines);
void addHolePunch(std::int32_t holePunchValue, JTKTSummaryLines* lines);
// The output-location line.
void addOutputLocation(const platform::PlistDict* settings, JTKTSummaryLines* lines);
void addOutput(const platform::PlistDict* settings, JTKTSummaryLines* lines);

// The summary's line forms.
namespace jtkt_summary {
std::string Localized(const char* key);
// "\t\t" label ":" value.
void LabelValue(JTKTSummaryLines* lines, const char* labelKey, const std::string& value);
// "\t\t" label ":" (a sub-heading).
void SubHeading(JTKTSummaryLines* lines, const char* labelKey);
// "\t\t\t" single label.
void Single(JTKTSummaryLines* lines, const char* labelKey);
// The key's value when it holds a 32-bit integer.
std::optional<std::int32_t> Integer(const platform::PlistDict* settings, const char* key);
inline constexpr const char* kBlankLine = " ";
}  // namespace jtkt_summary
