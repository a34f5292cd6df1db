// cover-front, cover-back, insert-sheet and overrides: each special page with its own paper,
// read through the model classes as the job-ticket writer reads them.
#include <memory>

#include "ipp/ipp_job_template.h"
#include "jobticket/writer/jtkt_writer.h"
#include "model/image_shift_options.h"
#include "model/special_pages_ticket.h"

namespace {

using platform::PlistDict;

// A cover's sides 1 to 4 (blank or pre-printed, front, back, both).
constexpr const char* kCoverTypes[] = {"print-none", "print-front", "print-back", "print-both"};
// An exception range's plex 1 to 3.
constexpr const char* kSides[] = {"one-sided", "two-sided-long-edge", "two-sided-short-edge"};

// Adds the stock's media-col to col, when it says anything.
void AddMediaCol(ipp_t* col, const Stock& stock) {
  _MEDIADATA media;
  FillMediaData(&media, stock);
  if (const platform::IppMessagePtr mediaCol = NewIppMediaCol(media))
    ippAddCollection(col, IPP_TAG_ZERO, "media-col", mediaCol.get());
}

// The front cover of a booklet that forces a new size takes the job's size, as in the job ticket.
void AddCover(ipp_t* request, const PlistDict* ticket, const char* key, const char* attribute, bool booklet) {
  const PlistDict* dictionary = JTktDictionary(ticket, key);
  if (request == nullptr || dictionary == nullptr) return;
  Cover cover(*dictionary);
  if (booklet) TakeJobSizeForBooklet(ticket, cover.stock());
  const std::int32_t sides = cover.sidesImaged();
  if (sides < 1 || sides > 4) return;
  const platform::IppMessagePtr col(ippNew());
  ippAddString(col.get(), IPP_TAG_ZERO, IPP_TAG_KEYWORD, "cover-type", nullptr, kCoverTypes[sides - 1]);
  AddMediaCol(col.get(), cover.stock());
  ippAddCollection(request, IPP_TAG_JOB, attribute, col.get());
}

const platform::PlistArray* List(const PlistDict* ticket, const char* key) {
  if (!JTktHas(ticket, key)) return nullptr;
  return platform::PlistDictFind(*ticket, key)->asArray();
}

// Adds the collections as one 1setOf attribute; nothing for none.
void AddCollections(ipp_t* request, const char* name, const std::vector<platform::IppMessagePtr>& cols) {
  ipp_attribute_t* attribute = nullptr;
  for (const platform::IppMessagePtr& col : cols) {
    if (attribute == nullptr)
      attribute = ippAddCollection(request, IPP_TAG_JOB, name, col.get());
    else
      ippSetCollection(request, &attribute, ippGetCount(attribute), col.get());
  }
}

}  // namespace

void AddIppCovers(ipp_t* request, const PlistDict* ticket) {
  AddCover(request, ticket, kFrontCoverKey, "cover-front", true);
  AddCover(request, ticket, kBackCoverKey, "cover-back", false);
}

void AddIppInserts(ipp_t* request, const PlistDict* ticket) {
  const platform::PlistArray* list = List(ticket, kInsertListKey);
  if (request == nullptr || list == nullptr) return;
  std::vector<platform::IppMessagePtr> cols;
  for (const platform::PlistValue& entry : *list) {
    const PlistDict* dictionary = entry.asDictionary();
    if (dictionary == nullptr) continue;
    const Insert insert(*dictionary);
    if (insert.startPage() < 0 || insert.quantity() < 1) continue;
    platform::IppMessagePtr col(ippNew());
    ippAddInteger(col.get(), IPP_TAG_ZERO, IPP_TAG_INTEGER, "insert-after-page-number", insert.startPage());
    ippAddInteger(col.get(), IPP_TAG_ZERO, IPP_TAG_INTEGER, "insert-count", insert.quantity());
    AddMediaCol(col.get(), insert.stock());
    cols.push_back(std::move(col));
  }
  AddCollections(request, "insert-sheet", cols);
}

void AddIppOverrides(ipp_t* request, const PlistDict* ticket) {
  const platform::PlistArray* list = List(ticket, kExceptionListKey);
  if (request == nullptr || list == nullptr) return;
  std::vector<platform::IppMessagePtr> cols;
  for (const platform::PlistValue& entry : *list) {
    const PlistDict* dictionary = entry.asDictionary();
    if (dictionary == nullptr) continue;
    const std::unique_ptr<ExceptionPage> range = ExceptionPageFromTicket(*dictionary);
    if (!range) continue;
    platform::IppMessagePtr col(ippNew());
    ippAddRange(col.get(), IPP_TAG_ZERO, "pages", range->startPage(), range->endPage());
    if (range->plex() >= 1 && range->plex() <= 3)
      ippAddString(col.get(), IPP_TAG_ZERO, IPP_TAG_KEYWORD, "sides", nullptr, kSides[range->plex() - 1]);
    AddMediaCol(col.get(), range->stock());
    if (range->imageShift().valid)
      AddIppImageShiftMembers(col.get(), IPP_TAG_ZERO, JTktDictionary(dictionary, kImageShiftOptionsPageKey));
    cols.push_back(std::move(col));
  }
  AddCollections(request, "overrides", cols);
}
