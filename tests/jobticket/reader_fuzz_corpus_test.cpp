// The import fuzzer's seed corpus (and every input it ever found failing, kept there) replayed as
// an ordinary test: each file is imported or refused whole.
#include <gtest/gtest.h>

#include <filesystem>

#include "jobticket/reader/jtkt_import_log.h"
#include "jobticket/reader/jtkt_reader.h"
#include "reader_test_support.h"
#include "support/test_support.h"

namespace {

class ReaderFuzzCorpus : public jtkt_test::ReaderTest {};

TEST_F(ReaderFuzzCorpus, EverySeedIsImportedOrRefusedWhole) {
  const std::filesystem::path corpus = std::filesystem::path(KORVO_SOURCE_DIR) / "fuzz/corpus/jobticket_import";
  const platform::PlistDict earlier{{"com.korvo.print.FinishingDuplex", 2}};
  int seeds = 0;
  JTKTSetImportErrorStream(nullptr);
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    platform::PlistDict dictionary = earlier;
    const platform::OSStatus status =
        JTKTImportDocument(korvo_test::ReadFile(entry.path().string()), entry.path().filename(), &dictionary);
    EXPECT_TRUE(status == platform::noErr || (status == kJTKTUnreadableFile && dictionary == earlier))
        << entry.path();
    ++seeds;
  }
  JTKTSetImportErrorStream(stderr);
  EXPECT_GE(seeds, 8);
}

}  // namespace
