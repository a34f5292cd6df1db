// Reading XML property lists: libxml2 parses, streaming its events into a PlistBuilder, with
// every option that could reach outside the document turned off.
#include <libxml/SAX2.h>
#include <libxml/globals.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlerror.h>

#include <climits>
#include <memory>

#include "platform/plist/plist_builder.h"
#include "platform/plist/xml_plist.h"
#include "platform/xml_handles.h"

namespace platform {

namespace {

using plist_reading::PlistBuilder;

using ParserContextPtr = XmlParserPtr;
using DocumentPtr = XmlDocPtr;

void EnsureLibxmlInitialized() {
  static const bool initialized = [] {
    xmlInitParser();
    return true;
  }();
  (void)initialized;
}

xmlParserCtxt* ParserOf(void* context) { return static_cast<xmlParserCtxt*>(context); }
PlistBuilder& BuilderOf(void* context) { return *static_cast<PlistBuilder*>(ParserOf(context)->_private); }
long LineOf(void* context) { return xmlSAX2GetLineNumber(context); }
std::string_view View(const xmlChar* text) { return reinterpret_cast<const char*>(text); }

// A refused document stops the parse at once: nothing after the problem is looked at.
void StopUnless(bool accepted, void* context) {
  if (!accepted) xmlStopParser(ParserOf(context));
}

void OnStartElement(void* context, const xmlChar* name, const xmlChar*, const xmlChar* uri, int,
                    const xmlChar**, int, int, const xmlChar**) {
  StopUnless(BuilderOf(context).startElement(View(name), uri != nullptr, LineOf(context)), context);
}

void OnEndElement(void* context, const xmlChar*, const xmlChar*, const xmlChar*) {
  StopUnless(BuilderOf(context).endElement(LineOf(context)), context);
}

void OnCharacters(void* context, const xmlChar* text, int length) {
  std::string_view chunk(reinterpret_cast<const char*>(text), static_cast<std::size_t>(length));
  StopUnless(BuilderOf(context).characters(chunk, LineOf(context)), context);
}

// Predefined entities and character references arrive as text; any other reference is to an
// entity that was never declared (declarations are refused below) and is an error, not text.
void OnReference(void* context, const xmlChar* name) {
  BuilderOf(context).fail(LineOf(context), "entity reference &" + std::string(View(name)) + "; is not allowed");
  xmlStopParser(ParserOf(context));
}

// An entity declaration stops the parse at once, so nothing it defines is ever expanded or
// fetched: this is what keeps "billion laughs" and external-entity tricks out.
void RefuseEntity(void* context, const xmlChar* name) {
  BuilderOf(context).fail(LineOf(context), "the document declares the entity \"" + std::string(View(name)) +
                                               "\"; entity declarations are not allowed");
  xmlStopParser(ParserOf(context));
}

void OnEntityDecl(void* context, const xmlChar* name, int, const xmlChar*, const xmlChar*, xmlChar*) {
  RefuseEntity(context, name);
}

void OnUnparsedEntityDecl(void* context, const xmlChar* name, const xmlChar*, const xmlChar*, const xmlChar*) {
  RefuseEntity(context, name);
}

// Every libxml2 report comes here instead of stderr; warnings are dropped, errors refuse.
// Reports raised away from the parser (character conversion, I/O) carry no line of their own.
void OnError(void* context, xmlError* error) {
  if (error == nullptr || error->level < XML_ERR_ERROR) return;
  std::string message = error->message != nullptr ? error->message : "malformed XML";
  while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
  BuilderOf(context).fail(error->line > 0 ? error->line : LineOf(context), std::move(message));
}

// The old unstructured channels, unused while the structured one is set; silenced all the same.
void IgnoreMessage(void*, const char*, ...) {}

// Parts of libxml2 that have no parser at hand (character conversion, I/O) report through the
// calling thread's global handlers; these are pointed at the parse for its duration.
class ScopedThreadErrorHandlers {
 public:
  explicit ScopedThreadErrorHandlers(xmlParserCtxt* parser)
      : structured_(xmlStructuredError), structuredContext_(xmlStructuredErrorContext),
        generic_(xmlGenericError), genericContext_(xmlGenericErrorContext) {
    xmlSetStructuredErrorFunc(parser, OnError);
    xmlSetGenericErrorFunc(parser, IgnoreMessage);
  }
  ~ScopedThreadErrorHandlers() {
    xmlSetStructuredErrorFunc(structuredContext_, structured_);
    xmlSetGenericErrorFunc(genericContext_, generic_);
  }
  ScopedThreadErrorHandlers(const ScopedThreadErrorHandlers&) = delete;
  ScopedThreadErrorHandlers& operator=(const ScopedThreadErrorHandlers&) = delete;

 private:
  xmlStructuredErrorFunc structured_;
  void* structuredContext_;
  xmlGenericErrorFunc generic_;
  void* genericContext_;
};

void InstallHandlers(xmlSAXHandler& sax) {
  // Only what is set here happens: no tree, no DTD handling, no entity lookup.
  sax = xmlSAXHandler{};
  sax.initialized = XML_SAX2_MAGIC;
  sax.startElementNs = OnStartElement;
  sax.endElementNs = OnEndElement;
  sax.characters = OnCharacters;
  sax.ignorableWhitespace = OnCharacters;
  sax.cdataBlock = OnCharacters;
  sax.reference = OnReference;
  sax.entityDecl = OnEntityDecl;
  sax.unparsedEntityDecl = OnUnparsedEntityDecl;
  sax.serror = OnError;
  sax.error = IgnoreMessage;
  sax.warning = IgnoreMessage;
  sax.fatalError = IgnoreMessage;
}

}  // namespace

Result<PlistValue> ReadXMLPlist(std::string_view bytes) {
  using R = Result<PlistValue>;
  EnsureLibxmlInitialized();
  if (bytes.empty()) return R::fail("line 1: the document is empty");
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return R::fail("the document is too large");
  ParserContextPtr parser(xmlCreateMemoryParserCtxt(bytes.data(), static_cast<int>(bytes.size())));
  if (!parser || parser->sax == nullptr) return R::fail("cannot create an XML parser");

  // No NOENT (entities are never substituted), no DTDLOAD/DTDATTR/DTDVALID (no DTD is read),
  // NONET, and no HUGE (libxml2 keeps its limits on text size).
  xmlCtxtUseOptions(parser.get(), XML_PARSE_NONET);
  // The same again field by field, whatever process-wide defaults another library has set.
  parser->replaceEntities = 0;
  parser->loadsubset = 0;
  parser->validate = 0;
  InstallHandlers(*parser->sax);
  parser->vctxt.error = IgnoreMessage;
  parser->vctxt.warning = IgnoreMessage;
  PlistBuilder builder;
  parser->_private = &builder;

  {
    ScopedThreadErrorHandlers quiet(parser.get());
    xmlParseDocument(parser.get());
  }
  DocumentPtr stray(parser->myDoc);  // none is built without tree handlers; freed if ever
  parser->myDoc = nullptr;
  if (builder.failed()) return R::fail(builder.error());
  if (!parser->wellFormed) return R::fail("the document is not well-formed XML");
  return builder.finish();
}

}  // namespace platform
