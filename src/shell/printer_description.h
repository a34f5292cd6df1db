#pragma once
// What the shell needs of the queue's printer description: whether it is the maker's, and the
// printer-wide tables loaded with it for the life of the dialog.

// The *Manufacturer of every Korvo printer description.
inline constexpr const char* kKorvoManufacturer = "Korvo";

// True when the current session's printer description opens and its manufacturer is exactly
// "Korvo".
bool CurrentPrinterIsKorvo();
// Loads the installable options and the device feature profile.
void LoadPrinterFeatures();
// Closes the printer description and forgets everything loaded with it, the profile too.
void UnloadPrinterFeatures();
