#pragma once
// The IPP attributes that a job's printer-description options mean. A job that comes through a
// CUPS queue may carry only PPD options ("lp -o StapleLocation=SinglePortrait", or the PPD's
// tabs of GTK's print dialog); they are read through the same keyword and setting maps as the
// panels read them, put into a print-settings ticket as the panels would, and sent as the
// attributes that ticket makes (media-col, finishings), plus those IPP has no ticket family for
// here (sides, output-bin, print-color-mode, media-source).
#include <string>
#include <utility>
#include <vector>

#include "platform/cups_library.h"
#include "platform/ipp_handles.h"

// An option as cupsd holds it: main keyword and choice keyword.
using PPDOption = std::pair<std::string, std::string>;

// The job attributes the options mean. An option the printer description's maps know but IPP
// cannot say (a choice no attribute value stands for) adds one "WARNING: ..." line to warnings,
// naming it; an option that is no printer-description option of ours is not ours to read and is
// passed over in silence, as is a choice that leaves the setting to the printer ("None", "Auto").
platform::IppMessagePtr NewIppFromPPDOptions(const std::vector<PPDOption>& options, std::vector<std::string>* warnings);

// Adds to job a copy of each job attribute of extra whose name job does not hold: a setting given
// both ways is sent as the typed attribute the job came with.
void IppAddMissingAttributes(ipp_t* job, ipp_t* extra);
