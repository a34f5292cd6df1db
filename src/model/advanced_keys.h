#pragma once
// The print-settings ticket entries of the Advanced panel, and the job-level commands the
// job-ticket writer reads beside them.
inline constexpr const char* kAdvancedRotateImage180Key = "com.korvo.print.AdvancedRotateImage180";
inline constexpr const char* kOPIPrescanKey = "com.korvo.print.OPIPrescan";
inline constexpr const char* kOPISubsitutionKey = "com.korvo.print.OPISubsitution";  // spelt so in the ticket
inline constexpr const char* kOutputOrderKey = "com.korvo.print.OutputOrder";

// The page range to print.
inline constexpr const char* kPagesToPrintSelectedKey = "com.korvo.print.PagesToPrintSelected";
inline constexpr const char* kPagesToPrintFromKey = "com.korvo.print.PagesToPrintFrom";
inline constexpr const char* kPagesToPrintToKey = "com.korvo.print.PagesToPrintTo";

// Accounting, stored by the accounting component beside the dialog.
inline constexpr const char* kAccountingOnKey = "com.korvo.Act.jtkt.On";
inline constexpr const char* kAccountingUserIDKey = "com.korvo.Act.jtkt.UID";
inline constexpr const char* kAccountingAccountIDKey = "com.korvo.Act.jtkt.AID";
// The value of kAccountingOnKey while accounting is on.
inline constexpr int kAccountingOnValue = 3;

// The Advanced panel's own choices. The booklet image order is 1 right to left, 2 left to right.
inline constexpr const char* kAdvancedBookletLayoutOrderKey = "com.korvo.print.AdvancedBookletLayoutOrderStr";
inline constexpr const char* kEmitJTKTKey = "com.korvo.print.EmitJTKT";
