// The job-template group, in document order:
//   job-level media; front cover, then back cover (not in cover mode); pads; inserts;
//   exception pages; finishing; job notes; job type; duplex; output destination; resolution;
//   highlight colour (from the ticket itself); job image shift; job highlight colour; full
//   colour; OPI substitution, OPI pre-scan, anti-aliasing, halftone, lighten/darken, toner
//   saver, output order, printer emulation, image rotation, output colour; background forms;
//   accounting; pages to print.
// Each row below is the writer of one of these. A section joins the document by getting its
// row here, at its place in that order.
#include "jobticket/writer/jtkt_sections.h"

#include <array>

#include "jobticket/writer/jtkt_color.h"
#include "jobticket/writer/jtkt_commands.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "jobticket/writer/jtkt_image_shift.h"
#include "jobticket/writer/jtkt_job_attributes.h"
#include "jobticket/writer/jtkt_media.h"
#include "jobticket/writer/jtkt_special_pages.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/full_color_options.h"
#include "model/image_options_keys.h"
#include "model/image_shift_options.h"
#include "model/paper_output_keys.h"

namespace {

using platform::PlistDict;
using Select = JTktSelector;

// The writers that look in the ticket for a dictionary, or a key, before they run.
void BackCoverUnlessCoverMode(const JTktWriter& w, const PlistDict* t, int coverMode) {
  if (coverMode == 0) WriteJTKTBackCover(w, t);
}
void PadsWhenCounted(const JTktWriter& w, const PlistDict* t, int) {
  if (JTktHas(t, kNoOfPadsKey)) WriteJTKTPad(w, t);
}
void JobImageShift(const JTktWriter& w, const PlistDict* t, int) { WriteJTKTImageShift(w, JTktDictionary(t, kImageShiftOptionsJobKey)); }
void JobHighlightColor(const JTktWriter& w, const PlistDict* t, int) {
  WriteJTKTHighlightColor(w, JTktDictionary(t, kHighlightColorOptionsJobKey));
}
void JobFullColor(const JTktWriter& w, const PlistDict* t, int) { WriteJTKTFullColor(w, JTktDictionary(t, kFullColorOptionsKey)); }

constexpr std::array kSections = {
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTJobLevelStock(w, t); }},
    JTktSection{Select::AllOrCovers, [](const JTktWriter& w, const PlistDict* t, int coverMode) { WriteJTKTFrontCover(w, t, coverMode); }},
    JTktSection{Select::AllOrCovers, BackCoverUnlessCoverMode},
    JTktSection{Select::Always, PadsWhenCounted},
    JTktSection{Select::AllOrInserts, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTInserts(w, t); }},
    JTktSection{Select::AllOrExceptions, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTExceptions(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTFinishing(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTJobNotes(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTJobType(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTDuplex(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTOutputDestination(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTResolution(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTHighlightColor(w, t); }},
    JTktSection{Select::All, JobImageShift},
    JTktSection{Select::All, JobHighlightColor},
    JTktSection{Select::All, JobFullColor},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTOPISubsitution(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTOPIPreScan(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTAntiAliasing(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTHalftone(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTLightenDarken(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTTonerSaver(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTOutputOrder(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTPrinterEmulation(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTImageRotation(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTOutputColor(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTBackgroundForms(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTAccounting(w, t); }},
    JTktSection{Select::All, [](const JTktWriter& w, const PlistDict* t, int) { WriteJTKTPagesToPrint(w, t); }},
};

}  // namespace

bool JTktSelects(JTktSelector selector, const JTktOptions& options) {
  switch (selector) {
    case JTktSelector::All: return options.all;
    case JTktSelector::AllOrCovers: return options.all || options.covers;
    case JTktSelector::AllOrInserts: return options.all || options.inserts;
    case JTktSelector::AllOrExceptions: return options.all || options.exceptions;
    case JTktSelector::Always: return true;
  }
  return false;
}

std::span<const JTktSection> JTktSections() { return kSections; }
