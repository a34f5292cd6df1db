#pragma once
// Members of the model's dictionaries that the reader fills key by key, spelt as the model's
// ticket conversions spell them (stock, special pages, colour, image shift, background forms and
// the saved-job dictionary). Job-level ticket keys come from the writer's and model's headers.

// Stock dictionary.
inline constexpr const char* kStockSizeMember = "Size";
inline constexpr const char* kStockWidthMember = "Width";
inline constexpr const char* kStockLengthMember = "Length";
inline constexpr const char* kStockTypeMember = "Type";
inline constexpr const char* kStockCustomTypeMember = "CustomType";
inline constexpr const char* kStockModulusMember = "Modulus";
inline constexpr const char* kStockColorMember = "Color";
inline constexpr const char* kStockCustomColorMember = "CustomColor";
inline constexpr const char* kStockWeightMember = "Weight";
inline constexpr const char* kStockPunchedMember = "Punched";
inline constexpr const char* kStockDescriptionMember = "Description";
inline constexpr const char* kStockSidesCoatedMember = "SidesCoated";
inline constexpr const char* kStockCoatingTypeMember = "kCoatingType";
inline constexpr const char* kStockFinishMember = "Finish";
inline constexpr const char* kStockGrainMember = "kGrain";
inline constexpr const char* kStockCustomNameMember = "CustomName";

// A special page's dictionary.
inline constexpr const char* kPageStockMember = "Stock";
inline constexpr const char* kPageStartPageMember = "StartPage";
inline constexpr const char* kPageEndPageMember = "EndPage";
inline constexpr const char* kPageQuantityMember = "Quantity";
inline constexpr const char* kPageSidesImagedMember = "SidesImaged";
inline constexpr const char* kPageOutputColorMember = "OutputColor";
inline constexpr const char* kPageHalftoneScreenMember = "HalftoneScreen";
inline constexpr const char* kPageLightenDarkenMember = "LightenDarken";
inline constexpr const char* kPageAntialiasingMember = "Antialiasing";
inline constexpr const char* kPageFullColorMember = "FullColorOptionsPage";
inline constexpr const char* kPageHighlightColorMember = "HighlightColorOptionsPage";

// Full-colour dictionary.
inline constexpr const char* kFCColorCastMember = "FCColorCast";

// Background-forms dictionary.
inline constexpr const char* kFormsUseExistingFormMember = "UseExistingForm";
inline constexpr const char* kFormsFullPrecisionMember = "FullPrecision";

// Saved-job ("com.korvo.print.JobType") values the reader sets of its own.
inline constexpr int kJobTypeBackgroundForms = 9;
inline constexpr int kUseExistingForm = 2;
