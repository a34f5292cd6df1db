#pragma once
// The print-settings ticket entries of the Paper/Output panel and its finishing dialogs, which
// the job-ticket writer and reader read and write too. The job stock and the background forms
// keep their keys beside their model records.

inline constexpr const char* kFinishingOutputDestinationKey = "com.korvo.print.FinishingOutputDestination";
inline constexpr const char* kFinishingOutputColorKey = "com.korvo.print.FinishingOutputColor";
inline constexpr const char* kFinishingDuplexKey = "com.korvo.print.FinishingDuplex";
inline constexpr const char* kJobTypeKey = "com.korvo.print.JobType";

// Booklet making, as the panel's finishing menu turns it on.
inline constexpr const char* kBookletLayoutKey = "com.korvo.print.BookletLayout";
inline constexpr const char* kBookletDrawOutlinesKey = "com.korvo.print.BookletDrawOutlines";
inline constexpr const char* kBookletForceNewSizeKey = "com.korvo.print.BookletForceNewSize";
inline constexpr const char* kGutterKey = "com.korvo.print.Gutter";
inline constexpr const char* kCreepKey = "com.korvo.print.Creep";

// Finishing: the one option chosen and the value of each finishing it may combine.
inline constexpr const char* kFinishingOptionsKey = "com.korvo.print.FinishingOptions";
inline constexpr const char* kFinishingOffsetKey = "com.korvo.print.FinishingOffset";
inline constexpr const char* kFinishingOffsetEnableSubsetKey = "com.korvo.print.FinishingOffsetEnableSubset";
inline constexpr const char* kFinishingOffsetPagesPerSubsetKey = "com.korvo.print.FinishingOffsetPagesPerSubset";
inline constexpr const char* kFinishingSlipSheetKey = "com.korvo.print.FinishingSlipSheet";
inline constexpr const char* kFinishingFoldValueKey = "com.korvo.print.FinishingFoldValue";
inline constexpr const char* kFinishingZFoldValueKey = "com.korvo.print.FinishingZFoldValue";
inline constexpr const char* kFinishingHolePunchValueKey = "com.korvo.print.FinishingHolePunchValue";
inline constexpr const char* kFinishingHolePunchOptionsKey = "com.korvo.print.FinishingHolePunchOptions";
inline constexpr const char* kFinishingStaple1ValueKey = "com.korvo.print.FinishingStaple1Value";
inline constexpr const char* kFinishingStaple2ValueKey = "com.korvo.print.FinishingStaple2Value";
inline constexpr const char* kFinishingStapleCenterValueKey = "com.korvo.print.FinishingStapleCenterValue";
inline constexpr const char* kFinishingBindValueKey = "com.korvo.print.FinishingBindValue";
inline constexpr const char* kFinishingCustomKey = "com.korvo.print.FinishingCustom";
inline constexpr const char* kFinishingCoilPunchValueKey = "com.korvo.print.FinishingCoilPunchValue";
inline constexpr const char* kFinishingSquareFoldValueKey = "com.korvo.print.FinishingSquareFoldValue";
inline constexpr const char* kFinishingTrimLengthValueKey = "com.korvo.print.FinishingTrimLengthValue";
inline constexpr const char* kBookletFoldStapleKey = "com.korvo.print.BookletFoldStaple";

// Pad printing: the presence of the pad count alone makes the job ticket's pad section run.
inline constexpr const char* kPadLevelStockKey = "com.korvo.print.PadLevelStock";
inline constexpr const char* kNoOfPadsKey = "com.korvo.print.NoOfPads";
inline constexpr const char* kPagesPerPadsKey = "com.korvo.print.PagesPerPads";
inline constexpr const char* kPadBackCoverKey = "com.korvo.print.PadBackCover";
// The pad types kPadBackCoverKey holds, as the menu words them.
inline constexpr const char* kPadNoBackCover = "No Back Cover";
inline constexpr const char* kPadBlankBackCover = "Blank Back Cover";

// Members of the job type dictionary.
inline constexpr const char* kJobTypeJobTypeKey = "JobType";
inline constexpr const char* kJobTypeMediaTypeKey = "MediaType";
inline constexpr const char* kJobTypeUseJobNameKey = "UseJobName";
inline constexpr const char* kJobTypeSavedJobNameKey = "SavedJobName";
inline constexpr const char* kJobTypeSavedJobLocationKey = "SavedJobLocation";
inline constexpr const char* kJobTypeSecurePrintPasswordKey = "SecurePrintPassword";
inline constexpr const char* kJobTypeDelayedPrintTimeKey = "DelayedPrintTime";
inline constexpr const char* kJobTypeSaveDispositionKey = "SaveDisposition";
inline constexpr const char* kJobTypePadEnableKey = "PadEnable";
inline constexpr const char* kDefaultSavedJobLocation = "file:///job-repository/";
