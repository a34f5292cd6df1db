// The current queue's printer description, opened lazily and cached for the life of the dialog.
// The shell closes it at Terminate; everything runs on the dialog's thread, so the cache is
// unguarded.
//
// The original platform ran a PPD localisation plug-in ("VelaCups.plugin", function
// "InvokeLocalizedPPD") over a freshly opened description. Its absence was always normal and no
// such plug-in exists for this platform, so none is loaded: texts are shown as the description
// gives them. Should translated descriptions ever ship, libcups' ppdLocalize can take that role
// inside the adapter.
#include <memory>

#include "kit/current_session.h"
#include "vocabulary/ppd_adapter.h"
#include "vocabulary/ppd_bridge.h"

namespace {

std::unique_ptr<PPDFile> gCurrentPPD;

// Limits of the custom page size when no description says otherwise: 6 to 12 inches each way.
constexpr float kDefaultMinMediaSize = 432.0f;
constexpr float kDefaultMaxMediaSize = 864.0f;

}  // namespace

PPDFile* PPDGetCurrent() {
  if (gCurrentPPD) return gCurrentPPD.get();
  const platform::PrintSession* session = GetCurrentPrintSession();
  if (session == nullptr || session->printer().ppdPath.empty()) return nullptr;
  gCurrentPPD = PPDFile::open(session->printer().ppdPath);
  return gCurrentPPD.get();
}

void PPDCloseCurrent() { gCurrentPPD.reset(); }

void GetMediaLimits(float& minWidth, float& minLength, float& maxWidth, float& maxLength) {
  const PPDFile* ppd = PPDGetCurrent();
  const ppd_adapter::CustomSizeLimits limits = ppd ? ppd_adapter::CustomLimits(*ppd) : ppd_adapter::CustomSizeLimits{};
  // A description that gives no custom page size (its limits 0 by 0, or a range that holds no
  // size) gives the same limits as no description: every size typed would be refused otherwise.
  if (!(limits.maxWidth > 0 && limits.maxLength > 0 && limits.minWidth <= limits.maxWidth &&
        limits.minLength <= limits.maxLength)) {
    minWidth = minLength = kDefaultMinMediaSize;
    maxWidth = maxLength = kDefaultMaxMediaSize;
    return;
  }
  minWidth = limits.minWidth;
  minLength = limits.minLength;
  maxWidth = limits.maxWidth;
  maxLength = limits.maxLength;
}
