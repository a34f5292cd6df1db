#pragma once
// The options dictionary of the print-settings ticket ("com.korvo.print.JTKTOptions"), which
// says which parts of the job ticket a document carries. Only the presence of its keys counts.
#include <optional>

#include "platform/plist/plist_value.h"

struct JTktOptions {
  bool all = false;         // "JTKTOptionAll": the whole document
  bool covers = false;      // "JTKTOptionCovers"
  bool inserts = false;     // "JTKTOptionInserts"
  bool exceptions = false;  // "JTKTOptionExceptions"
};

// The ticket's options; none when the ticket holds no options dictionary (nothing is written then).
std::optional<JTktOptions> ReadJTktOptions(const platform::PlistDict* ticket);

// True when the document gets its frame: with "JTKTOptionAll"; with a selected kind of special
// page that the ticket holds; and whenever the ticket holds pads, which are written whatever the
// options say and so must never stand outside a document of their own.
bool JTktWritesFrame(const JTktOptions& options, const platform::PlistDict& ticket);
