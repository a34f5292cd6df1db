#include "jobticket/reader/jtkt_import_log.h"

#include <cstdarg>

namespace {
std::FILE* gErrorStream = stderr;
bool gErrorStreamSet = false;
}  // namespace

void JTKTSetImportErrorStream(std::FILE* stream) {
  gErrorStream = stream;
  gErrorStreamSet = true;
}

void JTKTImportError(const char* format, ...) {
  std::FILE* stream = gErrorStreamSet ? gErrorStream : stderr;
  if (stream == nullptr) return;
  std::fputs("ERROR: ", stream);
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(stream, format, arguments);
  va_end(arguments);
  std::fputc('\n', stream);
}
