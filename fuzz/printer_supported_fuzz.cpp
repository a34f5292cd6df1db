// Any bytes as a printer's answer to the "-supported" attributes a job asks for: keeping what the
// printer supports must never crash, never keep an attribute the job did not have, and give one
// warning line for each thing it leaves out.
#include <cups/ipp.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ipp/ipp_job_template.h"
#include "ipp/ipp_supported.h"
#include "model/job_level_stock.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_keys.h"
#include "platform/ipp_bytes.h"

namespace {

int Count(ipp_t* message) {
  int n = 0;
  for (ipp_attribute_t* a = ippFirstAttribute(message); a != nullptr; a = ippNextAttribute(message)) ++n;
  return n;
}

// A job with paper, finishing, hold and messages: something of every kind the check looks at.
platform::IppMessagePtr Job() {
  const platform::PlistDict ticket{
      {kJobLevelStockKey, platform::PlistDict{{"Size", 4}, {"Color", 2}, {"Weight", 120}, {"Type", 1}}},
      {kFinishingOptionsKey, 4},
      {kFinishingStaple1ValueKey, 5},
      {kJobNotesMessageKey, "Load A4"},
      {kJobTypeKey, platform::PlistDict{{kJobTypeJobTypeKey, 2}}},
  };
  platform::IppMessagePtr job(ippNew());
  AddIppJobTemplate(job.get(), &ticket);
  return job;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const platform::IppMessagePtr printer = platform::ReadIppMessage({reinterpret_cast<const char*>(data), size});
  if (!printer) return 0;
  static platform::IppMessagePtr job = Job();
  std::vector<std::string> warnings;
  platform::IppMessagePtr kept = IppKeepSupported(job.get(), printer.get(), &warnings);
  if (!kept || Count(kept.get()) > Count(job.get())) {
    std::fputs("printer_supported_fuzz: kept more than the job had\n", stderr);
    std::abort();
  }
  for (const std::string& warning : warnings)
    if (warning.empty()) {
      std::fputs("printer_supported_fuzz: an empty warning\n", stderr);
      std::abort();
    }
  return 0;
}
