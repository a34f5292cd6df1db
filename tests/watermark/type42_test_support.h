#pragma once
// Helpers of the Type 42 tests: converting real fonts and reading back what the program carries.
#include <cstdint>
#include <string>
#include <vector>

#include "watermark/truetype_font.h"

namespace type42_test {

inline constexpr const char* kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr const char* kDejaVuSansExtraLight = "/usr/share/fonts/truetype/dejavu/DejaVuSans-ExtraLight.ttf";
inline constexpr const char* kLiberationSerif = "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf";

std::vector<std::uint8_t> ReadBytes(const std::string& path);
inline FontBytes Bytes(const std::vector<std::uint8_t>& v) { return FontBytes(v.data(), v.size()); }

// The program of the font file named fontName; empty when the conversion refused it.
std::string Convert(const std::string& path, const std::string& fontName);

// The strings of the program's sfnts array, each decoded from hex, its pad byte checked and
// dropped (a test failure when the pad is missing or the hex is broken).
std::vector<std::vector<std::uint8_t>> SfntsStrings(const std::string& program);

// A Ghostscript run on the files: its exit status; what it printed in output.
int RunGhostscript(const std::string& arguments, std::string* output);

}  // namespace type42_test
