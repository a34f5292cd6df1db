// The default output block and its stream callback.
#include "jobticket/writer/jtkt_context.h"

#include <cstdarg>

JTktDefaultOutput jtkt_ofp = {stdout, {nullptr, DevWriteJtkt}, nullptr};

int DevWriteJtkt(void*, const char* text, std::size_t length) {
  if (length == 0) return 0;
  if (text == nullptr || jtkt_ofp.stream == nullptr) return EOF;
  // fwrite, not fputs: the length is the fragment's, whatever bytes it holds.
  return std::fwrite(text, 1, length, jtkt_ofp.stream) == length ? 0 : EOF;
}

void JTktDebug(const char* format, ...) {
  if (jtkt_ofp.diagnostics == nullptr) return;
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(jtkt_ofp.diagnostics, format, arguments);
  va_end(arguments);
}
