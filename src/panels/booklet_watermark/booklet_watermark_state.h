#pragma once
// The Booklet/Watermark panel's context record: booklet layout with its outlines, gutter, creep,
// forced size and fold; the chosen watermark with its layer and page options and the names of
// the saved watermarks; the panel's controls once it is opened. The panel is plain functions
// around this record.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/background_forms_options.h"
#include "panels/panel_context.h"
#include "platform/bundle/bundle.h"
#include "platform/files/private_temporary_file.h"
#include "platform/four_char_code.h"
#include "platform/ticket/print_session.h"
#include "platform/ui/control.h"
#include "platform/ui/window.h"
#include "vocabulary/printer_default.h"

inline constexpr platform::OSType kBookletWatermarkSignature = platform::FourCharCode("KPDE");
inline constexpr const char* kBookletWatermarkInterfaceName = "BookletWatermarkPanel";
inline constexpr const char* kBookletWatermarkWindowName = "Panel";

// The booklet pop-up's values (EnabledDisabledMap).
inline constexpr std::int32_t kBookletLayoutOn = 1;
inline constexpr std::int32_t kBookletLayoutOff = 2;
// The watermark's layer (WatermarkOptionsMap): behind, blended with, over the page content.
inline constexpr std::int32_t kWatermarkBehind = 1;
inline constexpr std::int32_t kWatermarkBlended = 2;
inline constexpr std::int32_t kWatermarkOver = 3;

struct BookletWatermarkControls {
  platform::ui::Control* bookletPopup = nullptr;
  platform::ui::Control* outlinesPopup = nullptr;
  platform::ui::Control* bookletPicture = nullptr;
  platform::ui::Control* optionsButton = nullptr;
  platform::ui::Control* watermarkPopup = nullptr;
  platform::ui::Control* preview = nullptr;
  platform::ui::Control* formsPopup = nullptr;
};

struct BookletWatermarkContext : PanelContext {
  // Booklet. The pop-up is inactive while the job has special pages: booklet is then left alone.
  bool bookletAvailable = true;
  bool bookletOn = false;
  std::int32_t outlines = 1;
  std::int32_t gutter = 24;
  std::int32_t creep = 0;
  std::int32_t forcedSize = kPrinterDefault;
  std::int32_t forcedWidth = kPrinterDefault;   // a custom forced size's, hundredths of a millimetre
  std::int32_t forcedLength = kPrinterDefault;
  bool forcedSizeRead = false;        // the ticket said the booklet had put its size in the stock
  std::optional<std::int32_t> fold;   // the ticket's fold value, when it has one

  // Watermark: the chosen saved watermark's name (empty for none), its layer and first-page-only.
  std::string watermark;
  std::int32_t layer = kWatermarkBlended;
  bool firstPageOnly = false;
  std::vector<std::string> watermarks;  // the saved watermarks, in menu order

  // Background forms: the form to merge with. Offsets an importer stored in thousandths of a
  // millimetre stay so ("FullPrecision") until the user sets them anew.
  BackgroundFormsOptions forms;
  bool formsFullPrecision = false;

  BookletWatermarkControls controls;
  // The preview's picture, drawn for the watermark named previewOf and shown by file name.
  std::unique_ptr<platform::PrivateTemporaryFile> previewFile;
  std::string previewOf;
};
