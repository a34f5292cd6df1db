#include "shell/image_loader.h"

#include <cstring>
#include <fstream>

bool ImageLoader::canLoad(std::string_view name) const {
  if (name.empty() || name.find('/') != std::string_view::npos) return false;
  std::ifstream in(pathOf(name), std::ios::binary);
  char header[16] = {};
  if (!in.read(header, sizeof header)) return false;
  // The PNG signature followed by the image header chunk.
  return std::memcmp(header, "\x89PNG\r\n\x1a\n", 8) == 0 && std::memcmp(header + 12, "IHDR", 4) == 0;
}
