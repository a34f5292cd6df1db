// The Booklet/Watermark panel's seven operations, as the shell calls them through the panel
// skeleton.
#include "panels/booklet_watermark/booklet_watermark_panel.h"

#include "panels/booklet_watermark/booklet_watermark_ticket.h"
#include "panels/panel_getters.h"
#include "panels/panel_skeleton.h"

namespace {

struct BookletWatermarkPanel {
  using Context = BookletWatermarkContext;
  static constexpr const char* kTitleKey = "BookletWatermark";

  // A user without a watermark file is given the default watermarks.
  static void Initialize(Context& panel) { panel.watermarks = LoadSavedWatermarkNames(panel.bundle, true); }

  static void ReadTicket(Context& panel, const platform::PrintSession&, const platform::Ticket& settings) {
    ReadBookletWatermarkTicket(panel, settings);
  }
  static void ShowValues(Context& panel) { BookletWatermarkSyncToUI(panel); }
  // A panel never opened has shown nothing the user could change: the ticket keeps what it has.
  static void WriteTicket(Context& panel, platform::Ticket& settings) {
    if (panel.opened) WriteBookletWatermarkTicket(panel, settings);
  }

  static platform::OSStatus Build(Context& panel) { return BuildBookletWatermarkControls(panel); }
};

}  // namespace

platform::OSStatus GetBookletWatermarkPanelInterface(std::unique_ptr<PanelInterface>* out) {
  return PanelSkeleton<BookletWatermarkPanel>::Get(out);
}
