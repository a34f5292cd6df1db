#pragma once
// The entries the shell adds to the print-settings ticket each time the dialog collects the
// settings: which parts of the job ticket to write, who prints from where, and which controller
// the job ticket is meant for.

inline constexpr const char* kJTKTOptionsKey = "com.korvo.print.JTKTOptions";
// Members of the options dictionary; only their presence counts.
inline constexpr const char* kJTKTOptionAllKey = "JTKTOptionAll";
inline constexpr const char* kJTKTOptionCoversKey = "JTKTOptionCovers";
inline constexpr const char* kJTKTOptionInsertsKey = "JTKTOptionInserts";
inline constexpr const char* kJTKTOptionExceptionsKey = "JTKTOptionExceptions";

inline constexpr const char* kRotateBooklet180DegreesKey = "com.korvo.print.RotateBooklet180Degrees";
inline constexpr const char* kControllerFamilyKey = "com.korvo.print.ControllerInformation.ControllerFamily";
inline constexpr const char* kControllerVersionKey = "com.korvo.print.ControllerInformation.ControllerVersion";
inline constexpr const char* kClientUserNameKey = "com.korvo.print.ClientInformation.UserName";
inline constexpr const char* kClientComputerNameKey = "com.korvo.print.ClientInformation.ComputerName";
inline constexpr const char* kClientIPAddressKey = "com.korvo.print.ClientInformation.IPAddress";

inline constexpr const char* kControllerFamily = "Prexan";
inline constexpr const char* kControllerVersion = "6.0";
