#include "platform/ui/interface_elements.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <cstdint>

#include "platform/xml_handles.h"

namespace platform::ui {

namespace {

struct ParseState {
  InterfaceElement document;  // the root element is its only child
  std::vector<InterfaceElement*> open{&document};
  bool doctype = false;
};

ParseState& StateOf(void* parser) { return *static_cast<ParseState*>(static_cast<xmlParserCtxt*>(parser)->_private); }

void OnStartElement(void* parser, const xmlChar* localName, const xmlChar*, const xmlChar*, int, const xmlChar**,
                    int attributeCount, int, const xmlChar** attributes) {
  ParseState& state = StateOf(parser);
  InterfaceElement& element = state.open.back()->children.emplace_back();
  element.name = reinterpret_cast<const char*>(localName);
  element.line = xmlSAX2GetLineNumber(parser);
  element.attributes.reserve(static_cast<std::size_t>(attributeCount));
  // Five pointers an attribute: local name, prefix, URI, and the value's first and end.
  for (int i = 0; i < attributeCount; ++i) {
    const xmlChar* const* attribute = attributes + 5 * i;
    element.attributes.emplace_back(
        reinterpret_cast<const char*>(attribute[0]),
        std::string(reinterpret_cast<const char*>(attribute[3]), reinterpret_cast<const char*>(attribute[4])));
  }
  state.open.push_back(&element);
}

void OnEndElement(void* parser, const xmlChar*, const xmlChar*, const xmlChar*) {
  ParseState& state = StateOf(parser);
  if (state.open.size() > 1) state.open.pop_back();
}

void OnDoctype(void* parser, const xmlChar*, const xmlChar*, const xmlChar*) {
  StateOf(parser).doctype = true;
  xmlStopParser(static_cast<xmlParserCtxt*>(parser));
}

void IgnoreError(void*, xmlErrorPtr) {}

}  // namespace

const std::string* InterfaceElement::attribute(std::string_view attributeName) const {
  for (const auto& [attributeKey, value] : attributes)
    if (attributeKey == attributeName) return &value;
  return nullptr;
}

std::optional<std::string> InterfaceElement::attributeText(std::string_view attributeName) const {
  const std::string* value = attribute(attributeName);
  return value != nullptr ? std::optional<std::string>(*value) : std::nullopt;
}

Result<InterfaceElement> ReadInterfaceElements(std::string_view xml, std::string_view fileLabel) {
  static const bool initialized = (xmlInitParser(), true);
  (void)initialized;
  using R = Result<InterfaceElement>;
  const std::string label(fileLabel);
  if (xml.size() > static_cast<std::size_t>(INT32_MAX))
    return R::fail(label + ": not a well-formed interface description");
  XmlParserPtr parser(xmlCreateMemoryParserCtxt(xml.data(), static_cast<int>(xml.size())));
  if (!parser || parser->sax == nullptr) return R::fail(label + ": not a well-formed interface description");
  xmlCtxtUseOptions(parser.get(), XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  // Character references and the five predefined entities come decoded in attribute values;
  // no other entity can exist, since a DOCTYPE stops the parse.
  parser->replaceEntities = 1;
  parser->loadsubset = 0;
  parser->validate = 0;
  ParseState state;
  parser->_private = &state;
  xmlSAXHandler handler{};
  handler.initialized = XML_SAX2_MAGIC;
  handler.startElementNs = OnStartElement;
  handler.endElementNs = OnEndElement;
  handler.internalSubset = OnDoctype;
  handler.serror = IgnoreError;
  *parser->sax = handler;
  xmlParseDocument(parser.get());
  if (state.doctype) return R::fail(label + ": an interface description may not have a DOCTYPE");
  if (!parser->wellFormed || state.document.children.empty()) {
    const xmlError* e = xmlCtxtGetLastError(parser.get());
    std::string why;
    if (e != nullptr && e->message != nullptr) {
      why = e->message;
      while (!why.empty() && (why.back() == '\n' || why.back() == ' ')) why.pop_back();
      why = " (line " + std::to_string(e->line) + ": " + why + ")";
    }
    return R::fail(label + ": not a well-formed interface description" + why);
  }
  InterfaceElement& root = state.document.children.front();
  if (root.name != "interface") return R::fail(label + ": the root element must be <interface>");
  return R::ok(std::move(root));
}

}  // namespace platform::ui
