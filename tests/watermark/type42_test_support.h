#pragma once
// Helpers of the Type 42 tests: converting real fonts and reading back what the program carries.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_support.h"
#include "watermark/truetype_font.h"
#include "watermark/type42_conversion.h"

namespace type42_test {

inline constexpr const char* kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr const char* kDejaVuSansExtraLight = "/usr/share/fonts/truetype/dejavu/DejaVuSans-ExtraLight.ttf";
inline constexpr const char* kLiberationSerif = "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf";

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  const std::string text = korvo_test::ReadFile(path);
  return std::vector<std::uint8_t>(text.begin(), text.end());
}
inline FontBytes Bytes(const std::vector<std::uint8_t>& v) { return FontBytes(v.data(), v.size()); }

// The program of the font file named fontName; empty when the conversion refused it.
inline std::string Convert(const std::string& path, const std::string& fontName) {
  const std::vector<std::uint8_t> font = ReadBytes(path);
  std::string program;
  std::ostringstream diagnostics;
  convertTTFtoPS42(Bytes(font), fontName, &program, &diagnostics);
  return program;
}

// The strings of the program's sfnts array, each decoded from hex, its pad byte checked and
// dropped (a test failure when the pad is missing or the hex is broken).
inline std::vector<std::vector<std::uint8_t>> SfntsStrings(const std::string& program) {
  std::vector<std::vector<std::uint8_t>> strings;
  const std::size_t begin = program.find("/sfnts [\n");
  const std::size_t end = program.find("] def\n", begin);
  EXPECT_NE(begin, std::string::npos);
  if (begin == std::string::npos || end == std::string::npos) return strings;
  std::vector<std::uint8_t>* current = nullptr;
  int high = -1;
  for (std::size_t i = begin + 9; i < end; ++i) {
    const char c = program[i];
    if (c == '<') {
      current = &strings.emplace_back();
    } else if (c == '>') {
      EXPECT_EQ(high, -1);
      EXPECT_FALSE(current == nullptr || current->empty() || current->back() != 0) << "no pad byte";
      if (current && !current->empty()) current->pop_back();
      current = nullptr;
    } else if (std::isxdigit(static_cast<unsigned char>(c))) {
      const int v = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::toupper(c) - 'A' + 10;
      if (high < 0) {
        high = v;
      } else {
        current->push_back(static_cast<std::uint8_t>(high * 16 + v));
        high = -1;
      }
    } else {
      EXPECT_EQ(c, '\n') << "at " << i;
    }
  }
  return strings;
}

// A Ghostscript run on the files: its exit status; what it printed in output.
inline int RunGhostscript(const std::string& arguments, std::string* output) {
  return korvo_test::RunCommand("gs -q -dSAFER -dBATCH -dNOPAUSE " + arguments, output, true);
}

}  // namespace type42_test
