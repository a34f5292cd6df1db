// Whole documents: the papers of a job with special pages,
// a hostile ticket that must still give well-formed XML, and output that never drifts.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "golden_jobs.h"
#include "jobticket/writer/jtkt_export.h"
#include "jobticket/writer/jtkt_media.h"
#include "jtkt_test_support.h"
#include "model/advanced_keys.h"
#include "model/background_forms_options.h"
#include "model/full_color_options.h"
#include "model/client_information_keys.h"
#include "model/image_options_keys.h"
#include "model/job_level_stock.h"
#include "model/job_notes_keys.h"
#include "model/image_shift_options.h"
#include "model/paper_output_keys.h"
#include "model/special_pages_ticket.h"
#include "shell/client_information.h"
#include "support/test_support.h"
#include "vocabulary/printer_default.h"

namespace {

using platform::PlistDict;

constexpr const char* kClient = "com.korvo.print";


std::string Export(const platform::Ticket& ticket) { return jtkt_test::Document(JTKTCopyKorvoItems(ticket)); }

Stock MakeStock(int size, int type, int color) {
  Stock stock;
  if (size) stock.setSize(size);
  if (type) stock.setType(type);
  if (color) stock.setColor(color);
  return stock;
}

TEST(JTktJobDocuments, EveryPaperOfAJobMatchesTheGoldenFile) {
  platform::Ticket ticket;
  Stock job = MakeStock(4, 1, 1);
  job.setWeight(90);
  WriteJobLevelStock(ticket, job, kClient);
  SpecialPages pages;
  pages.frontCover.emplace();
  pages.frontCover->stock() = MakeStock(11, 37, 11);
  pages.frontCover->setSidesImaged(4);
  pages.backCover.emplace();
  pages.backCover->stock().setCustomName("Linen cover (cream)");
  pages.backCover->stock().setCustomNameOnly(true);
  Insert tabs, inserter;
  tabs.setStartPage(2);
  tabs.stock() = MakeStock(82, 4, 7);
  tabs.stock().setModulus(5);
  inserter.setStartPage(9);
  inserter.stock().setSource(10);
  ASSERT_EQ(pages.inserts.add({&tabs, &inserter}), platform::noErr);
  ExceptionPage yellow, film;
  yellow.setStartPage(3);
  yellow.setEndPage(4);
  yellow.stock() = MakeStock(5, 0, 3);
  film.setStartPage(7);
  film.setEndPage(7);
  film.stock() = MakeStock(204, 2, 0);  // a transparency is clear whatever colour it had
  ASSERT_EQ(pages.exceptions.add({&yellow, &film}), platform::noErr);
  WriteSpecialPages(ticket, pages);

  // Each paper as the ticket holds it, read back through the model, in document order.
  const SpecialPages read = ReadSpecialPages(ticket);
  std::vector<Stock> papers{ReadJobLevelStock(ticket), read.frontCover->stock(), read.backCover->stock()};
  for (long i = 0; i < read.inserts.count(); ++i) papers.push_back(read.inserts.pageAtIndex(i)->stock());
  for (long i = 0; i < read.exceptions.count(); ++i) papers.push_back(read.exceptions.pageAtIndex(i)->stock());
  jtkt_test::RecordingContext out;
  for (const Stock& paper : papers) {
    _MEDIADATA media;
    FillMediaData(&media, paper);
    WriteJTktMedia(out.get(), &media);
  }
  jtkt_test::ExpectGolden(jtkt_test::Framed(out.text()), "job_papers.xml");
}

std::string HostileText(std::size_t length) {
  std::string text = "<&\"'>]]> \x01\x02\x1B\x7F tab\t \xC3\x28 \xED\xA0\x80 \xFF\xFE \xEF\xBF\xBF caf\xC3\xA9 ";
  while (text.size() < length) text += "note <b>&amp;</b> \x0B";
  return text;
}

// Names with the XML specials, control characters and broken UTF-8, the sentinel and codes out of
// range in every key the writer reads: the document stays well-formed and sends no sentinel.
TEST(JTktJobDocuments, AHostileTicketStillGivesAWellFormedDocument) {
  korvo_test::ScopedXdgHome home;
  platform::Ticket ticket = jtkt_test::GoldenPlainJob();
  ticket.set(kJobNotesJobNameKey, HostileText(100 * 1024), kClient);
  ticket.set(kJobNotesSenderNameKey, HostileText(64), kClient);
  ticket.set(kAccountingUserIDKey, HostileText(200), kClient);
  ticket.set(kAccountingAccountIDKey, HostileText(10), kClient);
  ticket.set(kJobLevelStockKey,
             PlistDict{{"Type", 7}, {"CustomType", HostileText(40)}, {"Color", 10}, {"CustomColor", HostileText(40)},
                       {"Description", HostileText(100 * 1024)}, {"SidesCoated", 9}, {"kCoatingType", 99},
                       {"Finish", 77}, {"kGrain", -5}, {"Punched", 42}, {"Size", 75}, {"Width", -1}, {"Length", 1}},
             kClient);
  const std::string nasty = std::string("<&\"'>\x01\x1F\xC3\x28\xED\xA0\x80", 12) + std::string(100 * 1024, 'x');
  for (const char* key : {kFinishingOptionsKey, kFinishingSquareFoldValueKey, kFinishingTrimLengthValueKey,
                          kFinishingStaple1ValueKey, kFinishingHolePunchOptionsKey, kHalftoneScreenKey})
    ticket.set(key, kPrinterDefault, kClient);
  for (const char* key : {kFinishingCustomKey, kJobNotesMessageKey, kJobNotesRecipientKey, kJobNotesSheetMessageKey,
                          kJobNotesAdditionalInfoKey, kPadBackCoverKey})
    ticket.set(key, nasty, kClient);
  ticket.set(kJobTypeKey, PlistDict{{"JobType", 9}, {"SavedJobName", nasty}}, kClient);
  ticket.set(kBackgroundFormsOptionsKey,
             PlistDict{{"UseDocumentName", 0}, {"NewFormString", nasty}, {"MergeWithString", nasty}, {"X1", kPrinterDefault}},
             kClient);
  ticket.set(kFullColorOptionsKey, PlistDict{{"FCTRC", nasty.substr(0, 200)}, {"RGBImagesProfile", 99},
                                             {"DestinationProfile", kPrinterDefault}, {"FCLightness", 900}}, kClient);
  ticket.set("HiglightPrintingColor", 99, kClient);
  ticket.set("HighlightMappingColor", kPrinterDefault, kClient);
  ticket.set(kFrontCoverKey, PlistDict{{"SidesImaged", kPrinterDefault}, {"Stock", PlistDict{{"Description", nasty}}}}, kClient);
  ticket.set(kInsertListKey, platform::PlistArray{PlistDict{{"StartPage", kPrinterDefault}, {"Quantity", -4}}}, kClient);
  ticket.set(kExceptionListKey,
             platform::PlistArray{PlistDict{{"StartPage", 1}, {"EndPage", 2}, {"SidesImaged", 44}, {"HalftoneScreen", 48},
                                            {"com.korvo.print.ImageShiftOptionsPage", PlistDict{{"X1", "left"}}}}},
             kClient);
  ticket.set(kNoOfPadsKey, 1, kClient);
  ticket.set(kImageShiftOptionsJobKey, PlistDict{{"X1", kPrinterDefault}, {"Inches", kPrinterDefault}}, kClient);
  const std::string document = Export(ticket);
  EXPECT_EQ(jtkt_test::XmllintComplaint(document), "");
  EXPECT_NE(document.find("&lt;&amp;&quot;&apos;&gt;]]&gt;"), std::string::npos);
  for (char c : document) EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') << int(c);
  EXPECT_TRUE(document.ends_with("</jtkt>"));
  EXPECT_EQ(document.find("-2147483648"), std::string::npos);
  EXPECT_EQ(document.find("booklet-making"), std::string::npos);
  for (const char* present : {"<form-save-name", "<job-message-to-operator"})
    EXPECT_NE(document.find(present), std::string::npos) << present;
  EXPECT_GT(document.size(), 800u * 1024);  // the name, the description and the notes are there whole
  for (const char* absent : {"media-front-coating", "media-tooth", "media-grain", "media-hole-count", "media-size"})
    EXPECT_EQ(document.find(absent), std::string::npos) << absent;
}

TEST(JTktJobDocuments, ThePrinterDefaultEverywhereWritesOnlyWhatIsAlwaysThere) {
  platform::Ticket ticket;
  ticket.set(kJTKTOptionsKey, PlistDict{{kJTKTOptionAllKey, true}}, "K");
  for (const char* key : {kFinishingDuplexKey, kFinishingOutputDestinationKey, kFinishingOffsetKey, kResolutionKey,
                          kFinishingOutputColorKey, kAdvancedRotateImage180Key, kInkwellEmulationKey, kOutputOrderKey,
                          kLightenDarkenKey, kAntialiasingKey, kOPIPrescanKey, kOPISubsitutionKey, kTonerSaverKey,
                          kAccountingOnKey, kPagesToPrintSelectedKey, kPagesToPrintFromKey, kPagesToPrintToKey})
    ticket.set(key, kPrinterDefault, kClient);
  WriteJobLevelStock(ticket, Stock(), kClient);  // every field not set
  EXPECT_EQ(Export(ticket), jtkt_test::Framed("\t\t<media-col syntax=\"collection\">\n\t\t</media-col>\n"
                                              "\t\t<sides syntax=\"keyword\">one-sided</sides>\n"));
}

TEST(JTktJobDocuments, TheSameTicketGivesTheSameBytesWhateverTheLocale) {
  const std::string first = jtkt_test::Golden("plain_job.xml");
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE.UTF-8 locale here";
  const std::string german = Export(jtkt_test::GoldenPlainJob());
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(german, first);
}

}  // namespace
