// Type 42 conversion of DejaVu Sans (about 740 KB) beside lcdf-typetools' ttftotype42 on the same
// font in the same run: our conversion in this process, and korvo-pde's type42 command as a
// program, each against the ttftotype42 program. Wall-clock time, since the programs' CPU time is
// not ours.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/keep_freed_memory.h"
#include "support/recording_reporter.h"
#include "watermark/type42_conversion.h"

namespace {

constexpr const char* kFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

const std::vector<std::uint8_t>& FontFile() {
  static const std::vector<std::uint8_t> bytes = [] {
    std::ifstream in(kFont, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
  }();
  return bytes;
}

std::string OutputPath(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string("korvo-type42-bench-") + name)).string();
}

// Our conversion into memory, then written to a file as the program versions do.
void BM_ConvertTTFtoPS42(benchmark::State& state) {
  const FontBytes font(FontFile().data(), FontFile().size());
  const std::string out = OutputPath("ours.t42");
  for (auto _ : state) {
    std::string program;
    if (convertTTFtoPS42(font, "DejaVuSans", &program, nullptr) != Type42Result::kDone) state.SkipWithError("refused");
    std::ofstream(out, std::ios::binary) << program;
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(FontFile().size()));
}
BENCHMARK(BM_ConvertTTFtoPS42)->Unit(benchmark::kMillisecond)->UseRealTime();

void RunProgram(benchmark::State& state, const std::string& command) {
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError(command.c_str());
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(FontFile().size()));
}

void BM_KorvoPdeType42Program(benchmark::State& state) {
  RunProgram(state, std::string(KORVO_BIN_DIR) + "/korvo-pde type42 " + kFont + " -o " + OutputPath("pde.t42"));
}
BENCHMARK(BM_KorvoPdeType42Program)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Ttftotype42Program(benchmark::State& state) {
  RunProgram(state, std::string("ttftotype42 ") + kFont + " " + OutputPath("theirs.t42"));
}
BENCHMARK(BM_Ttftotype42Program)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  korvo_bench::KeepFreedMemory();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (FontFile().empty()) {
    std::fprintf(stderr, "%s cannot be read\n", kFont);
    return 1;
  }
  std::printf("font: %s, %zu bytes\n", kFont, FontFile().size());
  korvo_bench::RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRealTimeRatio("our conversion / ttftotype42 program", "BM_ConvertTTFtoPS42/real_time",
                              "BM_Ttftotype42Program/real_time");
  reporter.printRealTimeRatio("korvo-pde type42 / ttftotype42 program", "BM_KorvoPdeType42Program/real_time",
                              "BM_Ttftotype42Program/real_time");
  benchmark::Shutdown();
  for (const char* name : {"ours.t42", "pde.t42", "theirs.t42"}) std::filesystem::remove(OutputPath(name));
  return 0;
}
