#pragma once
// Input limiting of text fields: a maximum length, a minimum length and a set of allowed
// characters, checked as the user types, with lengths counted in UTF-16 units as the dialogs give
// them. A limited field tells its window how long its text is after every change, with one of the
// "KPDE" notifications "ICno" (empty), "ICfw" (shorter than the minimum) or "ICso" (long enough),
// so that a dialog can enable its OK button only when the entry is complete.
#include <memory>
#include <set>
#include <string_view>

#include "platform/four_char_code.h"
#include "platform/status.h"
#include "platform/ui/control.h"

// A set of characters, by Unicode code point.
class CharacterSet {
 public:
  CharacterSet() = default;
  // The characters of text (UTF-8).
  static CharacterSet FromCharacters(std::string_view utf8);
  static CharacterSet DecimalDigits();
  // Every character except those of text (UTF-8): a field that takes anything but a separator.
  static CharacterSet AllExcept(std::string_view utf8);

  // Adds characters (to those left out, for a set made by AllExcept).
  void addCharacters(std::string_view utf8);
  bool contains(char32_t character) const { return (characters_.count(character) != 0) != excluding_; }
  // True when every character of text (UTF-8) lies in the set; a byte that starts no well-formed
  // sequence lies in no set.
  bool containsAll(std::string_view utf8) const;
  bool empty() const { return characters_.empty() && !excluding_; }

 private:
  std::set<char32_t> characters_;
  bool excluding_ = false;  // characters_ lists what the set leaves out
};

// True when every character of typed text is a control character (an arrow key, delete, return
// and the like): such text moves or edits, it enters no characters. Empty text counts as such.
bool IsControlText(std::string_view utf8);

// Where a field keeps its limits: a control property of this creator and tag.
inline constexpr platform::OSType kInputLimitsCreator = platform::FourCharCode("KPDE");
inline constexpr platform::OSType kInputLimitsTag = platform::FourCharCode("ilim");

// Limits what the user can type into field (an edit field or combo box). A length below 1 sets no
// limit of that kind; a null set allows any character. The field keeps the set (shared with the
// caller) until it is disposed or limited again; limiting again replaces every earlier limit, so
// a call without a set lifts an earlier one. A field without a minimum counts as having the
// minimum 1 for its notifications. A choice from a combo box's list counts as long enough. In a
// multi-line text view a typed line break counts against the maximum like any character.
// paramErr for a null field.
platform::OSStatus LimitInputLengthAndCharacters(platform::ui::Control* field, int minimumLength, int maximumLength,
                                                 std::shared_ptr<const CharacterSet> allowedCharacters);
