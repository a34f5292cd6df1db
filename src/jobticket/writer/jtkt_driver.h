#pragma once
// The driver that writes a whole job-ticket document, or the sections its options select, from
// a print-settings dictionary.
#include <cstdio>

#include "platform/plist/plist_value.h"

// Writes the document for ticket to stream through the default output: nothing at all when the
// ticket holds no options dictionary; else the frame (see JTktWritesFrame), the operation
// attributes (whole document only) and every section the options select, in document order.
// coverMode non-zero keeps only the front cover and its print-none and print-both types. The
// default output's stream is put back as it was before the call returns. Null arguments write
// nothing.
void WriteJTKT(std::FILE* stream, const platform::PlistDict* ticket, int coverMode);
