#pragma once
// The page format's paper as the print system fills it: the paper-info sub-ticket of the
// page-format ticket names the sheet and gives its rectangle, taken from a page size of the
// printer's description (PPD).
#include <string>

#include "platform/result.h"
#include "platform/ticket/ticket.h"

namespace platform {

inline constexpr const char* kPMPaperNameKey = "com.apple.print.PaperInfo.PMPaperName";
inline constexpr const char* kPMUnadjustedPaperRectKey = "com.apple.print.PaperInfo.PMUnadjustedPaperRect";

struct PaperFormat {
  // The IPP name of the size ("na-letter", "iso-a4"), else its PWG 5101.1 name
  // ("na_foolscap_8.5x13in"), else the description's own keyword.
  std::string name;
  // The description's "*PageSize" keyword for it and the text the user sees ("12 x 18 in").
  std::string keyword, text;
  // The sheet in points, (top, left, bottom, right) from the top left corner of the imageable
  // area, as the print system gives it: Letter with margins of 12 points is (-12, -12, 780, 600).
  double rect[4] = {0, 0, 0, 0};
  // What the imageable area leaves of the sheet at its top, left, bottom and right, in points.
  double margins[4] = {0, 0, 0, 0};
};

// The page size the description at path names `choice` (a "*PageSize" keyword, the text the
// user sees, "12 x 18 in", or the paper's name as the page format has it, "na-legal"), or its
// default page size when choice is empty. A message naming the file, or the choice it lacks, when
// there is none.
Result<PaperFormat> ReadPaperFormat(const std::string& ppdPath, const std::string& choice = {});

// The name a page format gives a sheet of width x length points, as in PaperFormat::name (the
// sizes differing by no more than rounding); empty for a size of no such name.
std::string PaperNameOfSheet(double width, double length);

// The paper into the page-format ticket's paper-info sub-ticket.
void FillPaperInfoTicket(const PaperFormat& paper, Ticket& pageFormat);

// The paper the page-format ticket names (PaperFormat::name); empty when it names none yet.
std::string PaperInfoTicketPaperName(const Ticket& pageFormat);

}  // namespace platform
