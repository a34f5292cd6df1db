// The choices a menu offers for one option of the printer description. The menu functions of the
// panels are thin wrappers over this list: one item per entry, its reference value the entry's
// ticket integer, so that an item maps to its value whatever its position.
#include <cstdio>
#include <strings.h>

#include "vocabulary/keyword_maps.h"
#include "vocabulary/ppd_adapter.h"
#include "vocabulary/ppd_bridge.h"
#include "vocabulary/ppd_text.h"

namespace {

constexpr std::size_t kUnrecognizedChoicesNamed = 5;

bool EqualIgnoringCase(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

// "None" and "False" are the choices that switch an option off; a constraint naming an option
// without a choice leaves them allowed.
bool IsOffChoice(const std::string& choice) { return choice == "None" || choice == "False"; }

// The constraints that restrict option: those whose first option is option and whose second
// option's marked choice is the constraint's second choice, or, when the constraint names none,
// any marked choice that is not an off choice.
std::vector<ppd_adapter::Constraint> ActiveConstraints(const PPDFile& ppd, const std::string& option) {
  std::vector<ppd_adapter::Constraint> active;
  for (ppd_adapter::Constraint& constraint : ppd_adapter::Constraints(ppd)) {
    if (constraint.option1 != option) continue;
    const std::optional<std::string> marked = ppd_adapter::MarkedChoice(ppd, constraint.option2);
    if (!marked) continue;
    const bool applies = constraint.choice2.empty() ? !IsOffChoice(*marked)
                                                    : EqualIgnoringCase(*marked, constraint.choice2);
    if (applies) active.push_back(std::move(constraint));
  }
  return active;
}

bool RuledOut(const std::vector<ppd_adapter::Constraint>& constraints, const std::string& choice) {
  for (const ppd_adapter::Constraint& constraint : constraints) {
    if (constraint.choice1.empty() ? !IsOffChoice(choice) : EqualIgnoringCase(choice, constraint.choice1)) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<PPDOfferedChoice> PPDCopyOfferedChoices(PPDFile* ppd, std::string_view mainKeyword,
                                                    bool honourConstraints) {
  std::vector<PPDOfferedChoice> offered;
  if (ppd == nullptr || mainKeyword.empty()) return offered;
  if (honourConstraints) ppd_adapter::MarkDefaults(*ppd);
  const std::optional<ppd_adapter::Option> option = ppd_adapter::FindOption(*ppd, mainKeyword);
  if (!option) return offered;

  std::vector<ppd_adapter::Constraint> constraints;
  if (honourConstraints) constraints = ActiveConstraints(*ppd, option->keyword);
  const KeywordMapRow* map = KeywordMapForMainKeyword(mainKeyword);
  const std::optional<std::string> encoding = ppd_adapter::LanguageEncoding(*ppd);

  std::size_t unrecognized = 0;
  for (const ppd_adapter::Choice& choice : option->choices) {
    if (honourConstraints && RuledOut(constraints, choice.keyword)) continue;
    // Only a choice that no row lists is unrecognised; -1 is the value of a listed one.
    const std::optional<std::int32_t> value = KeywordMapValueForKeyword(map, choice.keyword);
    if (!value) {
      // A few lines name the choices; a description full of them must not flood the log.
      if (++unrecognized <= kUnrecognizedChoicesNamed)
        std::fprintf(stderr, "Skipped unrecognized choice in PPD: %s\n", choice.keyword.c_str());
      continue;
    }
    offered.push_back({choice.keyword, PPDTextToUTF8(choice.text, encoding), *value});
  }
  if (unrecognized > kUnrecognizedChoicesNamed)
    std::fprintf(stderr, "Skipped %zu more unrecognized choices of %s in PPD\n", unrecognized - kUnrecognizedChoicesNamed,
                 option->keyword.c_str());
  return offered;
}
