#pragma once
// The print-settings ticket entries of the chosen watermark, which the Booklet/Watermark panel
// writes and the watermark drawing reads.
inline constexpr const char* kWatermarkNameTicketKey = "com.korvo.print.watermark.Watermark";
inline constexpr const char* kWatermarkSubsetFontTicketKey = "com.korvo.print.watermark.SubsetFontName";
inline constexpr const char* kWatermarkOptionTicketKey = "com.korvo.print.watermark.Option";
inline constexpr const char* kWatermarkFirstPageOnlyTicketKey = "com.korvo.print.watermark.FirstPageOnly";

// The two-sided value the job had when booklet layout was turned on, kept in the ticket until
// booklet goes off again, so that whichever panel turns it off (in this dialog or a later one)
// gives the job back its own choice, once.
inline constexpr const char* kBookletDuplexBeforeKey = "com.korvo.print.BookletDuplexBefore";
