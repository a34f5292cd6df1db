// The supported-attributes fuzzer's seed corpus (and every input it ever found failing, kept
// there) replayed: each seed read as a printer's answer leaves the job no larger, and a warning
// names every setting it drops.
#include <gtest/gtest.h>

#include <cups/ipp.h>

#include <filesystem>

#include "ipp/ipp_job_template.h"
#include "ipp/ipp_supported.h"
#include "model/job_level_stock.h"
#include "model/paper_output_keys.h"
#include "support/test_support.h"

namespace {

const std::filesystem::path kCorpus = std::filesystem::path(KORVO_SOURCE_DIR) / "fuzz/corpus/printer_supported";

platform::IppMessagePtr Read(const std::string& bytes) {
  platform::IppMessagePtr message(ippNew());
  std::size_t at = 0;
  struct Source {
    const std::string* bytes;
    std::size_t* at;
  } source{&bytes, &at};
  const auto read = [](void* context, ipp_uchar_t* into, size_t wanted) -> ssize_t {
    auto* s = static_cast<Source*>(context);
    const std::size_t n = std::min(wanted, s->bytes->size() - *s->at);
    std::copy_n(s->bytes->data() + *s->at, n, into);
    *s->at += n;
    return static_cast<ssize_t>(n);
  };
  if (ippReadIO(&source, read, 1, nullptr, message.get()) != IPP_STATE_DATA) return nullptr;
  return message;
}

int Count(ipp_t* message) {
  int n = 0;
  for (ipp_attribute_t* a = ippFirstAttribute(message); a != nullptr; a = ippNextAttribute(message)) ++n;
  return n;
}

TEST(IppSupportedCorpus, EverySeedKeepsNoMoreThanTheJobAndNamesWhatItDrops) {
  const platform::PlistDict ticket{
      {kJobLevelStockKey, platform::PlistDict{{"Size", 4}, {"Color", 2}, {"Weight", 120}}},
      {kFinishingOptionsKey, 4},
      {kFinishingStaple1ValueKey, 5},
  };
  platform::IppMessagePtr job(ippNew());
  AddIppJobTemplate(job.get(), &ticket);
  ASSERT_GT(Count(job.get()), 0);
  int seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kCorpus)) {
    SCOPED_TRACE(entry.path().string());
    platform::IppMessagePtr printer = Read(korvo_test::ReadFile(entry.path().string()));
    ASSERT_TRUE(printer);
    std::vector<std::string> warnings;
    platform::IppMessagePtr kept = IppKeepSupported(job.get(), printer.get(), &warnings);
    ASSERT_TRUE(kept);
    EXPECT_LE(Count(kept.get()), Count(job.get()));
    // Whatever a printer leaves out is said.
    EXPECT_TRUE(Count(kept.get()) == Count(job.get()) || !warnings.empty());
    for (const std::string& warning : warnings) EXPECT_TRUE(warning.starts_with("WARNING: ")) << warning;
    ++seeds;
  }
  EXPECT_GE(seeds, 6);
}

}  // namespace
