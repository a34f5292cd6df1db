#pragma once
// The Advanced panel's context record: the job options that fit nowhere else (booklet image
// order, rotation, a forced paper size, OPI, sending the job ticket, a page range), the panel's
// controls once it is opened, and what it needs of the dialog.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "panels/panel_context.h"
#include "platform/bundle/bundle.h"
#include "platform/four_char_code.h"
#include "platform/ticket/print_session.h"
#include "platform/ui/control.h"
#include "platform/ui/window.h"
#include "vocabulary/printer_default.h"

inline constexpr platform::OSType kAdvancedSignature = platform::FourCharCode("KPDE");

// The stored booklet image orders; a ticket without one reads left to right.
inline constexpr std::int32_t kBookletOrderRightToLeft = 1;
inline constexpr std::int32_t kBookletOrderLeftToRight = 2;

// The force-new-size value that leaves the job's paper alone.
inline constexpr std::int32_t kForceNewSizeOff = 0;

// The controls of the opened panel (null until the first Open).
struct AdvancedControls {
  platform::ui::Control* bookletOrderPopup = nullptr;
  platform::ui::Control* rotatePopup = nullptr;
  platform::ui::Control* forceSizePopup = nullptr;
  platform::ui::Control* opiSubstitutionPopup = nullptr;
  platform::ui::Control* opiPrescanPopup = nullptr;
  platform::ui::Control* sendJobTicketBox = nullptr;
  platform::ui::Control* importButton = nullptr;
  platform::ui::Control* exportButton = nullptr;
  platform::ui::Control* pagesBox = nullptr;
  platform::ui::Control* fromField = nullptr;
  platform::ui::Control* toField = nullptr;
  platform::ui::Control* aboutButton = nullptr;
  // The page-range controls that follow the pages-to-print check box (labels, fields, hint, note).
  std::vector<platform::ui::Control*> pageRange;
};

struct AdvancedContext : PanelContext {
  std::int32_t bookletOrder = kBookletOrderLeftToRight;
  // Menu positions counted from 1; position 1 is always the printer's default.
  std::int32_t rotatePosition = 1;
  std::int32_t opiSubstitutionPosition = 1;
  std::int32_t opiPrescanPosition = 1;
  bool sendJobTicket = true;
  bool pagesToPrint = false;
  // The page range as the fields hold it (they keep their text when the ticket says 0).
  std::string fromText;
  std::string toText;
  // A StockSizeMap value, kForceNewSizeOff for none; the custom size's dimensions in hundredths
  // of a millimetre, kPrinterDefault until set.
  std::int32_t forceNewSize = kForceNewSizeOff;
  std::int32_t customWidth = kPrinterDefault;
  std::int32_t customLength = kPrinterDefault;

  AdvancedControls controls;
};
