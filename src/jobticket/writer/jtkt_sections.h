#pragma once
// The sections of the job-template group, in the order a document holds them. The driver walks
// this list; a section writer looks for its own data in the ticket and writes nothing when the
// ticket lacks it, so the list only says which writers run under which options, and in what
// order.
#include <span>

#include "jobticket/writer/jtkt_context.h"
#include "jobticket/writer/jtkt_options.h"
#include "platform/plist/plist_value.h"

// Which options make a section run.
enum class JTktSelector {
  All,              // "JTKTOptionAll"
  AllOrCovers,      // "JTKTOptionAll" or "JTKTOptionCovers"
  AllOrInserts,     // "JTKTOptionAll" or "JTKTOptionInserts"
  AllOrExceptions,  // "JTKTOptionAll" or "JTKTOptionExceptions"
  Always,           // whatever the options (the pads)
};

// A section writer: the document's writer, the ticket dictionary and the cover mode the document
// was asked for.
using JTktSectionWriter = void (*)(const JTktWriter& writer, const platform::PlistDict* ticket, int coverMode);

struct JTktSection {
  JTktSelector selector;
  JTktSectionWriter write;
};

bool JTktSelects(JTktSelector selector, const JTktOptions& options);

// The sections in document order (jtkt_sections.cpp).
std::span<const JTktSection> JTktSections();
