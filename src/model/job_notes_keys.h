#pragma once
// The print-settings ticket entries of the Job Notes panel: who sends the job, under which name,
// to whom, and the messages that go with it; and the keys of the panel's preference file.
inline constexpr const char* kJobNotesUseJobNameKey = "com.korvo.print.JobNotesUseJobName";
inline constexpr const char* kJobNotesJobNameKey = "com.korvo.print.JobNotesJobName";
inline constexpr const char* kJobNotesSenderUseLoginNameKey = "com.korvo.print.JobNotesSenderUseLoginName";
inline constexpr const char* kJobNotesSenderNameKey = "com.korvo.print.JobNotesSenderName";
inline constexpr const char* kJobNotesRecipientUseLoginNameKey = "com.korvo.print.JobNotesRecipientUseLoginName";
inline constexpr const char* kJobNotesRecipientKey = "com.korvo.print.JobNotesRecipient";
inline constexpr const char* kJobNotesMessageKey = "com.korvo.print.JobNotesMessage";
inline constexpr const char* kJobNotesSheetMessageKey = "com.korvo.print.JobNotesSheetMessage";
inline constexpr const char* kJobNotesAdditionalInfoKey = "com.korvo.print.JobNotesAdditionalInfo";

// The job-notes preference file's entries, each 1 or 0 (all 1 when the file is missing).
inline constexpr const char* kJobNotesPrefUseDocumentNameKey = "useDocumentNameAsJobName";
inline constexpr const char* kJobNotesPrefUseLoginSenderKey = "useLoginNameAsSenderName";
inline constexpr const char* kJobNotesPrefUseLoginRecipientKey = "useLoginNameAsRecipientName";

// The input-history lists of the panel's three name fields.
inline constexpr const char* kJobNotesJobNameHistoryKey = "jobNotesJobName";
inline constexpr const char* kJobNotesSenderHistoryKey = "jobNotesSenderName";
inline constexpr const char* kJobNotesRecipientHistoryKey = "jobNotesRecipientName";
