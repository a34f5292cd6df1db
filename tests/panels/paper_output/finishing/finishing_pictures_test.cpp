// The finishing pictures of the Paper/Output panel: every staple and hole stays on the sheet.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "platform/drawing/drawing_libraries.h"
#include "platform/drawing/picture_file.h"

namespace {

// The sheet the pictures draw on, as the picture script places it (portrait, 48 x 48 pixels).
constexpr int kLeft = 12, kTop = 6, kRight = 35, kBottom = 41;

TEST(FinishingPictures, EveryStapleAndHoleLiesOnTheSheet) {
  for (const char* mark : {"2St", "CtSt", "2Hp", "3Hp", "4Hp"}) {
    for (const char* edge : {"LT", "TR", "BL", "RB"}) {
      const std::string name = std::string("ProductionFinishing_") + mark + "_" + edge + ".png";
      SCOPED_TRACE(name);
      std::string error;
      const platform::CairoSurface picture =
          platform::LoadPictureFile(std::string(KORVO_SOURCE_DIR) + "/resources/" + name, &error);
      ASSERT_TRUE(picture) << error;
      cairo_surface_flush(picture.get());
      const unsigned char* data = cairo_image_surface_get_data(picture.get());
      const int stride = cairo_image_surface_get_stride(picture.get());
      int outside = 0;
      for (int y = 0; y < cairo_image_surface_get_height(picture.get()); ++y)
        for (int x = 0; x < cairo_image_surface_get_width(picture.get()); ++x) {
          std::uint32_t pixel = 0;
          std::memcpy(&pixel, data + y * stride + x * 4, sizeof pixel);
          if ((pixel >> 24) != 0 && (x < kLeft || x > kRight || y < kTop || y > kBottom)) ++outside;
        }
      EXPECT_EQ(outside, 0) << "pixels drawn off the sheet";
    }
  }
}

}  // namespace
