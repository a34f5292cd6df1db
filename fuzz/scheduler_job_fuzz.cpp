// Any bytes as what the korvo backend reads from the scheduler: the options text cupsd gives it
// (up to the first new line) and the Get-Job-Attributes reply (the rest). Taking the job's
// attributes, its ticket and the attributes its printer-description options mean must never
// crash, never forward an attribute of another group, and never give an empty warning.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "backend/scheduler_job.h"
#include "ipp/ipp_job_ticket.h"
#include "ipp/ipp_ppd_options.h"
#include "platform/ipp_bytes.h"

namespace {

void Fail(const char* why) {
  std::fprintf(stderr, "scheduler_job_fuzz: %s\n", why);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto* newline = static_cast<const std::uint8_t*>(std::memchr(data, '\n', size));
  const std::size_t optionsSize = newline ? static_cast<std::size_t>(newline - data) : size;
  const std::string text(reinterpret_cast<const char*>(data), optionsSize);
  const platform::CupsOptions parsed(text.c_str());
  std::vector<PPDOption> options;
  for (int i = 0; i < parsed.count(); ++i) options.emplace_back(parsed[i].name, parsed[i].value);
  std::vector<std::string> warnings;
  const platform::IppMessagePtr fromOptions = NewIppFromPPDOptions(options, &warnings);
  for (const std::string& warning : warnings)
    if (warning.empty()) Fail("an empty warning");

  const std::size_t skip = newline ? optionsSize + 1 : optionsSize;
  const platform::IppMessagePtr job =
      platform::ReadIppMessage({reinterpret_cast<const char*>(data) + skip, size - skip});
  if (!job) return 0;
  const platform::IppMessagePtr forwarded = IppJobTemplateOfSchedulerJob(job.get(), job.get());
  for (ipp_attribute_t* a = ippFirstAttribute(forwarded.get()); a != nullptr; a = ippNextAttribute(forwarded.get()))
    if (ippGetGroupTag(a) != IPP_TAG_JOB) Fail("forwarded an attribute of another group");
  IppAddMissingAttributes(forwarded.get(), fromOptions.get());
  (void)IppJobTicket(job.get());
  return 0;
}
