// The Image Options panel's seven operations, as the shell calls them through the panel skeleton.
#include "panels/image_options/image_options_panel.h"

#include "panels/panel_getters.h"
#include "panels/panel_skeleton.h"

namespace {

struct ImageOptionsPanel {
  using Context = ImageOptionsContext;
  static constexpr const char* kTitleKey = "ImageOptions";

  static void Initialize(Context& panel) {
    panel.invert = InvertImageOptions{};
    panel.imageShift = ImageShiftOptions{};
  }
  static void ReadTicket(Context& panel, const platform::PrintSession&, const platform::Ticket& settings) {
    ReadImageOptionsTicket(panel, settings);
  }
  static void WriteTicket(Context& panel, platform::Ticket& settings) {
    StoreImageOptionsControls(panel);
    WriteImageOptionsTicket(panel, settings);
  }
  static void ShowValues(Context& panel) { ShowImageOptions(panel); }
  static platform::OSStatus Build(Context& panel) { return BuildImageOptionsControls(panel); }
  static void Rebuild(Context& panel) { RebuildImageOptionsControls(panel); }
  static void Close(Context& panel) { CloseImageOptionsControls(panel); }
  static void Terminate(Context& panel) { FinalizeImageOptionsControls(panel); }
};

}  // namespace

platform::OSStatus GetImageOptionsPanelInterface(std::unique_ptr<PanelInterface>* out) {
  return PanelSkeleton<ImageOptionsPanel>::Get(out);
}
