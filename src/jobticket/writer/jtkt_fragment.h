#pragma once
// How the emitters build what they write: one fragment at a time, grown as needed, then handed
// whole to the writer context in a single call. Fixed template text is appended as it is; free
// text always goes through the XML escaping, so no caller's string can break the document.
#include <cstdint>
#include <string>
#include <string_view>

#include "jobticket/writer/jtkt_context.h"
#include "jobticket/writer/jtkt_escape.h"

// True when ctx can be written to.
inline bool JTktCanWrite(const JTktWriteContext* ctx) { return ctx != nullptr && ctx->write != nullptr; }

class JTktFragment {
 public:
  JTktFragment& text(std::string_view fixed) {
    bytes_.append(fixed);
    return *this;
  }
  // A decimal integer, written the same whatever the process's locale.
  JTktFragment& integer(std::int64_t value);
  JTktFragment& unsignedInteger(std::uint64_t value);
  // Free text, escaped; at most maxBytes bytes once escaped (see AppendXMLEscaped).
  JTktFragment& escaped(std::string_view freeText, std::size_t maxBytes = kJTktNoLimit) {
    AppendXMLEscaped(bytes_, freeText, maxBytes);
    return *this;
  }

  const std::string& bytes() const { return bytes_; }

  // Hands the whole fragment to ctx in one call (an empty fragment too, so that every emitter
  // call is one write) and starts a new fragment.
  void writeTo(const JTktWriteContext& ctx);

 private:
  std::string bytes_;
};
