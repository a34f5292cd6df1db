#pragma once
// The members of the background-forms dictionary ("com.korvo.print.BackgroundFormsOptions").
#include <cstdint>

namespace background_forms_keys {

inline constexpr const char* kUseExistingFormKey = "UseExistingForm";
inline constexpr const char* kMergeWithStringKey = "MergeWithString";
inline constexpr const char* kCyclePagesKey = "CyclePages";
inline constexpr const char* kInchesKey = "Inches";
inline constexpr const char* kXOffsetKey = "X1";
inline constexpr const char* kYOffsetKey = "Y1";
inline constexpr const char* kUseDocumentNameKey = "UseDocumentName";
inline constexpr const char* kApplyPagesFromKey = "ApplyPagesFrom";
inline constexpr const char* kNewFormStringKey = "NewFormString";
inline constexpr std::int32_t kMergeWithExistingForm = 2;
// Set by producers that store the offsets already in hundredths of a millimetre, whatever "Inches"
// says (a job-ticket import); the model's own dictionary never holds it.
inline constexpr const char* kFullPrecisionKey = "FullPrecision";

}  // namespace background_forms_keys
