#include "model/background_forms_options.h"

using platform::OSStatus;
using platform::noErr;
using platform::paramErr;

namespace {

template <class T>
OSStatus Get(const T& field, T* out) {
  if (out == nullptr) return paramErr;
  *out = field;
  return noErr;
}

template <class T>
OSStatus Set(T& field, T value) {
  field = std::move(value);
  return noErr;
}

}  // namespace

BackgroundFormsOptions::BackgroundFormsOptions() = default;

BackgroundFormsOptions::BackgroundFormsOptions(const platform::PlistDict& dictionary) { fromTicket(dictionary); }

BackgroundFormsOptions::BackgroundFormsOptions(const BackgroundFormsOptions& other)
    : useExistingForm_(other.useExistingForm_),
      cyclePages_(other.cyclePages_),
      inches_(other.inches_),
      xOffset_(other.xOffset_),
      yOffset_(other.yOffset_),
      useDocumentName_(other.useDocumentName_),
      applyPagesFrom_(other.applyPagesFrom_),
      mergeWith_(other.mergeWith_),
      newForm_(other.newForm_) {}

bool operator==(const BackgroundFormsOptions& a, const BackgroundFormsOptions& b) {
  return a.useExistingForm_ == b.useExistingForm_ && a.cyclePages_ == b.cyclePages_ && a.inches_ == b.inches_ &&
         a.xOffset_ == b.xOffset_ && a.yOffset_ == b.yOffset_ && a.useDocumentName_ == b.useDocumentName_ &&
         a.applyPagesFrom_ == b.applyPagesFrom_ && a.mergeWith_ == b.mergeWith_ && a.newForm_ == b.newForm_ &&
         a.histories() == b.histories();
}

OSStatus BackgroundFormsOptions::useExistingForm(std::int32_t* v) const { return Get(useExistingForm_, v); }
OSStatus BackgroundFormsOptions::cyclePages(std::int32_t* v) const { return Get(cyclePages_, v); }
OSStatus BackgroundFormsOptions::inches(std::int32_t* v) const { return Get(inches_, v); }
OSStatus BackgroundFormsOptions::xOffset(std::int32_t* v) const { return Get(xOffset_, v); }
OSStatus BackgroundFormsOptions::yOffset(std::int32_t* v) const { return Get(yOffset_, v); }
OSStatus BackgroundFormsOptions::useDocumentName(std::int32_t* v) const { return Get(useDocumentName_, v); }
OSStatus BackgroundFormsOptions::applyPagesFrom(std::int32_t* v) const { return Get(applyPagesFrom_, v); }
OSStatus BackgroundFormsOptions::existingFormsArray(Names* v) const { return Get(histories().existing, v); }
OSStatus BackgroundFormsOptions::newFormsArray(Names* v) const { return Get(histories().created, v); }
OSStatus BackgroundFormsOptions::mergeWithString(std::optional<std::string>* v) const { return Get(mergeWith_, v); }
OSStatus BackgroundFormsOptions::newFormString(std::optional<std::string>* v) const { return Get(newForm_, v); }

OSStatus BackgroundFormsOptions::setUseExistingForm(std::int32_t v) { return Set(useExistingForm_, v); }
OSStatus BackgroundFormsOptions::setInches(std::int32_t v) { return Set(inches_, v); }
OSStatus BackgroundFormsOptions::setXOffset(std::int32_t v) { return Set(xOffset_, v); }
OSStatus BackgroundFormsOptions::setYOffset(std::int32_t v) { return Set(yOffset_, v); }
OSStatus BackgroundFormsOptions::setUseDocumentName(std::int32_t v) { return Set(useDocumentName_, v); }
OSStatus BackgroundFormsOptions::setApplyPagesFrom(std::int32_t v) { return Set(applyPagesFrom_, v); }
OSStatus BackgroundFormsOptions::setExistingFormsArray(Names v) { return Set(histories().existing, std::move(v)); }
OSStatus BackgroundFormsOptions::setNewFormsArray(Names v) { return Set(histories().created, std::move(v)); }
OSStatus BackgroundFormsOptions::setMergeWithString(std::optional<std::string> v) { return Set(mergeWith_, std::move(v)); }
OSStatus BackgroundFormsOptions::setNewFormString(std::optional<std::string> v) { return Set(newForm_, std::move(v)); }

OSStatus BackgroundFormsOptions::setCyclePages(std::int32_t value, bool allowAnyValue) {
  if (!allowAnyValue && (value < kMinCyclePages || value > kMaxCyclePages)) return paramErr;
  cyclePages_ = value;
  return noErr;
}
