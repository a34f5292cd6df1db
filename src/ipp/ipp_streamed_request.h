#pragma once
// One IPP request followed by its document, streamed: the document's bytes are read from a
// descriptor and sent chunk by chunk as they come, so a job of any size never sits in memory
// whole. Used for jobs sent to a printer and to a CUPS queue alike.
#include <string>

#include "platform/ipp_handles.h"
#include "platform/status.h"

// Where the request goes: a host name (or a domain socket's path, for a local cupsd), its port
// and the resource; named in messages as peer ("the printer ipp://...", "the CUPS server ...").
struct IppStreamTarget {
  std::string host;
  int port = 0;
  bool encrypted = false;
  std::string resource = "/";
  std::string peer;
};

// Sends request and then the bytes of document until its end, and reads the reply (5 s to
// connect, 10 s for each answer). noErr and the reply (whatever its IPP status); or
// kPrinterStockUnreachable (no connection) or kPrinterStockNoAnswer (the request not taken, no
// reply, or a document that could not be read to its end: the connection is then closed before
// the request ends, so the peer drops what it had) with the reason in error.
platform::OSStatus IppSendStreamed(const IppStreamTarget& target, ipp_t* request, int document,
                                   platform::IppMessagePtr* reply, std::string* error);
