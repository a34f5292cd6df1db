#pragma once
// The getters of the six panels, in tab order. Each stores a newly allocated panel record.
#include <memory>

#include "kit/panel_interface.h"

platform::OSStatus GetPaperOutputPanelInterface(std::unique_ptr<PanelInterface>* out);
platform::OSStatus GetSpecialPagesPanelInterface(std::unique_ptr<PanelInterface>* out);
platform::OSStatus GetImageOptionsPanelInterface(std::unique_ptr<PanelInterface>* out);
platform::OSStatus GetJobNotesPanelInterface(std::unique_ptr<PanelInterface>* out);
platform::OSStatus GetBookletWatermarkPanelInterface(std::unique_ptr<PanelInterface>* out);
platform::OSStatus GetAdvancedPanelInterface(std::unique_ptr<PanelInterface>* out);
