// Telling whether the forms options a panel holds still have the exact offsets the ticket stored.
#include "model/background_forms_keys.h"
#include "panels/background_forms/background_form_dialogs.h"

bool BackgroundFormOffsetsAreExact(const platform::PrintSession* session, const BackgroundFormsOptions& options) {
  const platform::Ticket* settings = session ? session->ticket(platform::kPDE_PMPrintSettingsRef) : nullptr;
  const platform::PlistDict* stored = settings ? settings->getDictionary(kBackgroundFormsOptionsKey) : nullptr;
  if (stored == nullptr) return false;
  const platform::PlistValue* flag = platform::PlistDictFind(*stored, background_forms_keys::kFullPrecisionKey);
  if (flag == nullptr || flag->asBoolean() == nullptr || !*flag->asBoolean()) return false;
  const BackgroundFormsOptions read(*stored);
  std::int32_t a = 0, b = 0;
  for (auto field : {&BackgroundFormsOptions::inches, &BackgroundFormsOptions::xOffset, &BackgroundFormsOptions::yOffset}) {
    (read.*field)(&a);
    (options.*field)(&b);
    if (a != b) return false;
  }
  return true;
}
