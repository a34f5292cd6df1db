#pragma once
// The Image Options panel's context record: the colour options, anti-aliasing, resolution,
// halftone, mirror and image shift of the job, and the panel's controls once it is opened.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/full_color_options.h"
#include "model/image_shift_options.h"
#include "panels/panel_context.h"
#include "panels/summary_view.h"
#include "platform/bundle/bundle.h"
#include "platform/ticket/print_session.h"
#include "platform/ui/control.h"
#include "platform/ui/event.h"
#include "platform/ui/window.h"
#include "vocabulary/printer_default.h"

struct InvertImageOptions {
  bool valid = true;
  bool negative = false;
  bool mirror = false;
};

// The controls of the opened panel (null until the first Open; the colour summary also while
// the panel is closed).
struct ImageOptionsControls {
  platform::ui::Control* colorSummary = nullptr;
  platform::ui::Control* colorPicture = nullptr;
  platform::ui::Control* colorSetupButton = nullptr;
  platform::ui::Control* antialiasingPopup = nullptr;
  platform::ui::Control* antialiasingPicture = nullptr;
  platform::ui::Control* resolutionPopup = nullptr;  // only when the description has it
  platform::ui::Control* resolutionPicture = nullptr;
  platform::ui::Control* halftonePopup = nullptr;
  platform::ui::Control* halftonePicture = nullptr;
  platform::ui::Control* curveCombo = nullptr;
  platform::ui::Control* mirrorBox = nullptr;
  platform::ui::Control* invertPicture = nullptr;
  platform::ui::Control* imageShiftSummary = nullptr;
  platform::ui::Control* imageShiftPicture = nullptr;
  platform::ui::Control* imageShiftButton = nullptr;
};

struct ImageOptionsContext : PanelContext {
  FullColorOptions color;
  std::int32_t antialiasing = kPrinterDefault;
  std::int32_t resolution = kPrinterDefault;
  std::int32_t halftone = kPrinterDefault;
  InvertImageOptions invert;
  ImageShiftOptions imageShift;

  ImageOptionsControls controls;
  SummaryViewPlace colorSummaryPlace;
};
