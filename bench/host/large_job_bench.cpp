// Large jobs: `show` on sessions of 1,000, 10,000 and 100,000 exception ranges or inserts, and
// the import of job tickets of the same sizes, each beside a bare libxml2 parse of the same
// file. Both should cost little more than the parse they stand on, and grow as it grows: no
// step may scan the list once per entry.
#include <benchmark/benchmark.h>
#include <libxml/parser.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "host/command_line.h"
#include "host/show_command.h"
#include "jobticket/reader/jtkt_import_log.h"
#include "jobticket/reader/jtkt_reader.h"
#include "jobticket/writer/jtkt_export.h"
#include "model/client_information_keys.h"
#include "model/special_pages_ticket.h"
#include "platform/files/file_io.h"
#include "support/recording_reporter.h"
#include "vocabulary/device_profile.h"

namespace {

const std::filesystem::path kWork = std::filesystem::temp_directory_path() / ("korvo-large-job-bench-" + std::to_string(getpid()));
constexpr int kSizes[] = {1000, 10000, 100000};

enum class Kind { Ranges, Inserts };

// A ticket of n exception ranges of two pages each, or n inserts after pages 1 to n.
platform::Ticket JobOf(Kind kind, int n) {
  platform::Ticket ticket;
  ticket.set(kJTKTOptionsKey, platform::PlistDict{{kJTKTOptionAllKey, true}}, "K");
  SpecialPages pages;
  std::vector<ExceptionPage> ranges(kind == Kind::Ranges ? static_cast<std::size_t>(n) : 0);
  std::vector<Insert> inserts(kind == Kind::Inserts ? static_cast<std::size_t>(n) : 0);
  std::vector<const SpecialPage*> added;
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    ranges[i].setStartPage(static_cast<std::int32_t>(i * 3 + 1));
    ranges[i].setEndPage(static_cast<std::int32_t>(i * 3 + 2));
    added.push_back(&ranges[i]);
  }
  for (std::size_t i = 0; i < inserts.size(); ++i) {
    inserts[i].setStartPage(static_cast<std::int32_t>(i + 1));
    added.push_back(&inserts[i]);
  }
  if (kind == Kind::Ranges)
    pages.exceptions.add(added);
  else
    pages.inserts.add(added);
  WriteSpecialPages(ticket, pages);
  return ticket;
}

std::string Name(Kind kind, int n) { return (kind == Kind::Ranges ? "ranges-" : "inserts-") + std::to_string(n); }

korvo_host::CommandLine ShowLine(const std::string& session) {
  korvo_host::CommandLine line;
  line.command = "show";
  line.sessionPath = session;
  line.bundlePath = KORVO_BUNDLE_DIR;
  return line;
}

int RunShow(const std::string& session) {
  std::ostringstream out, err;
  return korvo_host::RunShowCommand(ShowLine(session), out, err);
}

// The session file of the job as the panels keep it: saved once, then shown once, so that every
// timed show reads what it writes.
const std::string& SessionFile(Kind kind, int n) {
  static std::map<std::string, std::string> files;
  std::string& path = files[Name(kind, n)];
  if (path.empty()) {
    path = (kWork / (Name(kind, n) + ".plist")).string();
    platform::PrintSession session;
    session.ensureTicket(platform::kPDE_PMPrintSettingsRef) = JobOf(kind, n);
    if (!session.save(path) || RunShow(path) != 0) path = "-";
  }
  return path;
}

const std::string& JobTicket(Kind kind, int n) {
  static std::map<std::string, std::string> documents;
  std::string& document = documents[Name(kind, n)];
  if (document.empty()) document = JTKTWriteDocument(JTKTCopyKorvoItems(JobOf(kind, n)), 0).value_or("");
  return document;
}

void Show(benchmark::State& state, Kind kind) {
  const std::string& path = SessionFile(kind, static_cast<int>(state.range(0)));
  for (auto _ : state)
    if (path == "-" || RunShow(path) != 0) state.SkipWithError("show failed");
}

void ParseFile(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    const platform::Result<std::string> bytes = platform::ReadFileBytes(path);
    xmlDoc* doc = bytes ? xmlReadMemory(bytes->data(), static_cast<int>(bytes->size()), nullptr, nullptr, XML_PARSE_NONET)
                        : nullptr;
    if (doc == nullptr) state.SkipWithError("libxml2 refused the file");
    xmlFreeDoc(doc);
  }
}

