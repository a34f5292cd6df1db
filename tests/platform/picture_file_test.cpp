// Pictures from files: what cannot be a watermark picture is refused, naming the file, before it
// can cost a decoder its memory.
#include "platform/drawing/picture_file.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "support/test_support.h"

namespace platform {
namespace {

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (char byte : bytes) {
    crc ^= static_cast<unsigned char>(byte);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::string BigEndian(std::uint32_t value) {
  return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
          static_cast<char>(value)};
}

std::string Chunk(const std::string& type, const std::string& data) {
  const std::string body = type + data;
  return BigEndian(static_cast<std::uint32_t>(data.size())) + body + BigEndian(Crc32(body));
}

// A PNG whose well-formed header claims width x height, followed by a pixel chunk of garbage.
std::string PngHeader(std::uint32_t width, std::uint32_t height) {
  return std::string("\x89PNG\r\n\x1a\n", 8) +
         Chunk("IHDR", BigEndian(width) + BigEndian(height) + std::string("\x08\x02\0\0\0", 5)) +
         Chunk("IDAT", "garbage!");
}

TEST(PictureFile, AHugeOrDamagedPictureIsRefusedNamingTheFile) {
  korvo_test::TempDir dir;
  std::string error;
  korvo_test::WriteFile(dir.file("huge.png"), PngHeader(100000, 100000));
  EXPECT_EQ(LoadPictureFile(dir.file("huge.png"), &error), nullptr);
  EXPECT_EQ(error, dir.file("huge.png") + ": a picture of 100000 by 100000 pixels is larger than 50 megapixels");
  korvo_test::WriteFile(dir.file("torn.png"), PngHeader(64, 64));  // a header, pixels that do not decode
  EXPECT_EQ(LoadPictureFile(dir.file("torn.png"), &error), nullptr);
  EXPECT_NE(error.find(dir.file("torn.png")), std::string::npos) << error;
  korvo_test::WriteFile(dir.file("empty.png"), "");
  EXPECT_EQ(LoadPictureFile(dir.file("empty.png"), &error), nullptr);
  EXPECT_EQ(error, dir.file("empty.png") + ": not a picture that can be read");
  EXPECT_EQ(LoadPictureFile(dir.path(), &error), nullptr);
  EXPECT_EQ(error, dir.path() + " is a folder, not a file");
}

}  // namespace
}  // namespace platform
