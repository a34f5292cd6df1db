#pragma once
// What the custom colour, custom type and description set-ups share: one text field (at most 30
// characters, OK waiting for a name, for the colour and type), and a picture.
#include <cstdint>
#include <string>

#include "platform/bundle/bundle.h"
#include "platform/status.h"
#include "platform/ui/control.h"

struct CustomStockTextSetup {
  const char* interfaceName;  // also the window's name
  platform::ui::ControlID field;
  const char* helpPage;
  int maximumLength = 30;
  bool needsText = true;  // OK only while the field is not empty
};

// Runs the set-up on text: on OK text becomes the field's and *result is 1; otherwise *result is
// 2. paramErr without text or result; kDialogNotLoadedErr when the description cannot be loaded.
platform::OSStatus RunModalCustomStockTextSetup(const platform::Bundle* bundle, const CustomStockTextSetup& setup,
                                                std::string* text, std::int16_t* result);
