#pragma once
// The print dialog's own ticket entries that the plug-in reads or keeps in step with its own.
#include "platform/ticket/page_format.h"

inline constexpr const char* kPMDuplexingKey = "com.apple.print.PrintSettings.PMDuplexing";
inline constexpr const char* kPMCopyCollateKey = "com.apple.print.PrintSettings.PMCopyCollate";
inline constexpr const char* kPMJobNameKey = "com.apple.print.JobInfo.PMJobName";
inline constexpr const char* kPMOrientationKey = "com.apple.print.PageFormat.PMOrientation";
// The page format's paper, which the print system fills (platform/ticket/page_format.h).
inline constexpr const char* kPMPaperNameKey = platform::kPMPaperNameKey;
inline constexpr const char* kPMUnadjustedPaperRectKey = platform::kPMUnadjustedPaperRectKey;

// Read by the Special Pages panel: n-up layout leaves no room for inserts or exception pages.
inline constexpr const char* kPMLayoutNUpKey = "com.apple.print.PrintSettings.PMLayoutNUp";
