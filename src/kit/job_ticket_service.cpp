#include "kit/job_ticket_service.h"

#include "platform/status.h"

platform::OSStatus ExportJobTicketFromDialog(const JobTicketService& service, const char* path) {
  return service.exportToPath ? service.exportToPath(service.dialog, path) : platform::kPMInvalidPDEContext;
}

platform::OSStatus ImportJobTicketsIntoDialog(const JobTicketService& service, const char* const* paths, int count,
                                              JobTicketSummaryProc summary, void* refCon) {
  return service.importPaths ? service.importPaths(service.dialog, paths, count, summary, refCon) : platform::kPMInvalidPDEContext;
}
