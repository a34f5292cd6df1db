// How fast property lists are read and written, against libxml2 parsing the same bytes into a
// bare tree: the cost of our checks and of building values is what the ratio shows.
#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#if defined(__GLIBC__)
#endif

#include <cstdio>
#include <string>

#include "platform/plist/xml_plist.h"
#include "support/keep_freed_memory.h"
#include "support/recording_reporter.h"

namespace {

using platform::PlistArray;
using platform::PlistDict;
using platform::PlistValue;

// About 1 MB in the shape of the files the dialog keeps: many small records of strings,
// integers, reals, booleans, arrays and nested dictionaries.
const std::string& SampleDocument() {
  static const std::string document = [] {
    PlistArray records;
    for (int i = 0; records.size() < 1400; ++i) {
      PlistArray tags;
      for (int t = 0; t < 4; ++t) tags.emplace_back("tag-" + std::to_string((i * 7 + t) % 97));
      records.emplace_back(PlistDict{
          {"Name", "Korvo stock " + std::to_string(i) + " & friends"},
          {"Identifier", i * 1000003},
          {"Weight", 80.0 + i * 0.125},
          {"Opacity", 1.0 / (i + 3)},
          {"Enabled", i % 3 != 0},
          {"Tags", tags},
          {"Media", PlistDict{{"Width", 595.275590551181}, {"Height", 841.889763779528},
                              {"Type", "Plain"}, {"Colour", "White"}, {"Tray", i % 6}}},
      });
    }
    return *platform::WriteXMLPlist(PlistDict{{"Records", records}, {"Version", 3}});
  }();
  return document;
}

void BM_ReadXMLPlist(benchmark::State& state) {
  const std::string& bytes = SampleDocument();
  for (auto _ : state) {
    auto value = platform::ReadXMLPlist(bytes);
    if (!value) state.SkipWithError(value.error().c_str());
    benchmark::DoNotOptimize(value);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadXMLPlist)->Unit(benchmark::kMillisecond);

// libxml2 building and freeing its tree; options as a plain caller would pass them, and again
// with XML_PARSE_COMPACT, which spares a malloc per short text node and is libxml2's fastest.
void BareParse(benchmark::State& state, int options) {
  const std::string& bytes = SampleDocument();
  for (auto _ : state) {
    xmlDoc* doc = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr, options);
    if (doc == nullptr) state.SkipWithError("libxml2 failed to parse the sample");
    benchmark::DoNotOptimize(doc);
    xmlFreeDoc(doc);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

void BM_BareLibxml2Parse(benchmark::State& state) { BareParse(state, XML_PARSE_NONET); }
BENCHMARK(BM_BareLibxml2Parse)->Unit(benchmark::kMillisecond);

void BM_BareLibxml2ParseCompact(benchmark::State& state) {
  BareParse(state, XML_PARSE_NONET | XML_PARSE_COMPACT);
}
BENCHMARK(BM_BareLibxml2ParseCompact)->Unit(benchmark::kMillisecond);

void BM_WriteXMLPlist(benchmark::State& state) {
  const PlistValue value = *platform::ReadXMLPlist(SampleDocument());
  for (auto _ : state) {
    auto bytes = platform::WriteXMLPlist(value);
    benchmark::DoNotOptimize(bytes);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(SampleDocument().size()));
}
BENCHMARK(BM_WriteXMLPlist)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  korvo_bench::KeepFreedMemory();
  xmlInitParser();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // Figures for a read that fails or loses values would be meaningless.
  auto sample = platform::ReadXMLPlist(SampleDocument());
  if (!sample || *platform::WriteXMLPlist(*sample) != SampleDocument()) {
    std::fprintf(stderr, "the sample does not read back: %s\n", sample ? "values differ" : sample.error().c_str());
    return 1;
  }
  std::printf("sample document: %zu bytes\n", SampleDocument().size());
  korvo_bench::RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRatio("plist read / bare libxml2 parse", "BM_ReadXMLPlist", "BM_BareLibxml2Parse");
  reporter.printRatio("plist read / bare libxml2 parse, compact tree", "BM_ReadXMLPlist",
                      "BM_BareLibxml2ParseCompact");
  benchmark::Shutdown();
  return 0;
}
