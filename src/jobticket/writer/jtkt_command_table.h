#pragma once
// The element, form and keywords of each command code of WriteJTktCommands.
#include <cstdint>
#include <span>

// How a command's value is written.
enum class JTktCommandForm {
  None,             // the code writes nothing
  Keyword,          // one keyword line from the choices
  Integer,          // the value as an integer element
  SpacedInteger,    // the same, with the blank before the equals sign the colour adjustments have
  Orientation,      // the enum value of orientation-requested
  JobOffset,        // a 1setOf of offset keywords
  PagesPerSubset,   // a 1setOf holding one integer
  SeparatorSheets,  // a fixed collection; the value is not read
};

struct JTktKeywordChoice {
  std::int32_t value;
  const char* keyword;
};

struct JTktCommandRow {
  const char* element;
  JTktCommandForm form;
  std::span<const JTktKeywordChoice> choices;
  const char* otherwise;  // the keyword for every value not among the choices, or null
};

// The row of a command code; a row of form None for codes no element has.
const JTktCommandRow& JTktCommandRowFor(int command);

// The keyword of value among choices, then otherwise; null when neither gives one.
const char* JTktKeywordFor(const JTktCommandRow& row, std::int32_t value);
