#pragma once
// The combo box with input history: an editable field whose list offers fixed special entries
// from a setting map (use the document's name, use the login name ...) and then the values the
// user typed in earlier jobs, kept per field in the input-history file.
#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "kit/input_limiting.h"
#include "platform/bundle/bundle.h"
#include "platform/four_char_code.h"
#include "platform/status.h"
#include "platform/ui/control.h"
#include "vocabulary/job_context.h"
#include "vocabulary/setting_map.h"

enum class KComboKind : std::int32_t { kNumeric = 1, kText = 2 };

struct KComboOptions {
  KComboKind kind = KComboKind::kText;
  const platform::Bundle* bundle = nullptr;  // where the special entries' labels are looked up
  const SettingMap* map = nullptr;           // the special entries; may be null
  // Whose setting the field is: outside the job a printer-default entry reads "UseJobSetting".
  JobContext context = kJobContextJob;
  std::string historyKey;                    // the field's list in the history file; empty for none
  int maximumHistoryCount = 0;               // entries offered and kept; below 1 keeps none
  int minimumLength = 0;                     // below 1: no limit of that kind
  int maximumLength = 0;
  // Text kind: the characters the field takes, as the characters of a string or as a set; none
  // for any.
  std::variant<std::monostate, std::string, std::shared_ptr<const CharacterSet>> allowedCharacters;
  std::int32_t minimumValue = 0;  // numeric kind
  std::int32_t maximumValue = 0;
};

// A special entry's value, a number (numeric kind) or a text (text kind).
using KComboValue = std::variant<std::int32_t, std::string>;

// The combo box keeps its state in a control property of this creator and tag.
inline constexpr platform::OSType kKComboCreator = platform::FourCharCode("KCMB");
inline constexpr platform::OSType kKComboStateTag = platform::FourCharCode("ctxt");

// KComboBoxCopyValue: the field is empty, or (numeric kind) its text is no number.
inline constexpr platform::OSStatus kKComboEmptyErr = 1000;
inline constexpr platform::OSStatus kKComboNotANumberErr = 1001;

// Appends to the combo box's list the special entries (each row's label localised, reporting the
// row's value) and then the valid entries of its history, most recent first, at most the maximum
// count; limits its input (numeric: decimal digits only, as many as the maximum value has, or 9;
// text: the allowed characters and the lengths). A history entry is valid when a text lies
// within the lengths and the allowed characters and a number within the values. A history file
// that cannot be read gives no entries, is named in one "ERROR:" line and is never written over.
// paramErr for a null control.
platform::OSStatus KComboBoxInitializeWithMapAndHistory(platform::ui::Control* control, const KComboOptions& options);

// The value the field shows: a special entry's value when its text is that entry's label; else
// the text (text kind) or its number (numeric kind), a number outside the values being brought
// to the nearer bound, shown so in the field, first. kKComboEmptyErr for an empty field,
// kKComboNotANumberErr for numeric text that is no number; paramErr without control, value or
// state.
platform::OSStatus KComboBoxCopyValue(platform::ui::Control* control, KComboValue* value);

// Shows a value: a text as it is, a number as its special entry's label when it has one, else
// written in the user's locale. paramErr for a null control or value.
platform::OSStatus KComboBoxSetValue(platform::ui::Control* control, const KComboValue* value);

// With save, puts what the user typed first in the field's history and writes the history file,
// unless the text is empty or already one of the list's items (special entries never go into the
// history); in every case releases the state. paramErr without control or state; ioErr when the
// history file could not be written.
platform::OSStatus KComboBoxFinalize(platform::ui::Control* control, bool save);
