// Covers, inserts and exception pages: every importable feature is read again inside each page's
// element, into the page's own dictionary.
#include <cstdio>
#include <optional>

#include "jobticket/reader/jtkt_import_context.h"
#include "jobticket/reader/jtkt_import_log.h"
#include "jobticket/reader/jtkt_import_keys.h"
#include "jobticket/reader/jtkt_import_node.h"
#include "model/special_pages_ticket.h"

using platform::PlistArray;
using platform::PlistDict;
using platform::PlistValue;

namespace {

// Runs every feature inside one page's element.
void ImportPage(const JTKTImportFeatureContext& job, xmlNodePtr pageElement, JobContext scope, PlistDict& page) {
  JTKTImportFeatureContext context = job;
  context.node = pageElement->children;
  context.dictionary = &page;
  context.scope = scope;
  if (context.features == nullptr) return;
  for (const PlistDict* feature : *context.features) JTKTImportFeature(feature, context);
}

void LogPageError(const JTKTImportFeatureContext& context, xmlNodePtr element, const char* what) {
  JTKTImportError("%s: line %ld: %s; the page is not imported", JTKTFileName(context).c_str(),
               xmlGetLineNo(element), what);
}

// Stores the list: a list read from the file replaces an earlier one; an absent one is a default.
void PutList(const JTKTImportFeatureContext& context, const char* key, PlistArray pages, bool inFile) {
  if (inFile)
    JTKTStore(context, JTKTTarget::Ticket, key, PlistValue(std::move(pages)));
  else
    JTKTStoreDefault(context, JTKTTarget::Ticket, key, PlistValue(std::move(pages)));
}

// The elements of a set: the first "value" at path and its following element siblings.
template <class Each>
bool EachSetValue(const JTKTImportFeatureContext& context, const char* path, Each each) {
  xmlNodePtr first = JTKTImportGetNode(context.node, path);
  for (xmlNodePtr element = first; element != nullptr; element = element->next)
    if (element->type == XML_ELEMENT_NODE) each(element);
  return first != nullptr;
}

}  // namespace

void JTKTImportPageExceptions(const JTKTImportFeatureContext& context) {
  const std::string& file = JTKTFileName(context);
  PlistArray pages;
  const bool inFile = EachSetValue(context, ".page-overrides.value", [&](xmlNodePtr element) {
    const std::optional<std::int32_t> lower =
        JTKTImportNodeInteger(JTKTImportGetNode(element->children, ".pages.value.lower-bound"), file);
    const std::optional<std::int32_t> upper =
        JTKTImportNodeInteger(JTKTImportGetNode(element->children, ".pages.value.upper-bound"), file);
    if (!lower || !upper) return;  // an incomplete range names no pages
    if (*lower < 1 || *upper < *lower) {
      LogPageError(context, element, "the page range is not 1 <= lower <= upper");
      return;
    }
    PlistDict page{{kPageStartPageMember, *lower}, {kPageEndPageMember, *upper}};
    ImportPage(context, element, kJobContextException, page);
    pages.emplace_back(std::move(page));
  });
  PutList(context, kExceptionListKey, std::move(pages), inFile);
}

void JTKTImportPageInserts(const JTKTImportFeatureContext& context) {
  const std::string& file = JTKTFileName(context);
  PlistArray pages;
  const bool inFile = EachSetValue(context, ".insert-sheet.value", [&](xmlNodePtr element) {
    const std::optional<std::int32_t> after =
        JTKTImportNodeInteger(JTKTImportGetNode(element->children, ".insert-after-page-number"), file);
    const std::optional<std::int32_t> count =
        JTKTImportNodeInteger(JTKTImportGetNode(element->children, ".insert-count"), file);
    if (!after || !count) return;
    if (*after < 1 || *count < 1) {
      LogPageError(context, element, "an insert needs a page number and a count of at least 1");
      return;
    }
    PlistDict page{{kPageStartPageMember, *after}, {kPageQuantityMember, *count}};
    ImportPage(context, element, kJobContextInsert, page);
    pages.emplace_back(std::move(page));
  });
  PutList(context, kInsertListKey, std::move(pages), inFile);
}

void JTKTImportCover(bool front, const JTKTImportFeatureContext& context) {
  xmlNodePtr element = JTKTImportGetNode(context.node, front ? ".cover-front" : ".cover-back");
  if (element == nullptr || context.dictionary == nullptr) return;
  // An earlier file's cover is read on, as the job-level stock is: what this file gives replaces
  // its values one by one.
  PlistValue& slot = (*context.dictionary)[front ? kFrontCoverKey : kBackCoverKey];
  if (slot.asDictionary() == nullptr) slot = PlistDict{};
  PlistDict& page = *slot.asDictionary();
  ImportPage(context, element, kJobContextCover, page);
  if (xmlNodePtr type = JTKTImportGetNode(element->children, ".cover-type")) {
    const std::optional<std::string> text = JTKTImportNodeText(type);
    std::int32_t sides = 1;
    if (text == "print-front") sides = 2;
    if (text == "print-back") sides = 3;
    if (text == "print-both") sides = 4;
    page[kPageSidesImagedMember] = sides;
  }
}
