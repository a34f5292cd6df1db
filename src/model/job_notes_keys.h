#pragma once
// The print-settings ticket entries of the Job Notes panel: who sends the job, under which name,
// to whom, and the messages that go with it.
inline constexpr const char* kJobNotesUseJobNameKey = "com.korvo.print.JobNotesUseJobName";
inline constexpr const char* kJobNotesJobNameKey = "com.korvo.print.JobNotesJobName";
inline constexpr const char* kJobNotesSenderNameKey = "com.korvo.print.JobNotesSenderName";
inline constexpr const char* kJobNotesRecipientKey = "com.korvo.print.JobNotesRecipient";
inline constexpr const char* kJobNotesMessageKey = "com.korvo.print.JobNotesMessage";
inline constexpr const char* kJobNotesSheetMessageKey = "com.korvo.print.JobNotesSheetMessage";
inline constexpr const char* kJobNotesAdditionalInfoKey = "com.korvo.print.JobNotesAdditionalInfo";
