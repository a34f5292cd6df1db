#pragma once
// Owning handles of what libxml2 hands out, released by its own free functions.
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <memory>

namespace platform {

struct XmlFree {
  void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
  void operator()(xmlParserCtxt* parser) const { xmlFreeParserCtxt(parser); }
  void operator()(xmlChar* text) const { xmlFree(text); }
};

using XmlDocPtr = std::unique_ptr<xmlDoc, XmlFree>;
using XmlParserPtr = std::unique_ptr<xmlParserCtxt, XmlFree>;
using XmlCharPtr = std::unique_ptr<xmlChar, XmlFree>;

}  // namespace platform
