#pragma once
// Main keywords of the printer description whose choices the panels keep in step with their
// ticket entries.
inline constexpr const char* kPPDDuplex = "Duplex";
inline constexpr const char* kPPDOutputBin = "OutputBin";
inline constexpr const char* kPPDMediaColor = "MediaColor";
