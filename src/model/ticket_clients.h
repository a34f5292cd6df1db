#pragma once
// The client identifiers the plug-in writes ticket entries under. A reader asks for any client,
// so the identifier never changes what is read; it tells who wrote an entry.
inline constexpr const char* kShellClientID = "K";                    // the shell's own entries
inline constexpr const char* kJTKTImportClient = "KORVO";             // entries a job-ticket import merged
inline constexpr const char* kPanelsClientID = "com.korvo.print";     // every panel's own entries
inline constexpr const char* kPrintingManagerClientID = "com.korvo.printingmanager";
