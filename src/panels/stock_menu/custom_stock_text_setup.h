#pragma once
// What the custom colour, custom type and description set-ups share: one text field (at most 30
// characters, OK waiting for a name, for the colour and type), and a picture.
#include <string>

#include "panels/modal_dialog.h"
#include "platform/bundle/bundle.h"
#include "platform/ui/control.h"

struct CustomStockTextSetup {
  const char* interfaceName;  // also the window's name
  platform::ui::ControlID field;
  const char* helpPage;
  int maximumLength = 30;
  bool needsText = true;  // OK only while the field is not empty
};

// Runs the set-up on text: on OK the field's text.
DialogAnswer<std::string> RunModalCustomStockTextSetup(const platform::Bundle* bundle,
                                                       const CustomStockTextSetup& setup, std::string text);
