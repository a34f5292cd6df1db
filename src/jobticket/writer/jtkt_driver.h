#pragma once
// The driver that writes a whole job-ticket document, or the sections its options select, from
// a print-settings dictionary.
#include <cstdio>

#include "jobticket/writer/jtkt_context.h"
#include "platform/plist/plist_value.h"

// Writes the document for ticket through writer: nothing at all when the ticket holds no
// options dictionary; else the frame (see JTktWritesFrame), the operation attributes (whole
// document only) and every section the options select, in document order. coverMode non-zero
// keeps only the front cover and its print-none and print-both types. A null ticket writes
// nothing.
void WriteJTKT(const JTktWriter& writer, const platform::PlistDict* ticket, int coverMode);
// The same to stream, with no page geometry and no diagnostics. A null stream writes nothing.
void WriteJTKT(std::FILE* stream, const platform::PlistDict* ticket, int coverMode);
