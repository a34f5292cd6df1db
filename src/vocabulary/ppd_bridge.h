#pragma once
// The bridge between the panels and the current queue's printer description (PPD): the cached
// description, its choices and texts, the ticket's PPD dictionary (main keyword to choice
// keyword), the conversion between choice keywords and ticket integers through MainKeywordMap,
// and the choices an option offers once the description's constraints are honoured.
// Nothing here reports an error: a missing argument, description or option gives none, false
// or an empty list, as each function says. A ticket integer that is not found is none, never a
// number: -1 is a real value ("Lighten1").
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ticket/ticket.h"
#include "vocabulary/ppd_file.h"

// Text encoding of a description's strings, from its LanguageEncoding.
enum class PPDEncoding { MacRoman, ISOLatin1, ISOLatin2, ISOLatin5, ShiftJIS, UTF8 };

// --- The printer description ---

// The current queue's description, opened from the current print session's PPD path on first
// use and cached for the whole process; null when there is no session, no path or no readable PPD.
PPDFile* PPDGetCurrent();
// Closes the cached description; the next PPDGetCurrent opens it again.
void PPDCloseCurrent();

// ISOLatin1 -> ISO 8859-1, ISOLatin2 -> ISO 8859-2, ISOLatin5 -> ISO 8859-9, JIS83-RKSJ -> Shift
// JIS, UTF-8 and UTF8 -> UTF-8; any other name, none, or no description: Mac OS Roman.
// Texts handed out by this bridge are UTF-8 already; the encoding is for callers that handle
// the file's bytes themselves.
PPDEncoding PPDGetEncoding(const PPDFile* ppd);

// The description's *Manufacturer, or none.
std::optional<std::string> PPDCopyManufacturer(const PPDFile* ppd);

// The human-readable text of one choice, as UTF-8; none when an argument is missing or the option
// or choice does not exist.
std::optional<std::string> PPDCopyChoiceText(const PPDFile* ppd, std::string_view mainKeyword,
                                             std::string_view choice);

// The option's default choice keyword, or none.
std::optional<std::string> PPDCopyDefaultChoice(const PPDFile* ppd, std::string_view mainKeyword);

// The current description's custom page-size limits in PostScript points; 432, 432, 864, 864
// when there is no current description or it gives no custom page size.
void GetMediaLimits(float& minWidth, float& minLength, float& maxWidth, float& maxLength);

// --- The ticket's PPD dictionary ---

// The choice the ticket holds for mainKeyword; none when an argument is missing or the ticket
// has no dictionary or no entry.
std::optional<std::string> PPDCopyCurrentChoice(const platform::Ticket* ticket, std::string_view mainKeyword);
// Stores choice for mainKeyword; does nothing when an argument is missing.
void PPDSetCurrentChoice(platform::Ticket* ticket, std::string_view mainKeyword, std::string_view choice);
// Sets value to the ticket integer of the ticket's stored choice, or of the description's default
// when the ticket holds none, and answers true. When MainKeywordMap does not know the keyword or
// the choice, sets value to -1 as callers have always seen it and answers false, so that a
// mapped -1 ("Lighten1") is told apart; leaves value alone and answers false when there is
// neither a stored nor a default choice.
bool PPDGetTicketValueForChoiceOrDefault(const PPDFile* ppd, const platform::Ticket* ticket,
                                         std::string_view mainKeyword, std::int32_t& value);

// --- Keyword maps ---

// The ticket integer for a choice of a main keyword; none when an argument is missing, the keyword
// has no map (or an empty one) or the choice is not listed.
std::optional<std::int32_t> PPDTicketValueForChoice(std::string_view mainKeyword, std::string_view choice);
// The keyword of the first row holding value in the main keyword's map (the table's own
// storage, never to be freed), or null.
const char* PPDChoiceForTicketValue(std::string_view mainKeyword, std::int32_t value);

// --- Choices offered for an option ---

struct PPDOfferedChoice {
  std::string keyword;     // the PPD choice keyword
  std::string text;        // its human-readable text, UTF-8
  std::int32_t ticketValue;  // what the ticket stores for it
  friend bool operator==(const PPDOfferedChoice&, const PPDOfferedChoice&) = default;
};

// The choices of an option that a menu offers, in the description's order. With
// honourConstraints the description's marks are first reset to its defaults and every choice
// that a constraint rules out against a marked choice of another option is left out. A choice
// that MainKeywordMap does not know is left out too, with the line
// "Skipped unrecognized choice in PPD: <choice>" on standard error (for the first five; one line
// then counts the rest). Empty when an argument is
// missing or the option does not exist.
std::vector<PPDOfferedChoice> PPDCopyOfferedChoices(PPDFile* ppd, std::string_view mainKeyword,
                                                    bool honourConstraints);
