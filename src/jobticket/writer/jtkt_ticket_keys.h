#pragma once
// The print-settings ticket keys that the job-ticket writer reads and that no model class owns.
// Keys of the model's dictionaries are named beside their owners (model/job_level_stock.h,
// model/special_pages_ticket.h, model/full_color_options.h, model/image_shift_options.h) and the
// options key beside the shell, which stores it (shell/client_information.h).

// Members of the options dictionary; only their presence counts.
inline constexpr const char* kJTKTOptionCoversKey = "JTKTOptionCovers";
inline constexpr const char* kJTKTOptionInsertsKey = "JTKTOptionInserts";
inline constexpr const char* kJTKTOptionExceptionsKey = "JTKTOptionExceptions";

// Who sends the job, and under which name.
inline constexpr const char* kJobNotesUseJobNameKey = "com.korvo.print.JobNotesUseJobName";
inline constexpr const char* kJobNotesJobNameKey = "com.korvo.print.JobNotesJobName";
inline constexpr const char* kJobNotesSenderNameKey = "com.korvo.print.JobNotesSenderName";
inline constexpr const char* kPMJobNameKey = "com.apple.print.JobInfo.PMJobName";

// Pad printing: its presence alone makes the pad section run.
inline constexpr const char* kNoOfPadsKey = "com.korvo.print.NoOfPads";

// Job-level commands.
inline constexpr const char* kFinishingDuplexKey = "com.korvo.print.FinishingDuplex";
inline constexpr const char* kPMDuplexingKey = "com.apple.print.PrintSettings.PMDuplexing";
inline constexpr const char* kFinishingOutputDestinationKey = "com.korvo.print.FinishingOutputDestination";
inline constexpr const char* kFinishingOffsetKey = "com.korvo.print.FinishingOffset";
inline constexpr const char* kFinishingOffsetEnableSubsetKey = "com.korvo.print.FinishingOffsetEnableSubset";
inline constexpr const char* kFinishingOffsetPagesPerSubsetKey = "com.korvo.print.FinishingOffsetPagesPerSubset";
inline constexpr const char* kResolutionKey = "com.korvo.print.Resolution";
inline constexpr const char* kFinishingOutputColorKey = "com.korvo.print.FinishingOutputColor";
inline constexpr const char* kAdvancedRotateImage180Key = "com.korvo.print.AdvancedRotateImage180";
inline constexpr const char* kInkwellEmulationKey = "com.korvo.print.InkwellEmulation";
inline constexpr const char* kOutputOrderKey = "com.korvo.print.OutputOrder";
inline constexpr const char* kLightenDarkenKey = "com.korvo.print.LightenDarken";
inline constexpr const char* kAntialiasingKey = "com.korvo.print.Antialiasing";
inline constexpr const char* kOPIPrescanKey = "com.korvo.print.OPIPrescan";
inline constexpr const char* kOPISubsitutionKey = "com.korvo.print.OPISubsitution";  // spelt so in the ticket
inline constexpr const char* kTonerSaverKey = "com.korvo.print.TonerSaver";

// Accounting, stored by the accounting component beside the dialog.
inline constexpr const char* kAccountingOnKey = "com.korvo.Act.jtkt.On";
inline constexpr const char* kAccountingUserIDKey = "com.korvo.Act.jtkt.UID";
inline constexpr const char* kAccountingAccountIDKey = "com.korvo.Act.jtkt.AID";

// The page range to print.
inline constexpr const char* kPagesToPrintSelectedKey = "com.korvo.print.PagesToPrintSelected";
inline constexpr const char* kPagesToPrintFromKey = "com.korvo.print.PagesToPrintFrom";
inline constexpr const char* kPagesToPrintToKey = "com.korvo.print.PagesToPrintTo";
