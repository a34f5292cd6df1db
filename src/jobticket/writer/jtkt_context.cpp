// The stream callback and the diagnostics line.
#include "jobticket/writer/jtkt_context.h"

#include <cstdarg>

int DevWriteJtkt(void* refCon, const char* text, std::size_t length) {
  if (length == 0) return 0;
  auto* stream = static_cast<std::FILE*>(refCon);
  if (text == nullptr || stream == nullptr) return EOF;
  // fwrite, not fputs: the length is the fragment's, whatever bytes it holds.
  return std::fwrite(text, 1, length, stream) == length ? 0 : EOF;
}

JTktWriter JTktStreamWriter(std::FILE* stream, std::FILE* diagnostics) {
  return JTktWriter{{stream, DevWriteJtkt, diagnostics}, {}};
}

void JTktDebug(const JTktWriteContext* ctx, const char* format, ...) {
  if (ctx == nullptr || ctx->diagnostics == nullptr) return;
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(ctx->diagnostics, format, arguments);
  va_end(arguments);
}
