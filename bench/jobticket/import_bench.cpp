// Import of the heavy job's export document beside a bare libxml2 parse of the same bytes: the
// reader should cost little more than the parse it stands on.
#include <benchmark/benchmark.h>

#include <string>

#include "heavy_job.h"
#include "jobticket/reader/jtkt_import_log.h"
#include "jobticket/reader/jtkt_reader.h"
#include "vocabulary/device_profile.h"

bool LoadDeviceProfileForImport() {
  JTKTSetImportErrorStream(nullptr);
  return KFSInitializeFromFile(std::string(KORVO_SOURCE_DIR) + "/resources/Device Profile.plist");
}

namespace {

// Parse, conversion of every importable feature of the job and of each special page, and the
// finishing option: everything but the merge into the ticket.
void Import(benchmark::State& state, const std::string& bytes) {
  for (auto _ : state) {
    platform::PlistDict imported;
    if (JTKTImportDocument(bytes, "heavy.xml", &imported) != platform::noErr) state.SkipWithError("import failed");
    benchmark::DoNotOptimize(imported);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

void BM_ImportHeavyJob(benchmark::State& state) { Import(state, ExportedDocument()); }
BENCHMARK(BM_ImportHeavyJob)->Unit(benchmark::kMicrosecond);

void BM_ImportLargeJob(benchmark::State& state) { Import(state, LargeExportedDocument()); }
BENCHMARK(BM_ImportLargeJob)->Unit(benchmark::kMillisecond);

void BM_BareLibxml2ParseOfLargeJob(benchmark::State& state) { BareParse(state, LargeExportedDocument()); }
BENCHMARK(BM_BareLibxml2ParseOfLargeJob)->Unit(benchmark::kMillisecond);

}  // namespace
