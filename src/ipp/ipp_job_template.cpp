// The job template of a ticket: every family, in one order.
#include "ipp/ipp_job_template.h"
#include "jobticket/writer/jtkt_writer.h"
#include "model/job_level_stock.h"

void AddIppJobMedia(ipp_t* request, const platform::PlistDict* ticket) {
  if (request == nullptr || ticket == nullptr) return;
  const platform::PlistDict* stock = JTktDictionary(ticket, kJobLevelStockKey);
  if (stock == nullptr) return;
  _MEDIADATA media;
  FillMediaData(&media, stock, 0);
  if (const platform::IppMessagePtr col = NewIppMediaCol(media)) ippAddCollection(request, IPP_TAG_JOB, "media-col", col.get());
}

void AddIppJobTemplate(ipp_t* request, const platform::PlistDict* ticket) {
  AddIppJobMedia(request, ticket);
  AddIppCovers(request, ticket);
  AddIppInserts(request, ticket);
  AddIppOverrides(request, ticket);
  AddIppFinishings(request, ticket);
  AddIppImageShift(request, ticket);
  AddIppJobNotes(request, ticket);
  AddIppJobDisposition(request, ticket);
  AddIppPageRange(request, ticket);
}
