// Covers, inserts and exception pages: every importable feature is read again inside each page's
// element, into the page's own dictionary.
#include <cstdio>
#include <optional>

#include "jobticket/reader/jtkt_import_context.h"
#include "jobticket/reader/jtkt_import_log.h"
#include "jobticket/reader/jtkt_import_node.h"
#include "model/special_page_keys.h"
#include "model/special_pages_ticket.h"

using platform::PlistArray;
using platform::PlistDict;
using platform::PlistValue;

namespace {

// Any value outside the four printed-sides choices is written as no cover.
constexpr std::int32_t kCoverSidesNoCover = 0;

void LogPageError(const JTKTImportFeatureContext& context, xmlNodePtr element, const char* what) {
  JTKTImportError("%s: line %ld: %s; the page is not imported", JTKTFileName(context).c_str(), xmlGetLineNo(element),
                  what);
}

// Reads the pages of a set (the first "value" at path and its following element siblings): each
// element that describe gives a dictionary for becomes a page, read at scope. The list is stored
// under key: a list read from the file replaces an earlier one; an absent one is a default.
template <class Describe>
void ImportPageSet(const JTKTImportFeatureContext& context, const char* path, JobContext scope, const char* key,
                   Describe describe) {
  PlistArray pages;
  xmlNodePtr first = JTKTImportGetNode(context.node, path);
  for (xmlNodePtr element = first; element != nullptr; element = element->next) {
    if (element->type != XML_ELEMENT_NODE) continue;
    std::optional<PlistDict> page = describe(element);
    if (!page) continue;
    JTKTImportPageElement(context, element, scope, *page);
    pages.emplace_back(std::move(*page));
  }
  if (first != nullptr)
    JTKTStore(context, JTKTTarget::Ticket, key, PlistValue(std::move(pages)));
  else
    JTKTStoreDefault(context, JTKTTarget::Ticket, key, PlistValue(std::move(pages)));
}

std::optional<std::int32_t> Integer(const JTKTImportFeatureContext& context, xmlNodePtr element, const char* path) {
  return JTKTImportNodeInteger(JTKTImportGetNode(element->children, path), JTKTFileName(context));
}

}  // namespace

void JTKTImportPageElement(const JTKTImportFeatureContext& job, xmlNodePtr pageElement, JobContext scope, PlistDict& page) {
  JTKTImportFeatureContext context = job;
  context.node = pageElement->children;
  context.dictionary = &page;
  context.scope = scope;
  if (context.features == nullptr) return;
  std::vector<std::string_view> children;
  for (xmlNodePtr child = pageElement->children; child != nullptr; child = child->next)
    if (child->type == XML_ELEMENT_NODE && child->name != nullptr)
      children.emplace_back(reinterpret_cast<const char*>(child->name));
  for (const JTKTImportable& importable : *context.features)
    if (JTKTFeatureMayReadPage(importable, children)) JTKTImportFeature(importable, context);
}

void JTKTImportPageExceptions(const JTKTImportFeatureContext& context) {
  ImportPageSet(context, ".page-overrides.value", kJobContextException, kExceptionListKey,
                [&](xmlNodePtr element) -> std::optional<PlistDict> {
                  const std::optional<std::int32_t> lower = Integer(context, element, ".pages.value.lower-bound");
                  const std::optional<std::int32_t> upper = Integer(context, element, ".pages.value.upper-bound");
                  if (!lower || !upper) return std::nullopt;  // an incomplete range names no pages
                  if (*lower < 1 || *upper < *lower) {
                    LogPageError(context, element, "the page range is not 1 <= lower <= upper");
                    return std::nullopt;
                  }
                  return PlistDict{{special_page_keys::kStartPageKey, *lower}, {special_page_keys::kEndPageKey, *upper}};
                });
}

void JTKTImportPageInserts(const JTKTImportFeatureContext& context) {
  ImportPageSet(context, ".insert-sheet.value", kJobContextInsert, kInsertListKey,
                [&](xmlNodePtr element) -> std::optional<PlistDict> {
                  const std::optional<std::int32_t> after = Integer(context, element, ".insert-after-page-number");
                  const std::optional<std::int32_t> count = Integer(context, element, ".insert-count");
                  if (!after || !count) return std::nullopt;
                  // Page 0 is before the first page: an insert there opens the job.
                  if (*after < 0 || *count < 1) {
                    LogPageError(context, element, "an insert needs a page number of at least 0 and a count of at least 1");
                    return std::nullopt;
                  }
                  return PlistDict{{special_page_keys::kStartPageKey, *after}, {special_page_keys::kQuantityKey, *count}};
                });
}

void JTKTImportCover(bool front, const JTKTImportFeatureContext& context) {
  xmlNodePtr element = JTKTImportGetNode(context.node, front ? ".cover-front" : ".cover-back");
  if (element == nullptr || context.dictionary == nullptr) return;
  // An earlier file's cover is read on, as the job-level stock is: what this file gives replaces
  // its values one by one.
  PlistValue& slot = (*context.dictionary)[front ? kFrontCoverKey : kBackCoverKey];
  if (slot.asDictionary() == nullptr) slot = PlistDict{};
  PlistDict& page = *slot.asDictionary();
  JTKTImportPageElement(context, element, kJobContextCover, page);
  if (xmlNodePtr type = JTKTImportGetNode(element->children, ".cover-type")) {
    const std::optional<std::string> text = JTKTImportNodeText(type);
    std::int32_t sides = 1;
    if (text == "no-cover") sides = kCoverSidesNoCover;
    if (text == "print-front") sides = 2;
    if (text == "print-back") sides = 3;
    if (text == "print-both") sides = 4;
    page[special_page_keys::kSidesImagedKey] = sides;
  }
}
