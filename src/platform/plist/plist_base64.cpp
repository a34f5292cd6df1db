// The base64 text form of <data> values.
#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/plist/plist_text_forms.h"

namespace platform::plist_forms {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::uint8_t kSpace = 0xFE, kInvalid = 0xFF;

constexpr std::array<std::uint8_t, 256> MakeDecodeTable() {
  std::array<std::uint8_t, 256> table{};
  for (auto& entry : table) entry = kInvalid;
  for (std::uint8_t i = 0; i < 64; ++i) table[static_cast<unsigned char>(kAlphabet[i])] = i;
  for (char c : {' ', '\t', '\n', '\r'}) table[static_cast<unsigned char>(c)] = kSpace;
  return table;
}

constexpr std::array<std::uint8_t, 256> kDecode = MakeDecodeTable();

std::string DescribeCharacter(unsigned char c) {
  if (c >= 0x21 && c < 0x7F) return std::string("'") + static_cast<char>(c) + "'";
  static constexpr char kHex[] = "0123456789ABCDEF";
  return std::string("byte 0x") + kHex[c >> 4] + kHex[c & 0xF];
}

}  // namespace

Result<PlistData> DecodeBase64(std::string_view text) {
  using R = Result<PlistData>;
  PlistData out;
  out.reserve(text.size() / 4 * 3);
  std::uint32_t bits = 0;
  std::size_t sextets = 0, padding = 0;
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    const std::uint8_t v = kDecode[c];
    if (v == kSpace) continue;
    if (c == '=') {
      ++padding;
      continue;
    }
    if (v == kInvalid) return R::fail("invalid character " + DescribeCharacter(c) + " in base64 data");
    if (padding > 0) return R::fail("base64 data continues after its '=' padding");
    bits = (bits << 6) | v;
    if (++sextets % 4 == 0) {
      out.push_back(static_cast<std::uint8_t>(bits >> 16));
      out.push_back(static_cast<std::uint8_t>(bits >> 8));
      out.push_back(static_cast<std::uint8_t>(bits));
      bits = 0;
    }
  }
  const std::size_t tail = sextets % 4;
  // A single leftover character cannot hold a byte; padding, when present, must fill the group.
  if (tail == 1 || (padding > 0 && (tail < 2 || tail + padding != 4)))
    return R::fail("base64 data is truncated or badly padded");
  if (tail == 2) {
    out.push_back(static_cast<std::uint8_t>(bits >> 4));
  } else if (tail == 3) {
    out.push_back(static_cast<std::uint8_t>(bits >> 10));
    out.push_back(static_cast<std::uint8_t>(bits >> 2));
  }
  return R::ok(std::move(out));
}

std::string EncodeBase64Lines(const PlistData& data, std::size_t lineLength) {
  const std::size_t bytesPerLine = lineLength / 4 * 3;
  std::string out;
  out.reserve((data.size() + 2) / 3 * 4 + data.size() / bytesPerLine + 1);
  for (std::size_t line = 0; line < data.size(); line += bytesPerLine) {
    const std::size_t end = std::min(data.size(), line + bytesPerLine);
    for (std::size_t i = line; i < end; i += 3) {
      const std::size_t n = std::min<std::size_t>(3, end - i);
      std::uint32_t group = static_cast<std::uint32_t>(data[i]) << 16;
      if (n > 1) group |= static_cast<std::uint32_t>(data[i + 1]) << 8;
      if (n > 2) group |= data[i + 2];
      out += kAlphabet[group >> 18];
      out += kAlphabet[(group >> 12) & 63];
      out += n > 1 ? kAlphabet[(group >> 6) & 63] : '=';
      out += n > 2 ? kAlphabet[group & 63] : '=';
    }
    out += '\n';
  }
  return out;
}

}  // namespace platform::plist_forms
