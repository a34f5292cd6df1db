// The alerts that tell why typed page numbers were refused; the dialog stays open behind them.
#include "kit/control_helpers.h"
#include "model/special_pages_codes.h"
#include "panels/special_pages/special_pages_panel.h"
#include "platform/ui/interaction.h"

namespace {

struct PageRangeAlert {
  platform::OSStatus code;
  const char* titleKey;
  const char* messageKey;
  std::int64_t argument;  // the number the message shows, if it shows one
};
constexpr PageRangeAlert kAlerts[] = {
    {kPageNumberLimitErr, "Page Number Limit Title", "Page Number Limit", kMaximumPageNumberDigits},
    {kInvalidPageRangesErr, "Invalid Pages Title", "Invalid Page Ranges", 0},
    {kInvalidRangeOrderErr, "Invalid Ranges Title", "Invalid Range Order", 0},
    {kInvalidPageNumbersErr, "Invalid Page Numbers Title", "Invalid Page Numbers Message", 0},
    {kTooManyPagesErr, "Too Many Pages Title", "Too Many Pages", kMaximumInsertPages},
    {kPageRangeConflictErr, "PageRangeConflictTitle", "PageRangeConflictMessage", 0},
};

}  // namespace

void ShowPageRangeAlert(const platform::Bundle* bundle, platform::OSStatus code) {
  if (bundle == nullptr) return;
  for (const PageRangeAlert& a : kAlerts) {
    if (a.code != code) continue;
    platform::ui::AlertRequest alert;
    alert.level = platform::ui::AlertLevel::Caution;
    alert.title = bundle->localizedString(a.titleKey);
    alert.message = FormatLocalizedText(bundle->localizedString(a.messageKey), {a.argument});
    alert.buttons = {bundle->localizedString("OK")};
    platform::ui::RunStandardAlert(alert);
    return;
  }
}
