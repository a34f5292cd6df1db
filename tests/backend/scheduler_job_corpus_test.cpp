// The scheduler-job fuzzer's seed corpus (with every input it ever found failing) replayed as what
// cupsd gives the backend: the options line, then the Get-Job-Attributes reply.
#include <gtest/gtest.h>

#include "backend/scheduler_job.h"
#include "ipp/ipp_job_ticket.h"
#include "ipp/ipp_ppd_options.h"
#include "platform/ipp_bytes.h"
#include "support/test_support.h"

namespace {

TEST(SchedulerJobCorpus, EverySeedForwardsOnlyJobAttributesAndSaysWhatItLeavesOut) {
  const int seeds = korvo_test::ReplayFuzzCorpus("scheduler_job", [](const std::string& bytes) {
    const std::size_t newline = bytes.find('\n');
    const platform::CupsOptions parsed(bytes.substr(0, newline).c_str());
    std::vector<PPDOption> options;
    for (int i = 0; i < parsed.count(); ++i) options.emplace_back(parsed[i].name, parsed[i].value);
    std::vector<std::string> warnings;
    const platform::IppMessagePtr fromOptions = NewIppFromPPDOptions(options, &warnings);
    for (const std::string& warning : warnings) EXPECT_TRUE(warning.starts_with("WARNING: ")) << warning;
    const platform::IppMessagePtr job =
        platform::ReadIppMessage(newline == std::string::npos ? std::string() : bytes.substr(newline + 1));
    if (!job) return;
    const platform::IppMessagePtr forwarded = IppJobTemplateOfSchedulerJob(job.get(), job.get());
    for (ipp_attribute_t* a = ippFirstAttribute(forwarded.get()); a != nullptr; a = ippNextAttribute(forwarded.get()))
      EXPECT_EQ(ippGetGroupTag(a), IPP_TAG_JOB) << ippGetName(a);
    IppAddMissingAttributes(forwarded.get(), fromOptions.get());
    (void)IppJobTicket(job.get());
  });
  EXPECT_GE(seeds, 2);
}

}  // namespace
