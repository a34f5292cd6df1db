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

namespace {

constexpr std::array<JTktSection, 0> kSections = {};

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
