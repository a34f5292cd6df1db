#pragma once
// Members the reader fills that no model class owns yet: the highlight-colour dictionary of an
// exception page, and the job type a background-forms job gets. Every other member is spelt by
// its owner's header (model/*_keys.h).

// A special page's dictionary.
inline constexpr const char* kPageHighlightColorMember = "HighlightColorOptionsPage";

// Saved-job ("com.korvo.print.JobType") values the reader sets of its own.
inline constexpr int kJobTypeBackgroundForms = 9;
