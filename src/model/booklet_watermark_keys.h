#pragma once
// The print-settings ticket entries of the chosen watermark, which the Booklet/Watermark panel
// writes and the watermark drawing reads.
inline constexpr const char* kWatermarkNameTicketKey = "com.korvo.print.watermark.Watermark";
inline constexpr const char* kWatermarkSubsetFontTicketKey = "com.korvo.print.watermark.SubsetFontName";
inline constexpr const char* kWatermarkOptionTicketKey = "com.korvo.print.watermark.Option";
inline constexpr const char* kWatermarkFirstPageOnlyTicketKey = "com.korvo.print.watermark.FirstPageOnly";
