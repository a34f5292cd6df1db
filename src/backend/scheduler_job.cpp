// Reading the job back from cupsd.
#include "backend/scheduler_job.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

#include "ipp/ipp.h"
#include "platform/cups_library.h"

namespace {

// What goes on to the printer, sorted: the registered Job Template and production attributes
// the Korvo settings make. (The job ticket's pieces travel on in a document of their own.)
constexpr std::string_view kForwarded[] = {"cover-back",
                                           "cover-front",
                                           "feed-orientation",
                                           "finishings",
                                           "finishings-col",
                                           "insert-sheet",
                                           "job-account-id",
                                           "job-accounting-user-id",
                                           "job-error-sheet",
                                           "job-message-to-operator",
                                           "job-recipient-name",
                                           "job-save-disposition",
                                           "job-sheet-message",
                                           "media-col",
                                           "multiple-document-handling",
                                           "orientation-requested",
                                           "output-bin",
                                           "overrides",
                                           "page-delivery",
                                           "page-ranges",
                                           "page-set",
                                           "pages-per-subset",
                                           "presentation-direction-number-up",
                                           "print-color-mode",
                                           "print-quality",
                                           "print-scaling",
                                           "printer-resolution",
                                           "separator-sheets",
                                           "sides",
                                           "x-side1-image-shift",
                                           "x-side2-image-shift",
                                           "y-side1-image-shift",
                                           "y-side2-image-shift"};
static_assert(std::is_sorted(std::begin(kForwarded), std::end(kForwarded)));

bool SameValues(ipp_attribute_t* a, ipp_attribute_t* b) {
  char left[4096], right[4096];
  return ippGetValueTag(a) == ippGetValueTag(b) && ippAttributeString(a, left, sizeof left) < sizeof left &&
         ippAttributeString(b, right, sizeof right) < sizeof right && std::string_view(left) == right;
}

}  // namespace

platform::IppMessagePtr ReadQueueDefaults(const std::string& queue) {
  if (queue.empty()) return nullptr;
  platform::IppMessagePtr request =
      NewIppPrinterRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, "ipp://localhost/printers/" + queue);
  std::vector<std::string> names;
  for (std::string_view name : kForwarded) names.push_back(std::string(name) + "-default");
  std::vector<const char*> values;
  for (const std::string& name : names) values.push_back(name.c_str());
  ippAddStrings(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                static_cast<int>(values.size()), nullptr, values.data());
  platform::IppMessagePtr reply(cupsDoRequest(CUPS_HTTP_DEFAULT, request.release(), "/"));
  if (!reply || ippGetStatusCode(reply.get()) >= IPP_STATUS_ERROR_BAD_REQUEST) return nullptr;
  return reply;
}

platform::OSStatus ReadSchedulerJob(int jobId, platform::IppMessagePtr* job, std::string* error) {
  platform::IppMessagePtr request =
      NewIppPrinterRequest(IPP_OP_GET_JOB_ATTRIBUTES, "ipp://localhost/jobs/" + std::to_string(jobId), "job-uri");
  ipp_t* r = request.get();
  // cupsd's "all" leaves out the attributes it does not count as the job's own (the job ticket's,
  // job-accounting-user-id, job-sheet-message), so each is asked for by name as well.
  std::vector<const char*> requested = {"all", kIppJobTicketAttribute};
  for (std::string_view name : kForwarded) requested.push_back(name.data());
  ippAddStrings(r, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", static_cast<int>(requested.size()),
                nullptr, requested.data());
  // cupsDoRequest takes the request and releases it.
  platform::IppMessagePtr reply(cupsDoRequest(CUPS_HTTP_DEFAULT, request.release(), "/jobs/"));
  if (!reply || ippGetStatusCode(reply.get()) >= IPP_STATUS_ERROR_BAD_REQUEST) {
    *error = "cannot read job " + std::to_string(jobId) + " from the scheduler (" + cupsLastErrorString() + ")";
    return platform::ioErr;
  }
  *job = std::move(reply);
  return platform::noErr;
}

platform::IppMessagePtr IppJobTemplateOfSchedulerJob(ipp_t* job, ipp_t* queueDefaults) {
  platform::IppMessagePtr forwarded(ippNew());
  for (ipp_attribute_t* a = job == nullptr ? nullptr : ippFirstAttribute(job); a != nullptr;
       a = ippNextAttribute(job)) {
    const char* name = ippGetName(a);
    if (name == nullptr || ippGetGroupTag(a) != IPP_TAG_JOB ||
        !std::binary_search(std::begin(kForwarded), std::end(kForwarded), std::string_view(name)))
      continue;
    ipp_attribute_t* fallback =
        queueDefaults ? ippFindAttribute(queueDefaults, (std::string(name) + "-default").c_str(), IPP_TAG_ZERO)
                      : nullptr;
    if (fallback == nullptr || !SameValues(a, fallback)) ippCopyAttribute(forwarded.get(), a, 0);
  }
  return forwarded;
}
