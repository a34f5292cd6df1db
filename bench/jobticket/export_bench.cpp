// Export of a job ticket beside a bare libxml2 parse of the file it writes: writing a document
// should cost no more than reading it back (and import_bench.cpp: reading it back into ticket
// entries little more than the parse). The ticket is a heavy job: 200 inserts and 2,000
// exception pages with a stock each, beside every job-level setting. The papers of those
// special pages are also written as media elements on their own, since media is what the
// special-page sections spend their time on.
#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#if defined(__GLIBC__)
#endif

#include <cstdio>
#include <string>
#include <vector>

#include "heavy_job.h"
#include "jobticket/writer/jtkt_writer.h"
#include "model/job_level_stock.h"
#include "model/special_pages_ticket.h"
#include "support/keep_freed_memory.h"
#include "support/recording_reporter.h"

namespace {

// The media elements of every special page's paper, framed as a document.
std::string WriteSpecialPageMedia(const SpecialPages& pages) {
  std::string out;
  JTktWriteContext ctx{&out, [](void* refCon, const char* text, std::size_t length) {
                         static_cast<std::string*>(refCon)->append(text, length);
                         return 0;
                       }};
  WriteJTktHeader(&ctx, kJTktCurrentDTDVersion);
  WriteJTktJobAttribStart(&ctx);
  _MEDIADATA media;
  for (long i = 0; i < pages.inserts.count(); ++i) {
    FillMediaData(&media, pages.inserts.pageAtIndex(i)->stock());
    WriteJTktMedia(&ctx, &media);
  }
  for (long i = 0; i < pages.exceptions.count(); ++i) {
    FillMediaData(&media, pages.exceptions.pageAtIndex(i)->stock());
    WriteJTktMedia(&ctx, &media);
  }
  WriteJTktJobAttribEnd(&ctx);
  WriteJTktTrailer(&ctx);
  return out;
}

const SpecialPages& HeavyJobPages() {
  static const SpecialPages pages = ReadSpecialPages(HeavyJob());
  return pages;
}

const std::string& MediaDocument() {
  static const std::string document = WriteSpecialPageMedia(HeavyJobPages());
  return document;
}

// What the export command costs after the Sync: copying the ticket's items and writing the document.
void BM_ExportHeavyJob(benchmark::State& state) {
  for (auto _ : state) {
    auto document = JTKTWriteDocument(JTKTCopyKorvoItems(HeavyJob()), 0);
    benchmark::DoNotOptimize(document);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(ExportedDocument().size()));
}
BENCHMARK(BM_ExportHeavyJob)->Unit(benchmark::kMicrosecond);

void BM_BareLibxml2ParseOfExport(benchmark::State& state) { BareParse(state, ExportedDocument()); }
BENCHMARK(BM_BareLibxml2ParseOfExport)->Unit(benchmark::kMicrosecond);

void BM_WriteSpecialPageMedia(benchmark::State& state) {
  for (auto _ : state) {
    std::string document = WriteSpecialPageMedia(HeavyJobPages());
    benchmark::DoNotOptimize(document);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(MediaDocument().size()));
}
BENCHMARK(BM_WriteSpecialPageMedia)->Unit(benchmark::kMicrosecond);

void BM_BareLibxml2ParseOfMedia(benchmark::State& state) { BareParse(state, MediaDocument()); }
BENCHMARK(BM_BareLibxml2ParseOfMedia)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  korvo_bench::KeepFreedMemory();
  xmlInitParser();
  if (!LoadDeviceProfileForImport()) {
    std::fprintf(stderr, "the device profile could not be read\n");
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (ExportedDocument().empty() || HeavyJobPages().exceptions.count() != kExceptionPages ||
      HeavyJobPages().inserts.count() != kInserts) {
    std::fprintf(stderr, "the heavy job could not be built or written\n");
    return 1;
  }
  std::printf("export document: %zu bytes; special-page media document: %zu bytes (%d inserts, %d exception pages); "
              "large job: %zu bytes (%d exception pages)\n",
              ExportedDocument().size(), MediaDocument().size(), kInserts, kExceptionPages,
              LargeExportedDocument().size(), kLargeJobExceptionPages);
  korvo_bench::RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRatio("export / bare libxml2 parse of its file", "BM_ExportHeavyJob", "BM_BareLibxml2ParseOfExport");
  reporter.printRatio("special-page media / bare libxml2 parse of it", "BM_WriteSpecialPageMedia",
                      "BM_BareLibxml2ParseOfMedia");
  reporter.printRatio("import / bare libxml2 parse of the same file", "BM_ImportHeavyJob", "BM_BareLibxml2ParseOfExport");
  reporter.printRatio("import of the large job / bare libxml2 parse of it", "BM_ImportLargeJob",
                      "BM_BareLibxml2ParseOfLargeJob");
  benchmark::Shutdown();
  return 0;
}
