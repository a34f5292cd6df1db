// The shell's Initialize on the sample printer, beside the libcups floor it stands on: opening
// the PPD and marking its defaults. A dialog pays this every time the user picks a printer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <cups/ppd.h>
#pragma GCC diagnostic pop

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "platform/bundle/bundle.h"
#include "shell/pde_shell.h"
#include "support/recording_reporter.h"

namespace {

const std::string kSamplePPD = std::string(KORVO_BUNDLE_DIR) + "/Contents/Resources/KorvoSample.ppd";

// Prologue, Initialize and Terminate: what the dialog calls when a printer is chosen.
void BM_ShellInitialize(benchmark::State& state) {
  platform::PrintSession session;
  session.printer().ppdPath = kSamplePPD;
  for (auto _ : state) {
    platform::PMPDEContext context = nullptr;
    PDEShellPrologue(&context, nullptr, nullptr, nullptr, nullptr, nullptr);
    platform::PMPDEFlags flags = 0;
    if (PDEShellInitialize(context, &flags, nullptr, nullptr, &session) != platform::noErr) {
      state.SkipWithError("Initialize refused the sample printer");
      break;
    }
    PDEShellTerminate(context, platform::noErr);
  }
}
BENCHMARK(BM_ShellInitialize)->Unit(benchmark::kMicrosecond);

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
void BM_BarePPDOpenAndMarkDefaults(benchmark::State& state) {
  for (auto _ : state) {
    ppd_file_t* ppd = ppdOpenFile(kSamplePPD.c_str());
    ppdMarkDefaults(ppd);
    ppdClose(ppd);
  }
}
#pragma GCC diagnostic pop
BENCHMARK(BM_BarePPDOpenAndMarkDefaults)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (!platform::Bundle::open(KORVO_BUNDLE_DIR)) {
    std::fprintf(stderr, "the plug-in bundle is not built at %s\n", KORVO_BUNDLE_DIR);
    return 1;
  }
  korvo_bench::RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRatio("shell Initialize / bare ppdOpenFile + ppdMarkDefaults", "BM_ShellInitialize",
                      "BM_BarePPDOpenAndMarkDefaults");
  benchmark::Shutdown();
  return 0;
}
