#pragma once
// The print-settings ticket entries of the chosen watermark, which the Booklet/Watermark panel
// writes and the watermark drawing reads.
inline constexpr const char* kWatermarkNameTicketKey = "com.korvo.print.watermark.Watermark";
inline constexpr const char* kWatermarkSubsetFontTicketKey = "com.korvo.print.watermark.SubsetFontName";
inline constexpr const char* kWatermarkOptionTicketKey = "com.korvo.print.watermark.Option";
inline constexpr const char* kWatermarkFirstPageOnlyTicketKey = "com.korvo.print.watermark.FirstPageOnly";

// The page-format entries that give the page a watermark is shown on.
inline constexpr const char* kUnadjustedPaperRectKey = "com.apple.print.PaperInfo.PMUnadjustedPaperRect";
inline constexpr const char* kOrientationKey = "com.apple.print.PageFormat.PMOrientation";
