#pragma once
// The writer context through which every job-ticket fragment passes, and the process-wide
// default output that the ticket writers use. An emitter builds one fragment at a time and
// hands it whole to the context's callback; the callback decides where the bytes go.
#include <cstddef>
#include <cstdio>

// Entry points that other components find in the plug-in module by name.
#define JTKT_EXPORT __attribute__((visibility("default")))

// The output callback: refCon as the context holds it, the fragment's bytes (NUL-terminated)
// and its length in bytes without the NUL. Its result is the callback's own business; the
// emitters do not read it.
using JTktWriteProc = int (*)(void* refCon, const char* text, std::size_t length);

struct JTktWriteContext {
  void* refCon;
  JTktWriteProc write;
};

// The default output: the stream the default context writes to (standard output until a
// document is written elsewhere), the context itself, and where the writer's "DEBUG:" lines
// go (nowhere while null, which keeps a dialog's or a host's standard error clean; point it at
// stderr to follow what the ticket writers decide).
struct JTktDefaultOutput {
  std::FILE* stream;
  JTktWriteContext context;
  std::FILE* diagnostics;
};

extern JTktDefaultOutput jtkt_ofp;

// Writes the fragment to the default output's stream, all `length` bytes of it (a fragment is
// never cut at an inner NUL or at a buffer size). 0 when every byte was accepted, EOF when not;
// refCon is not used.
int DevWriteJtkt(void* refCon, const char* text, std::size_t length);

// Points the default output's stream at `stream` for the life of the object and puts back the
// stream it found, so that the process-wide stream never outlives a file that was closed.
class JTktOutputRedirect {
 public:
  explicit JTktOutputRedirect(std::FILE* stream) : saved_(jtkt_ofp.stream) { jtkt_ofp.stream = stream; }
  ~JTktOutputRedirect() { jtkt_ofp.stream = saved_; }
  JTktOutputRedirect(const JTktOutputRedirect&) = delete;
  JTktOutputRedirect& operator=(const JTktOutputRedirect&) = delete;

 private:
  std::FILE* saved_;
};

// The same for the diagnostics stream.
class JTktDiagnosticsRedirect {
 public:
  explicit JTktDiagnosticsRedirect(std::FILE* stream) : saved_(jtkt_ofp.diagnostics) { jtkt_ofp.diagnostics = stream; }
  ~JTktDiagnosticsRedirect() { jtkt_ofp.diagnostics = saved_; }
  JTktDiagnosticsRedirect(const JTktDiagnosticsRedirect&) = delete;
  JTktDiagnosticsRedirect& operator=(const JTktDiagnosticsRedirect&) = delete;

 private:
  std::FILE* saved_;
};

// Writes a diagnostic line, format and arguments as printf, to the diagnostics stream if there is
// one. The formats carry their own "DEBUG: " and line feed, so each line reads as it always has.
void JTktDebug(const char* format, ...) __attribute__((format(printf, 1, 2)));
