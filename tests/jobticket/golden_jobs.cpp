// The jobs whose export documents are the writer's golden files, shared by the writer's tests and
// the reader's round trips.
#include "golden_jobs.h"

#include "jobticket/writer/jtkt_color.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "jobticket/writer/jtkt_job_attributes.h"
#include "jobticket/writer/jtkt_special_pages.h"
#include "jtkt_test_support.h"
#include "model/advanced_keys.h"
#include "model/client_information_keys.h"
#include "model/full_color_options.h"
#include "model/image_options_keys.h"
#include "model/image_shift_options.h"
#include "model/job_level_stock.h"
#include "model/job_notes_keys.h"
#include "model/paper_output_keys.h"
#include "model/special_pages_ticket.h"
#include "shell/client_information.h"

namespace jtkt_test {

using platform::PlistArray;
using platform::PlistDict;

namespace {
constexpr const char* kClient = "com.korvo.print";
}  // namespace

platform::Ticket GoldenPlainJob() {
  platform::Ticket ticket;
  ticket.set(kJTKTOptionsKey, PlistDict{{kJTKTOptionAllKey, true}}, "K");
  ticket.set(kJobNotesJobNameKey, "Spring catalogue", kClient);
  ticket.set(kJobNotesSenderNameKey, "Ana Lima", kClient);
  Stock paper;
  paper.setSize(204);
  paper.setType(1);
  paper.setColor(1);
  paper.setWeight(105);
  paper.setPunched(1);
  WriteJobLevelStock(ticket, paper, kClient);
  const std::pair<const char*, int> settings[] = {
      {kFinishingDuplexKey, 2}, {kFinishingOutputDestinationKey, 4}, {kResolutionKey, 2}, {kOPISubsitutionKey, 2},
      {kOPIPrescanKey, 3},      {kAntialiasingKey, 2},               {kLightenDarkenKey, -2}, {kOutputOrderKey, 3},
      {kInkwellEmulationKey, 2}, {kAdvancedRotateImage180Key, 1},   {kFinishingOutputColorKey, 2},
      {kAccountingOnKey, 3},    {kPagesToPrintSelectedKey, 1},     {kPagesToPrintFromKey, 2}, {kPagesToPrintToKey, 10}};
  for (const auto& [key, value] : settings) ticket.set(key, value, kClient);
  ticket.set(kTonerSaverKey, false, kClient);
  ticket.set(kAccountingUserIDKey, "ana.lima", "com.korvo.Act");
  ticket.set(kAccountingAccountIDKey, "MKT-2024", "com.korvo.Act");
  ticket.set("com.apple.print.PrintSettings.PMCopies", 3, "com.apple.print");  // not ours: not in the file
  return ticket;
}

PlistDict GoldenSpecialPagesJob() {
  PlistDict ticket = jtkt_test::WholeDocumentTicket();
  ticket.insert_or_assign(kJobLevelStockKey, PlistDict{{"Size", 4}, {"Type", 1}, {"Weight", 90}});
  ticket.insert_or_assign(kFrontCoverKey, PlistDict{{"SidesImaged", 2}, {"Stock", PlistDict{{"Size", 4}, {"Weight", 250},
                                                                                            {"Color", 2}}}});
  ticket.insert_or_assign(kBackCoverKey, PlistDict{{"SidesImaged", 1}, {"Stock", PlistDict{{"Size", 4}, {"Weight", 250}}}});
  ticket.insert_or_assign(kInsertListKey,
                          PlistArray{PlistDict{{"StartPage", 4}, {"Quantity", 2}, {"Stock", PlistDict{{"Color", 3}}}},
                                     PlistDict{{"StartPage", 1}, {"Stock", PlistDict{{"Description", "Tab <A&B>"}}}}});
  ticket.insert_or_assign(
      kExceptionListKey,
      PlistArray{PlistDict{{"StartPage", 2}, {"EndPage", 3}, {"SidesImaged", 2}, {"LightenDarken", -2},
                           {"com.korvo.print.ImageShiftOptionsPage",
                            PlistDict{{"Option", 1}, {"Inches", 0}, {"X1", 50}, {"Y1", -20}, {"X2", 5}, {"Y2", 0}}},
                           {"FullColorOptionsPage", PlistDict{{"FCLightness", 10}, {"CMYKImagesProfile", "Proof & Co"}}},
                           {"Antialiasing", 2}, {"HalftoneScreen", 14}, {"OutputColor", 1}, {"Stock", PlistDict{{"Size", 6}}}},
                 PlistDict{{"StartPage", 8}, {"EndPage", 8}}});
  ticket.insert_or_assign(kImageShiftOptionsJobKey,
                          PlistDict{{"Option", 1}, {"Inches", 1}, {"FullPrecision", true}, {"X1", 2540}, {"Y1", -127},
                                    {"X2", 0}, {"Y2", 3}});
  return ticket;
}

PlistDict GoldenBookletJob() {
  PlistDict ticket = jtkt_test::WholeDocumentTicket();
  ticket.insert_or_assign(kJobLevelStockKey, PlistDict{{"Size", 204}});
  ticket.insert_or_assign(kBookletLayoutKey, true);
  ticket.insert_or_assign(kBookletForceNewSizeKey, true);
  ticket.insert_or_assign(kFrontCoverKey, PlistDict{{"SidesImaged", 4}, {"Stock", PlistDict{{"Size", 4}, {"Weight", 200}}}});
  ticket.insert_or_assign(kBackCoverKey, PlistDict{{"SidesImaged", 1}});
  for (const auto& [key, value] : {std::pair{"FinishingOptions", 24}, {"FinishingFoldValue", 53},
                                   {"FinishingSquareFoldValue", 64}, {"FinishingTrimLengthValue", 120}})
    ticket.insert_or_assign(std::string("com.korvo.print.") + key, value);
  return ticket;
}

PlistDict GoldenColorJob() {
  PlistDict ticket = jtkt_test::WholeDocumentTicket();
  ticket.insert_or_assign(
      kFullColorOptionsKey,
      PlistDict{{"FCLightness", -10}, {"FCContrast", 15}, {"FCSaturation", 100},
                {"FCColorCast", PlistDict{{"FCCyanRed", 5}, {"FCMagentaGreen", -5}, {"FCYellowBlue", 0}}},
                {"FCTrapping", 1}, {"FCTrappingFastDirection", 2}, {"FCTrappingSlowDirection", 20},
                {"FCBlackOverprint", 2}, {"FCTRC", "Press TRC 'A'"}, {"RGBImagesProfile", 6},
                {"RGBTextAndGraphicsProfile", "My RGB <v2>"}, {"CMYKImagesProfile", 15}, {"CMYKTextAndGraphicsProfile", 1},
                {"GrayImagesProfile", "Gray & Gamma 2.2"}, {"GrayTextAndGraphicsProfile", "Gray Text"},
                {"DestinationProfile", 1}, {"ImageRendering", 4}, {"TextRendering", 1}, {"GraphicRendering", 6}});
  for (const auto& [key, value] :
       {std::pair{"HiglightPrintingColor", 15}, {"HighlightKorvoPrintingColor", 7}, {"HighlightMappingColor", 13},
        {"HighlightColorMappingRGB", 0}, {"HighlightColorMappingH", 120}, {"HighlightColorMappingS", 50},
        {"HighlightColorMappingV", 75}, {"HighlightMismatchAction", 3}, {"HighlightMappingAlgorithm", 4}})
    ticket.insert_or_assign(key, value);
  ticket.insert_or_assign(kHighlightColorOptionsJobKey,
                          PlistDict{{"HiglightPrintingColor", 14}, {"HighlightMappingColor", 15},
                                    {"HighlightKorvoMappingColor", 3}, {"HighlightMismatchAction", 1},
                                    {"HighlightMappingAlgorithm", 1}});
  ticket.insert_or_assign(kHalftoneScreenKey, 45);
  return ticket;
}

}  // namespace jtkt_test
