#include "jobticket/reader/jtkt_import_context.h"

#include "jobticket/writer/jtkt_color.h"
#include "jobticket/writer/jtkt_job_attributes.h"
#include "model/background_forms_options.h"
#include "model/full_color_keys.h"
#include "model/full_color_options.h"
#include "model/image_options_keys.h"
#include "model/image_shift_options.h"
#include "model/job_level_stock.h"
#include "model/special_page_keys.h"

using platform::PlistDict;
using platform::PlistValue;

namespace {

const std::string kNoFileName = "job ticket";

PlistDict* ChildDictionary(PlistDict* dict, const char* key) {
  PlistValue& slot = platform::PlistDictSlot(*dict, key);
  if (slot.asDictionary() == nullptr) slot = PlistDict{};
  return slot.asDictionary();
}

}  // namespace

bool JTKTAtPageScope(const JTKTImportFeatureContext& context) { return context.scope != kJobContextJob; }

const std::string& JTKTFileName(const JTKTImportFeatureContext& context) {
  return context.fileName != nullptr ? *context.fileName : kNoFileName;
}

PlistDict* JTKTTargetDictionary(const JTKTImportFeatureContext& context, JTKTTarget target) {
  PlistDict* t = context.dictionary;
  if (t == nullptr) return nullptr;
  const bool page = JTKTAtPageScope(context);
  switch (target) {
    case JTKTTarget::Ticket: return t;
    case JTKTTarget::Stock: return ChildDictionary(t, page ? special_page_keys::kStockKey : kJobLevelStockKey);
    case JTKTTarget::JobType: return ChildDictionary(t, kJobTypeKey);
    case JTKTTarget::FullColor: return ChildDictionary(t, page ? special_page_keys::kFullColorOptionsPageKey : kFullColorOptionsKey);
    case JTKTTarget::ColorCast:
      return ChildDictionary(ChildDictionary(t, page ? special_page_keys::kFullColorOptionsPageKey : kFullColorOptionsKey), full_color_keys::kColorCastKey);
    case JTKTTarget::Highlight:
      return ChildDictionary(t, page ? special_page_keys::kHighlightColorOptionsPageKey : kHighlightColorOptionsJobKey);
    case JTKTTarget::ImageShift:
      return ChildDictionary(t, page ? kImageShiftOptionsPageKey : kImageShiftOptionsJobKey);
    case JTKTTarget::BackgroundForms: return ChildDictionary(t, kBackgroundFormsOptionsKey);
  }
  return nullptr;
}

void JTKTStore(const JTKTImportFeatureContext& context, JTKTTarget target, const char* key, PlistValue value) {
  if (key == nullptr) return;
  if (PlistDict* dict = JTKTTargetDictionary(context, target)) platform::PlistDictSlot(*dict, key) = std::move(value);
}

void JTKTStoreDefault(const JTKTImportFeatureContext& context, JTKTTarget target, const char* key, PlistValue value) {
  // Inside a special page a setting that is not given already means "as the job": a default
  // there would say the same thing again, once per page of a file with thousands of them.
  if (key == nullptr || JTKTAtPageScope(context)) return;
  PlistDict* dict = JTKTTargetDictionary(context, target);
  if (dict == nullptr) return;
  PlistValue& slot = platform::PlistDictSlot(*dict, key);
  if (slot.kind() == PlistValue::Kind::None) slot = std::move(value);
}
