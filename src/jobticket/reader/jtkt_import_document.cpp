// Reading one job-ticket file: a safe parse, the check that it is a job ticket, and the
// conversion of every importable feature into the import dictionary.
#include <cstdio>
#include <memory>
#include <sstream>

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include "jobticket/reader/jtkt_import_context.h"
#include "jobticket/reader/jtkt_import_log.h"
#include "jobticket/reader/jtkt_import_node.h"
#include "jobticket/reader/jtkt_reader.h"
#include "platform/files/file_io.h"
#include "platform/xml_handles.h"
#include "vocabulary/device_profile.h"

using platform::OSStatus;
using platform::PlistDict;

namespace {

using Document = platform::XmlDocPtr;

constexpr const char* kJobTemplatePath = ".jtkt.job-template-attributes";
constexpr const char* kOperationPath = ".jtkt.jtkt-operation-attributes";
constexpr const char* kOperationFeatures[] = {"JobName", "SenderName"};

OSStatus Refuse(const std::string& name, const std::string& why) {
  JTKTImportError("%s: %s; nothing was imported", name.c_str(), why.c_str());
  return kJTKTUnreadableFile;
}

// What the parse met besides the tree: an entity declaration, or the first error.
struct ParseState {
  bool entityDeclared = false;
  std::string error;
  int line = 0;
};

ParseState& StateOf(void* parser) { return *static_cast<ParseState*>(static_cast<xmlParserCtxt*>(parser)->_private); }

// An entity declaration stops the parse at once: nothing it defines is ever expanded or fetched,
// which keeps "billion laughs" and external entities out.
void RefuseEntity(void* parser, const xmlChar*, int, const xmlChar*, const xmlChar*, xmlChar*) {
  StateOf(parser).entityDeclared = true;
  xmlStopParser(static_cast<xmlParserCtxt*>(parser));
}
void RefuseUnparsedEntity(void* parser, const xmlChar* name, const xmlChar*, const xmlChar*, const xmlChar*) {
  RefuseEntity(parser, name, 0, nullptr, nullptr, nullptr);
}

void KeepFirstError(void* parser, xmlErrorPtr error) {
  ParseState& state = StateOf(parser);
  if (!state.error.empty() || error == nullptr || error->level < XML_ERR_ERROR) return;
  state.error = error->message != nullptr ? error->message : "not well-formed";
  while (!state.error.empty() && state.error.back() == '\n') state.error.pop_back();
  state.line = error->line;
}

void IgnoreMessage(void*, const char*, ...) {}

// The parsed document, or none and the reason. No entity substitution, no DTD loading, no
// network. The file is at most kJTKTMaxFileBytes, which bounds what parsing can cost, so
// libxml2's per-node limits (a 10 MB comment or text) are lifted: they would refuse only
// well-formed files, and call them not well-formed.
Document Parse(std::string_view bytes, std::string* why) {
  static const bool initialized = (xmlInitParser(), true);
  (void)initialized;
  if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT32_MAX)) {
    *why = bytes.empty() ? "the file is empty" : "the file cannot be parsed";
    return nullptr;
  }
  platform::XmlParserPtr parser(
      xmlCreateMemoryParserCtxt(bytes.data(), static_cast<int>(bytes.size())));
  if (!parser || parser->sax == nullptr) {
    *why = "the file cannot be parsed";
    return nullptr;
  }
  xmlCtxtUseOptions(parser.get(), XML_PARSE_NONET | XML_PARSE_HUGE | XML_PARSE_NOBLANKS | XML_PARSE_COMPACT);
  // The same again field by field, whatever process-wide defaults another library has set.
  parser->replaceEntities = 0;
  parser->loadsubset = 0;
  parser->validate = 0;
  ParseState state;
  parser->_private = &state;
  parser->sax->entityDecl = RefuseEntity;
  parser->sax->unparsedEntityDecl = RefuseUnparsedEntity;
  parser->sax->serror = KeepFirstError;
  parser->sax->error = IgnoreMessage;
  parser->sax->warning = IgnoreMessage;
  parser->sax->fatalError = IgnoreMessage;
  parser->vctxt.error = IgnoreMessage;
  parser->vctxt.warning = IgnoreMessage;
  xmlParseDocument(parser.get());
  Document doc(parser->myDoc);
  parser->myDoc = nullptr;
  if (state.entityDeclared) {
    *why = "the file declares entities, which a job ticket never does";
    return nullptr;
  }
  if (!doc || !parser->wellFormed) {
    *why = "not well-formed XML";
    if (!state.error.empty()) *why += " (line " + std::to_string(state.line) + ": " + state.error + ")";
    return nullptr;
  }
  return doc;
}

void ConvertFeatures(const JTKTFeatureList& features, JTKTImportFeatureContext& context) {
  for (const JTKTImportable& importable : features) JTKTImportFeature(importable, context);
}

}  // namespace

OSStatus JTKTImportDocument(std::string_view bytes, const std::string& name, PlistDict* dictionary) {
  if (dictionary == nullptr) return platform::paramErr;
  std::string why;
  Document doc = Parse(bytes, &why);
  if (!doc) return Refuse(name, why);
  xmlNodePtr root = xmlDocGetRootElement(doc.get());
  xmlNodePtr group = JTKTImportGetNode(root, kJobTemplatePath);
  if (group == nullptr) {
    const std::string rootName = root != nullptr ? reinterpret_cast<const char*>(root->name) : "";
    return Refuse(name, "not a job ticket (the root <" + rootName + "> holds no <job-template-attributes>)");
  }
  // Converted into a copy first, so that the dictionary changes only by a whole file.
  PlistDict converted = *dictionary;
  const JTKTFeatureList features = JTKTImportableFeatures();
  JTKTImportFeatureContext context;
  context.document = doc.get();
  context.node = group->children;
  context.dictionary = &converted;
  context.fileName = &name;
  context.features = &features;
  ConvertFeatures(features, context);
  JTKTReportUnknownSetValues(features, context);

  JTKTFeatureList operation;
  for (const char* id : kOperationFeatures)
    if (const PlistDict* feature = KFSGetFeature(id)) operation.push_back(JTKTImportableFeature(feature));
  if (xmlNodePtr operationGroup = JTKTImportGetNode(root, kOperationPath)) context.node = operationGroup->children;
  ConvertFeatures(operation, context);

  ComputeFinishingOptionKey(&converted);
  *dictionary = std::move(converted);
  return platform::noErr;
}

OSStatus JTKTImportFileAtPath(const char* path, PlistDict* dictionary) {
  if (path == nullptr || dictionary == nullptr) return platform::paramErr;
  const platform::Result<std::string> bytes = platform::ReadFileBytes(path, kJTKTMaxFileBytes);
  if (!bytes) {  // the message names the file and what is wrong with it
    JTKTImportError("%s; nothing was imported", bytes.error().c_str());
    return kJTKTUnreadableFile;
  }
  return JTKTImportDocument(*bytes, path, dictionary);
}

OSStatus JTKTImportFiles(const std::vector<std::string>& paths, PlistDict* dictionary) {
  if (dictionary == nullptr) return platform::paramErr;
  PlistDict imported;
  for (const std::string& path : paths)
    if (OSStatus status = JTKTImportFileAtPath(path.c_str(), &imported); status != platform::noErr) return status;
  *dictionary = std::move(imported);
  return platform::noErr;
}
