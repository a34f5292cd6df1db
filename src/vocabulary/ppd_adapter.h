#pragma once
// The only door to libcups' PPD interface. libcups marks that interface deprecated, but it is the
// one Debian ships and the printer descriptions of our queues need it; keeping every call behind
// these plain functions confines the deprecation (and the C record layout) to one source file.
// Strings come back as libcups gives them: already converted to UTF-8 when the file names its
// LanguageEncoding, as ISO 8859-1 read into UTF-8 when it names none.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vocabulary/ppd_file.h"

namespace ppd_adapter {

struct Choice {
  std::string keyword;
  std::string text;
  bool marked = false;
};

struct Option {
  std::string keyword;
  std::string defaultChoice;
  std::vector<Choice> choices;  // in the file's order
};

struct Group {
  std::string name;
  std::vector<Option> options;
};

// A UIConstraints pair; an empty choice stands for any choice of its option.
struct Constraint {
  std::string option1, choice1, option2, choice2;
};

// Custom page-size limits in PostScript points.
struct CustomSizeLimits {
  float minWidth = 0, minLength = 0, maxWidth = 0, maxLength = 0;
};

// Resets every option's mark to its default choice (ppdMarkDefaults).
void MarkDefaults(PPDFile& ppd);
std::optional<Option> FindOption(const PPDFile& ppd, std::string_view keyword);
// The keyword of the option's marked choice; none when the option is unknown or nothing is marked.
std::optional<std::string> MarkedChoice(const PPDFile& ppd, std::string_view optionKeyword);
// The top-level groups, in the file's order.
std::vector<Group> Groups(const PPDFile& ppd);
// The first top-level group of that name, or none; copies that group only.
std::optional<Group> FindGroup(const PPDFile& ppd, std::string_view name);
std::vector<Constraint> Constraints(const PPDFile& ppd);
CustomSizeLimits CustomLimits(const PPDFile& ppd);
std::optional<std::string> Manufacturer(const PPDFile& ppd);
// The LanguageEncoding the file declares. libcups rewrites its own field to "UTF-8" once it has
// converted the strings, so the declared name is read from the file's attribute instead.
std::optional<std::string> LanguageEncoding(const PPDFile& ppd);

// Whether this libcups decodes a file declaring "ISOLatin5" as ISO 8859-5 (Cyrillic) instead of
// ISO 8859-9 (Turkish). Found out once, by reading a two-line description from memory.
bool ReadsISOLatin5AsCyrillic();

}  // namespace ppd_adapter