void Import(benchmark::State& state, Kind kind) {
  const std::string& document = JobTicket(kind, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    platform::PlistDict imported;
    if (JTKTImportDocument(document, "large.xml", &imported) != platform::noErr) state.SkipWithError("import failed");
    benchmark::DoNotOptimize(imported);
  }
}

void ParseDocument(benchmark::State& state, const std::string& bytes) {
  for (auto _ : state) {
    xmlDoc* doc = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr, XML_PARSE_NONET);
    if (doc == nullptr) state.SkipWithError("libxml2 refused the document");
    xmlFreeDoc(doc);
  }
}

void BM_ShowRanges(benchmark::State& s) { Show(s, Kind::Ranges); }
void BM_ParseRangesSession(benchmark::State& s) { ParseFile(s, SessionFile(Kind::Ranges, static_cast<int>(s.range(0)))); }
void BM_ShowInserts(benchmark::State& s) { Show(s, Kind::Inserts); }
void BM_ParseInsertsSession(benchmark::State& s) { ParseFile(s, SessionFile(Kind::Inserts, static_cast<int>(s.range(0)))); }
void BM_ImportRanges(benchmark::State& s) { Import(s, Kind::Ranges); }
void BM_ParseRangesTicket(benchmark::State& s) { ParseDocument(s, JobTicket(Kind::Ranges, static_cast<int>(s.range(0)))); }
void BM_ImportInserts(benchmark::State& s) { Import(s, Kind::Inserts); }
void BM_ParseInsertsTicket(benchmark::State& s) { ParseDocument(s, JobTicket(Kind::Inserts, static_cast<int>(s.range(0)))); }

#define SIZES Unit(benchmark::kMillisecond)->Arg(1000)->Arg(10000)->Arg(100000)
BENCHMARK(BM_ShowRanges)->SIZES;
BENCHMARK(BM_ParseRangesSession)->SIZES;
BENCHMARK(BM_ShowInserts)->SIZES;
BENCHMARK(BM_ParseInsertsSession)->SIZES;
BENCHMARK(BM_ImportRanges)->SIZES;
BENCHMARK(BM_ParseRangesTicket)->SIZES;
BENCHMARK(BM_ImportInserts)->SIZES;
BENCHMARK(BM_ParseInsertsTicket)->SIZES;

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // A new user's home, so that what the dialog reads is the same on every machine.
  std::filesystem::create_directories(kWork / "home");
  setenv("HOME", (kWork / "home").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (kWork / "home/.config").c_str(), 1);
  setenv("XDG_DATA_HOME", (kWork / "home/.local/share").c_str(), 1);
  JTKTSetImportErrorStream(nullptr);
  if (!KFSInitializeFromFile(std::string(KORVO_SOURCE_DIR) + "/resources/Device Profile.plist")) {
    std::fprintf(stderr, "the device profile cannot be read\n");
    return 1;
  }
  korvo_bench::RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const char* kind : {"Ranges", "Inserts"}) {
    for (int n : kSizes) {
      const std::string size = "/" + std::to_string(n);
      reporter.printRatio(("show of " + std::to_string(n) + " " + kind + " / bare parse of the session (goal <= 1.5x)").c_str(),
                          std::string("BM_Show") + kind + size, std::string("BM_Parse") + kind + "Session" + size);
      reporter.printRatio(("import of " + std::to_string(n) + " " + kind + " / bare parse of the ticket (goal <= 1.5x)").c_str(),
                          std::string("BM_Import") + kind + size, std::string("BM_Parse") + kind + "Ticket" + size);
    }
    reporter.printRatio((std::string("show of 100,000 ") + kind + " / of 10,000 (goal <= 12x)").c_str(),
                        std::string("BM_Show") + kind + "/100000", std::string("BM_Show") + kind + "/10000");
    reporter.printRatio((std::string("import of 100,000 ") + kind + " / of 10,000 (goal <= 12x)").c_str(),
                        std::string("BM_Import") + kind + "/100000", std::string("BM_Import") + kind + "/10000");
  }
  benchmark::Shutdown();
  std::error_code ignored;
  std::filesystem::remove_all(kWork, ignored);
  return 0;
}
