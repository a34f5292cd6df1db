#pragma once
// The writer context through which every job-ticket fragment passes, and the writer object a
// document is written with. An emitter builds one fragment at a time and
// hands it whole to the context's callback; the callback decides where the bytes go.
#include <cstddef>
#include <cstdio>

// Entry points that other components find in the plug-in module by name.
#include "platform/module_export.h"

// The output callback: refCon as the context holds it, the fragment's bytes (NUL-terminated)
// and its length in bytes without the NUL. Its result is the callback's own business; the
// emitters do not read it.
using JTktWriteProc = int (*)(void* refCon, const char* text, std::size_t length);

// Where the fragments go, and where the writer's "DEBUG:" lines go (nowhere while null, which
// keeps a dialog's or a host's standard error clean; point it at stderr to follow what the
// ticket writers decide).
struct JTktWriteContext {
  void* refCon;
  JTktWriteProc write;
  std::FILE* diagnostics = nullptr;
};

// The page geometry a host linking the writer may give, for a stock that names no size:
// PostScript points, and 0 or 2 portrait, 1 or 3 landscape. The print dialog leaves it at 0.
struct JTktPageGeometry {
  float width = 0;
  float length = 0;
  int orientation = 0;
};

// What one document is written with: the context its fragments go through and the page
// geometry. The document writer makes one per document and hands it to every ticket writer.
struct JTktWriter {
  JTktWriteContext context;
  JTktPageGeometry page;
};

// Writes the fragment to the stream refCon holds, all `length` bytes of it (a fragment is never
// cut at an inner NUL or at a buffer size). 0 when every byte was accepted, EOF when not.
int DevWriteJtkt(void* refCon, const char* text, std::size_t length);

// A writer whose fragments go to stream through DevWriteJtkt, its diagnostics to diagnostics.
JTktWriter JTktStreamWriter(std::FILE* stream, std::FILE* diagnostics = nullptr);

// Writes a diagnostic line, format and arguments as printf, to the context's diagnostics stream
// if it has one. The formats carry their own "DEBUG: " and line feed, so each line reads as it
// always has.
void JTktDebug(const JTktWriteContext* ctx, const char* format, ...) __attribute__((format(printf, 2, 3)));
