#pragma once
// The print-settings ticket entries of the Paper/Output panel, written once here. The job stock
// and the background forms keep their keys beside their model records.
namespace paper_output_keys {

inline constexpr const char* kOutputDestination = "com.korvo.print.FinishingOutputDestination";
inline constexpr const char* kOutputColor = "com.korvo.print.FinishingOutputColor";
inline constexpr const char* kJobType = "com.korvo.print.JobType";
inline constexpr const char* kBookletLayout = "com.korvo.print.BookletLayout";
inline constexpr const char* kBookletDrawOutlines = "com.korvo.print.BookletDrawOutlines";
inline constexpr const char* kBookletForceNewSize = "com.korvo.print.BookletForceNewSize";
inline constexpr const char* kGutter = "com.korvo.print.Gutter";
inline constexpr const char* kCreep = "com.korvo.print.Creep";
inline constexpr const char* kFinishingDuplex = "com.korvo.print.FinishingDuplex";
inline constexpr const char* kFinishingOptions = "com.korvo.print.FinishingOptions";
inline constexpr const char* kOffset = "com.korvo.print.FinishingOffset";
inline constexpr const char* kOffsetEnableSubset = "com.korvo.print.FinishingOffsetEnableSubset";
inline constexpr const char* kOffsetPagesPerSubset = "com.korvo.print.FinishingOffsetPagesPerSubset";
inline constexpr const char* kSlipSheet = "com.korvo.print.FinishingSlipSheet";
inline constexpr const char* kFoldValue = "com.korvo.print.FinishingFoldValue";
inline constexpr const char* kZFoldValue = "com.korvo.print.FinishingZFoldValue";
inline constexpr const char* kHolePunchValue = "com.korvo.print.FinishingHolePunchValue";
inline constexpr const char* kHolePunchOptions = "com.korvo.print.FinishingHolePunchOptions";
inline constexpr const char* kStaple1Value = "com.korvo.print.FinishingStaple1Value";
inline constexpr const char* kStaple2Value = "com.korvo.print.FinishingStaple2Value";
inline constexpr const char* kStapleCenterValue = "com.korvo.print.FinishingStapleCenterValue";
inline constexpr const char* kBindValue = "com.korvo.print.FinishingBindValue";
inline constexpr const char* kCustom = "com.korvo.print.FinishingCustom";
inline constexpr const char* kCoilPunchValue = "com.korvo.print.FinishingCoilPunchValue";
inline constexpr const char* kSquareFoldValue = "com.korvo.print.FinishingSquareFoldValue";
inline constexpr const char* kTrimLengthValue = "com.korvo.print.FinishingTrimLengthValue";
inline constexpr const char* kPadLevelStock = "com.korvo.print.PadLevelStock";
inline constexpr const char* kNoOfPads = "com.korvo.print.NoOfPads";
inline constexpr const char* kPagesPerPads = "com.korvo.print.PagesPerPads";
inline constexpr const char* kPadBackCover = "com.korvo.print.PadBackCover";

// Keys inside the job type dictionary.
inline constexpr const char* kJobTypeValue = "JobType";
inline constexpr const char* kMediaType = "MediaType";
inline constexpr const char* kUseJobName = "UseJobName";
inline constexpr const char* kSavedJobName = "SavedJobName";
inline constexpr const char* kSavedJobLocation = "SavedJobLocation";
inline constexpr const char* kSecurePrintPassword = "SecurePrintPassword";
inline constexpr const char* kDelayedPrintTime = "DelayedPrintTime";
inline constexpr const char* kSaveDisposition = "SaveDisposition";
inline constexpr const char* kPadEnable = "PadEnable";
inline constexpr const char* kDefaultSavedJobLocation = "file:///job-repository/";

// The platform's own entries this panel reads or writes.
inline constexpr const char* kPMDuplexing = "com.apple.print.PrintSettings.PMDuplexing";
inline constexpr const char* kPMCopyCollate = "com.apple.print.PrintSettings.PMCopyCollate";
inline constexpr const char* kPMJobName = "com.apple.print.JobInfo.PMJobName";
inline constexpr const char* kPMOrientation = "com.apple.print.PageFormat.PMOrientation";
inline constexpr const char* kPMPaperName = "com.apple.print.PaperInfo.PMPaperName";
inline constexpr const char* kPMUnadjustedPaperRect = "com.apple.print.PaperInfo.PMUnadjustedPaperRect";

// The client names the panel writes with.
inline constexpr const char* kClient = "com.korvo.print";
inline constexpr const char* kPrintingManagerClient = "com.korvo.printingmanager";

// Printer-description main keywords the panel keeps in step.
inline constexpr const char* kPPDDuplex = "Duplex";
inline constexpr const char* kPPDOutputBin = "OutputBin";
inline constexpr const char* kPPDMediaColor = "MediaColor";

}  // namespace paper_output_keys
