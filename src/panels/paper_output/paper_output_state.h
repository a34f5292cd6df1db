#pragma once
// The Paper/Output panel's context record: the job-level choices and the finishing state that
// the finishing dialogs edit, the panel's controls once it is opened, and what it needs of the
// dialog. Panels and dialogs are plain functions around this record.
#include <cstdint>
#include <optional>
#include <memory>
#include <string>
#include <vector>

#include "model/background_forms_options.h"
#include "model/paper_output_codes.h"
#include "model/stock.h"
#include "panels/panel_context.h"
#include "panels/summary_view.h"
#include "platform/bundle/bundle.h"
#include "platform/plist/plist_value.h"
#include "platform/ticket/print_session.h"
#include "platform/ui/control.h"
#include "platform/ui/window.h"
#include "stocklibrary/stock_library.h"
#include "vocabulary/printer_default.h"

// Everything a finishing dialog edits: copied in when a dialog opens and copied back on OK, so
// that Cancel cannot leave half a change behind.
struct FinishingState {
  std::int32_t code = kFinishingPrinterDefault;
  std::int32_t offset = kOffsetPrinterDefault;
  std::int32_t offsetSubsets = 0;
  std::int32_t pagesPerSubset = 1;
  std::int32_t slipSheets = 0;
  std::int32_t fold = 0;
  std::int32_t zFold = 0;
  std::int32_t holePunchValue = 0;
  std::int32_t holePunchOptions = 0;
  std::int32_t staple1 = 0;
  std::int32_t staple2 = 0;
  std::int32_t stapleCenter = 0;
  std::int32_t bind = 0;
  std::string custom;
  std::int32_t coil = 0;
  bool squareFoldOn = false;
  std::int32_t squareFoldValue = kSquareFoldNormal;
  bool trimOn = false;
  double trimLength = 0;  // in trimUnit, as the user typed it
  std::int32_t trimUnit = kTrimUnitMillimetres;
  friend bool operator==(const FinishingState&, const FinishingState&) = default;
};

// Square fold and trimming go off together in many finishing rules.
inline void SquareFoldAndTrimOff(FinishingState& f) {
  f.squareFoldOn = false;
  f.trimOn = false;
}

// The trimmed length in whole millimetres, as the ticket keeps it: cut, as typed decimals are.
std::int32_t TrimLengthMillimetres(const FinishingState& f);
double TrimLengthInMillimetres(const FinishingState& f);

struct PadSettings {
  bool on = false;
  std::int32_t numberOfPads = kPrinterDefault;
  std::int32_t pagesPerPad = kPrinterDefault;
  std::string backCover;
  // The pad dialog's two check boxes, which decide the summary's wording.
  bool numberBoxChecked = false;
  bool pagesBoxChecked = false;
};

struct BookletSettings {
  bool on = false;
  std::optional<std::int32_t> outlines;  // read and written only while booklet is on
  std::int32_t newSize = kPrinterDefault;
  std::int32_t gutter = kDefaultGutter;
  std::int32_t creep = 0;
  std::int32_t fold = 0;  // the booklet dialog's fold choice (43 or 53 make code 24)
};

// The controls of the opened panel (null until the first Open).
struct PaperOutputControls {
  platform::ui::Control* jobTypePopup = nullptr;
  platform::ui::Control* setupButton = nullptr;
  platform::ui::Control* jobTypePicture = nullptr;
  platform::ui::Control* paperSummary = nullptr;
  platform::ui::Control* stockMenuButton = nullptr;
  platform::ui::Control* duplexPopup = nullptr;
  platform::ui::Control* duplexPicture = nullptr;
  platform::ui::Control* colorPopup = nullptr;
  platform::ui::Control* colorPicture = nullptr;
  platform::ui::Control* finishingButton = nullptr;
  platform::ui::Control* finishingSummary = nullptr;
  platform::ui::Control* finishingPicture = nullptr;
  platform::ui::Control* destinationPopup = nullptr;
};

struct PaperOutputContext : PanelContext {
  std::string jobName;

  Stock jobStock;
  Stock padStock;
  std::int32_t outputDestination = kDefaultOutputDestination;
  std::int32_t outputColor = kDefaultOutputColor;
  platform::PlistDict jobType;
  BackgroundFormsOptions backgroundForms;
  BookletSettings booklet;
  bool bookletFlagRead = false;  // "BookletForceNewSize" was true in the ticket last read
  std::int32_t duplex = 1;
  FinishingState finishing;
  PadSettings pads;
  std::int32_t orientation = 1;

  // What the printer and the ticket allow right now.
  bool specialPagesExist = false;
  bool squareFoldAvailable = true;
  bool coilPunchAllowed = true;

  // The user's stock library and its recent choices, read once at Initialize for the stock menus;
  // whatever they changed is written back when the panel ends.
  std::unique_ptr<StockLibraryList> stockLibrary;
  std::unique_ptr<StockLibraryOrderList> stockLibraryOrder;

  PaperOutputControls controls;
  SummaryViewPlace paperSummaryPlace, finishingSummaryPlace;
};

// The job type dictionary's job type (1 when absent): of a dictionary, or of the panel's.
std::int32_t JobTypeIn(const platform::PlistDict& jobType);
std::int32_t JobTypeOf(const PaperOutputContext& context);
