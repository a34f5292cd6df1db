#include "kit/job_ticket_service.h"

#include "platform/status.h"

namespace {
JobTicketService gService;  // the installed dialog's; empty outside a dialog
}  // namespace

void InstallJobTicketService(const JobTicketService& service) { gService = service; }

platform::OSStatus ExportJobTicketFromDialog(const char* path) {
  return gService.exportToPath ? gService.exportToPath(path) : platform::kPMInvalidPDEContext;
}

platform::OSStatus ImportJobTicketsIntoDialog(const char* const* paths, int count, JobTicketSummaryProc summary,
                                              void* refCon) {
  return gService.importPaths ? gService.importPaths(paths, count, summary, refCon) : platform::kPMInvalidPDEContext;
}
