// Any bytes read as a property list; a dictionary becomes the items of a print-settings ticket,
// which is exported to memory as the export command would write it, and again with the whole
// document asked for and in cover mode. Whatever the ticket holds, every non-empty output must
// be one well-formed XML document from its declaration to its "</jtkt>".
#include <libxml/parser.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "jobticket/writer/jtkt_export.h"
#include "model/client_information_keys.h"
#include "platform/plist/xml_plist.h"
#include "platform/ticket/ticket.h"

namespace {

void IgnoreXmlMessage(void*, const char*, ...) {}

[[noreturn]] void Fail(const char* what, const std::string& document) {
  std::fprintf(stderr, "jobticket_export_fuzz: %s\n%s\n", what, document.c_str());
  std::abort();
}

void CheckDocument(const std::optional<std::string>& written) {
  if (!written) Fail("no document could be written", "");
  const std::string& document = *written;
  if (document.empty()) return;  // a ticket without options writes nothing at all
  if (!document.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n")) Fail("no XML declaration", document);
  if (!document.ends_with("</jtkt>")) Fail("the root element is not closed last", document);
  xmlDoc* doc = xmlReadMemory(document.data(), static_cast<int>(document.size()), nullptr, nullptr, XML_PARSE_NONET);
  if (doc == nullptr) Fail("libxml2 cannot parse the document", document);
  xmlFreeDoc(doc);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool quiet = [] {
    xmlInitParser();
    xmlSetGenericErrorFunc(nullptr, IgnoreXmlMessage);
    return true;
  }();
  (void)quiet;
  auto value = platform::ReadXMLPlist(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!value || value->asDictionary() == nullptr) return 0;
  platform::Ticket ticket;
  for (const auto& [key, item] : *value->asDictionary()) ticket.set(key, item, "fuzz");

  CheckDocument(JTKTWriteDocument(JTKTCopyKorvoItems(ticket), 0));
  platform::PlistDict everything = *value->asDictionary();
  everything[kJTKTOptionsKey] = platform::PlistDict{{kJTKTOptionAllKey, true}};
  CheckDocument(JTKTWriteDocument(everything, 0));
  CheckDocument(JTKTWriteDocument(everything, 1));
  return 0;
}
