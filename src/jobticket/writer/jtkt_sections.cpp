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

#include "jobticket/writer/jtkt_commands.h"
#include "jobticket/writer/jtkt_media.h"

namespace {

using platform::PlistDict;
using Select = JTktSelector;

constexpr std::array kSections = {
    JTktSection{Select::All, [](const PlistDict* t, int) { WriteJTKTJobLevelStock(t); }},
    JTktSection{Select::All, [](const PlistDict* t, int) { WriteJTKTDuplex(t); }},
    JTktSection{Select::All, [](const PlistDict* t, int) { WriteJTKTOutputDestination(t); }},
    JTktSection{Select::All, [](const PlistDict* t, int) { WriteJTKTResolution(t); }},
    JTktSection{Select::All, [](const PlistDict* t, int) { WriteJTKTOPISubsitution(t); }},
    JTktSection{Select::All, [](const PlistDict* t, int) { WriteJTKTOPIPreScan(t); }},
    JTktSection{Select::All, [](const PlistDict* t, int) { WriteJTKTAntiAliasing(t); }},
    JTktSection{Select::All, [](const PlistDict* t, int) { WriteJTKTLightenDarken(t); }},
    JTktSection{Select::All, [](const PlistDict* t, int) { WriteJTKTTonerSaver(t); }},
    JTktSection{Select::All, [](const PlistDict* t, int) { WriteJTKTOutputOrder(t); }},
    JTktSection{Select::All, [](const PlistDict* t, int) { WriteJTKTPrinterEmulation(t); }},
    JTktSection{Select::All, [](const PlistDict* t, int) { WriteJTKTImageRotation(t); }},
    JTktSection{Select::All, [](const PlistDict* t, int) { WriteJTKTOutputColor(t); }},
    JTktSection{Select::All, [](const PlistDict* t, int) { WriteJTKTAccounting(t); }},
    JTktSection{Select::All, [](const PlistDict* t, int) { WriteJTKTPagesToPrint(t); }},
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
