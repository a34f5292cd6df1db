// The heavy job both job-ticket benchmarks use: 200 inserts and 2,000 exception pages with a
// stock each, beside a few job-level settings; its export document; a bare libxml2 parse.
#include "heavy_job.h"

#include <libxml/parser.h>

#include <string>
#include <vector>

#include "jobticket/writer/jtkt_export.h"
#include "model/advanced_keys.h"
#include "model/client_information_keys.h"
#include "model/image_options_keys.h"
#include "model/job_level_stock.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_keys.h"
#include "model/special_pages_ticket.h"

namespace {

Stock PaperOf(int i) {
  Stock stock;
  stock.setSize(i % 2 == 0 ? 4 : 204);
  stock.setType(1 + i % 14);
  stock.setColor(1 + i % 13);
  stock.setWeight(80 + i % 200);
  stock.setDescription("Stock " + std::to_string(i) + " <coated> & trimmed");
  stock.setSidesCoated(1 + i % 4);
  stock.setCoatingType(1 + i % 5);
  stock.setFinish(1 + i % 4);
  stock.setGrain(1 + i % 2);
  return stock;
}

}  // namespace

namespace {

platform::Ticket JobWith(int exceptionPages) {
  platform::Ticket t;
  t.set(kJTKTOptionsKey, platform::PlistDict{{kJTKTOptionAllKey, true}}, "K");
  t.set(kJobNotesJobNameKey, "Catalogue with tabs", "K");
  t.set(kJobNotesSenderNameKey, "Benchmark", "K");
  for (const char* key : {kFinishingDuplexKey, kResolutionKey, kOPIPrescanKey, kAntialiasingKey, kOutputOrderKey})
    t.set(key, 2, "K");
  WriteJobLevelStock(t, PaperOf(0), "K");
  SpecialPages pages;
  std::vector<Insert> inserts(kInserts);
  std::vector<ExceptionPage> ranges(static_cast<std::size_t>(exceptionPages));
  std::vector<const SpecialPage*> insertPointers, rangePointers;
  for (int i = 0; i < kInserts; ++i) {
    inserts[static_cast<std::size_t>(i)].setStartPage(i * 10 + 1);
    inserts[static_cast<std::size_t>(i)].stock() = PaperOf(i);
    insertPointers.push_back(&inserts[static_cast<std::size_t>(i)]);
  }
  for (int i = 0; i < exceptionPages; ++i) {
    ExceptionPage& range = ranges[static_cast<std::size_t>(i)];
    range.setStartPage(i * 3 + 1);
    range.setEndPage(i * 3 + 2);
    range.stock() = PaperOf(i);
    rangePointers.push_back(&range);
  }
  pages.inserts.add(insertPointers);
  pages.exceptions.add(rangePointers);
  WriteSpecialPages(t, pages);
  return t;
}

}  // namespace

const platform::Ticket& HeavyJob() {
  static const platform::Ticket ticket = JobWith(kExceptionPages);
  return ticket;
}

const std::string& ExportedDocument() {
  static const std::string document = JTKTWriteDocument(JTKTCopyKorvoItems(HeavyJob()), 0).value_or("");
  return document;
}

const std::string& LargeExportedDocument() {
  static const std::string document =
      JTKTWriteDocument(JTKTCopyKorvoItems(JobWith(kLargeJobExceptionPages)), 0).value_or("");
  return document;
}

void BareParse(benchmark::State& state, const std::string& bytes) {
  for (auto _ : state) {
    xmlDoc* doc = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr, XML_PARSE_NONET);
    if (doc == nullptr) state.SkipWithError("libxml2 refused the document");
    benchmark::DoNotOptimize(doc);
    xmlFreeDoc(doc);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
