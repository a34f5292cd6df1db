// Watermarks drawn to pictures and checked by their pixels: the text where the record puts it, at
// its angle, size and opacity; pictures at their scale; the glyphs and origin kept in the file; the
// preview PDF and the memory it is written to. The fax cover: its sections in order, wrapped inside
// the margins, texts drawn as they are.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>

#include "kit/preference_locations.h"
#include "platform/drawing/cairo_handles.h"
#include "support/test_support.h"
#include "watermark/fax_cover.h"
#include "watermark/memory_data.h"
#include "watermark/watermark_file.h"
#include "watermark/watermark_preview.h"
#include "watermark/watermark_test_support.h"

namespace {

constexpr double kPageWidth = 612, kPageHeight = 792;

struct Ink {
  double count = 0;                    // pixels touched by the watermark
  double cx = 0, cy = 0;               // the centre of their bounding box, page coordinates (y up)
  double angle = 0;                    // direction of their long axis, degrees counter-clockwise
  double length = 0;                   // extent along that axis
  int minX = 1 << 30, maxX = -1, minY = 1 << 30, maxY = -1;  // device rows and columns
  int darkestRed = 255;                // the red of the most inked pixel
};

platform::CairoSurface Decode(const std::string& png) {
  korvo_test::TempDir dir;
  korvo_test::WriteFile(dir.file("picture.png"), png);
  return platform::CairoSurface(cairo_image_surface_create_from_png(dir.file("picture.png").c_str()));
}

Ink Measure(const std::string& png) {
  platform::CairoSurface image = Decode(png);
  EXPECT_EQ(cairo_surface_status(image.get()), CAIRO_STATUS_SUCCESS);
  const int w = cairo_image_surface_get_width(image.get()), h = cairo_image_surface_get_height(image.get());
  const unsigned char* data = cairo_image_surface_get_data(image.get());
  const int stride = cairo_image_surface_get_stride(image.get());
  Ink ink;
  double sxx = 0, syy = 0, sxy = 0;
  std::vector<std::pair<double, double>> points;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const auto pixel = *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
      const int red = static_cast<int>((pixel >> 16) & 0xFF);
      if (red >= 250) continue;
      ink.count += 1;
      ink.darkestRed = std::min(ink.darkestRed, red);
      ink.minX = std::min(ink.minX, x), ink.maxX = std::max(ink.maxX, x);
      ink.minY = std::min(ink.minY, y), ink.maxY = std::max(ink.maxY, y);
      points.emplace_back(x + 0.5, kPageHeight - (y + 0.5));
    }
  }
  if (points.empty()) return ink;
  double mx = 0, my = 0;
  for (auto [x, y] : points) mx += x, my += y;
  mx /= ink.count, my /= ink.count;
  for (auto [x, y] : points) sxx += (x - mx) * (x - mx), syy += (y - my) * (y - my), sxy += (x - mx) * (y - my);
  ink.cx = (ink.minX + ink.maxX + 1) / 2.0;
  ink.cy = kPageHeight - (ink.minY + ink.maxY + 1) / 2.0;
  const double theta = 0.5 * std::atan2(2 * sxy, sxx - syy);
  ink.angle = theta * 180 / std::numbers::pi;
  double lo = 1e9, hi = -1e9;
  for (auto [x, y] : points) {
    const double along = (x - mx) * std::cos(theta) + (y - my) * std::sin(theta);
    lo = std::min(lo, along), hi = std::max(hi, along);
  }
  ink.length = hi - lo;
  return ink;
}

WatermarkData TextRecord(const std::string& text, int angle, int size, int density) {
  WatermarkData r;
  r.isText = true;
  r.textString = text;
  r.fontName = "DejaVuSans";
  r.fontSize = size;
  r.angle = angle;
  r.density = density;
  r.scale = 100;
  r.wellColorBlue = 1;
  r.wellColorAlpha = 1;
  return r;
}

Ink Draw(WatermarkData record) {
  auto png = RenderWatermarkPicture(&record, kPageWidth, kPageHeight);
  EXPECT_TRUE(png.has_value());
  return png ? Measure(*png) : Ink{};
}

TEST(WatermarkDrawing, TextIsCentredTurnedMovedSizedAndShadedAsTheRecordSays) {
  korvo_test::ScopedXdgHome home;
  const Ink turned = Draw(TextRecord("CONFIDENTIAL", 45, 72, 100));
  ASSERT_GT(turned.count, 2000);
  EXPECT_NEAR(turned.cx, 306, 4);
  EXPECT_NEAR(turned.cy, 396, 4);
  EXPECT_NEAR(turned.angle, 45, 2);

  // Offsets move the text by inches.
  WatermarkData record = TextRecord("Draft", 0, 72, 100);
  const Ink centred = Draw(record);
  record.xOffset = 1.0f;
  record.yOffset = -0.5f;
  const Ink moved = Draw(record);
  EXPECT_NEAR(moved.cx - centred.cx, 72, 1);
  EXPECT_NEAR(moved.cy - centred.cy, -36, 1);
  EXPECT_NEAR(centred.angle, 0, 2);

  EXPECT_NEAR(Draw(TextRecord("Draft", 0, 96, 100)).length / Draw(TextRecord("Draft", 0, 48, 100)).length, 2.0, 0.05);
  // Density is the opacity: blue text at 25 % over white makes the fully inked pixels (191, 191, 255).
  EXPECT_NEAR(Draw(TextRecord("Draft", 30, 120, 25)).darkestRed, 191, 3);
  EXPECT_NEAR(Draw(TextRecord("Draft", 30, 120, 100)).darkestRed, 0, 3);
}

TEST(WatermarkDrawing, TheDrawingKeepsItsOriginInTheFile) {
  korvo_test::ScopedXdgHome home;
  WatermarkData record = TextRecord("Copy", 45, 72, 25);
  ASSERT_EQ(saveWatermarkData(kWatermarkFileName, record), WatermarkResult::kDone);
  ASSERT_TRUE(RenderWatermarkPicture(&record, kPageWidth, kPageHeight));
  const WatermarkData stored = watermark_test::Load("Copy");
  // The glyphs kept are Ghostscript's to check, by drawing the subset made of them from the file.
  EXPECT_EQ(stored.xPos, record.xPos);
  EXPECT_EQ(stored.yPos, record.yPos);
  // At 45 degrees the origin lies below and left of the centre.
  EXPECT_LT(stored.xPos, 306);
  EXPECT_LT(stored.yPos, 396);
}

TEST(WatermarkDrawing, APictureIsDrawnAtItsScaleCentredAndNothingToDrawIsABlankPage) {
  korvo_test::ScopedXdgHome home;
  korvo_test::TempDir dir;
  platform::CairoSurface picture(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 400, 200));
  platform::CairoContext cr(cairo_create(picture.get()));
  cairo_set_source_rgb(cr.get(), 0, 0, 1);
  cairo_paint(cr.get());
  cr.reset();
  ASSERT_EQ(cairo_surface_write_to_png(picture.get(), dir.file("blue.png").c_str()), CAIRO_STATUS_SUCCESS);
  WatermarkData record;
  record.filename = "blue.png";
  record.filePath = dir.file("blue.png");
  record.scale = 50;
  record.density = 10;  // not used for pictures
  const Ink ink = Draw(record);
  EXPECT_EQ(ink.maxX - ink.minX + 1, 200);
  EXPECT_EQ(ink.maxY - ink.minY + 1, 100);
  EXPECT_EQ(ink.minX, 206);
  EXPECT_EQ(ink.minY, 346);
  EXPECT_EQ(ink.darkestRed, 0);  // drawn whole: density is for text
  // Nothing to draw is a blank page.
  WatermarkData missing;
  missing.filename = "gone.png";
  missing.filePath = "/nonexistent/gone.png";
  missing.scale = 100;
  EXPECT_EQ(Draw(missing).count, 0);
  EXPECT_EQ(Draw(WatermarkData{}).count, 0);
}

// The preview is a real PDF: pdftoppm draws it, with the text at the page centre.
TEST(WatermarkPreview, ThePdfPreviewOpensInPdftoppm) {
  korvo_test::ScopedXdgHome home;
  korvo_test::TempDir dir;
  WatermarkData record = TextRecord("Draft", 45, 72, 100);
  MemoryConsumer sink;
  ASSERT_EQ(CreateMemoryConsumer(0, &sink), platform::noErr);
  ASSERT_EQ(RenderWatermarkPreview(&record, kPageWidth, kPageHeight, &sink), platform::noErr);
  EXPECT_TRUE(record.glyphs.empty());
  korvo_test::WriteFile(dir.file("preview.pdf"), std::string(reinterpret_cast<const char*>(sink.block.get()), sink.position));
  std::string output;
  ASSERT_EQ(korvo_test::RunCommand("pdftoppm -r 72 -singlefile -png " + dir.file("preview.pdf") + " " +
                                       dir.file("page"),
                                   &output, true),
            0)
      << output;
  const Ink ink = Measure(korvo_test::ReadFile(dir.file("page.png")));
  EXPECT_GT(ink.count, 1000);
  EXPECT_NEAR(ink.cx, 306, 4);
  EXPECT_NEAR(ink.cy, 396, 4);
}

// The memory sink the preview PDF is written to.
TEST(MemoryConsumer, GrowsOnlyPastItsSpareByteAndAFailedGrowthKeepsWhatWasWritten) {
  MemoryConsumer sink;
  ASSERT_EQ(CreateMemoryConsumer(16, &sink), platform::noErr);
  const std::string bytes(15, 'x');
  EXPECT_EQ(MemoryConsumerPutBytes(&sink, bytes.data(), 15), 15u);
  EXPECT_EQ(sink.blockSize, 16u);
  EXPECT_EQ(MemoryConsumerPutBytes(&sink, "y", 1), 1u);
  EXPECT_EQ(sink.blockSize, 32u);
  EXPECT_EQ(sink.position, 16u);
  EXPECT_EQ(std::memcmp(sink.block.get(), (bytes + "y").data(), 16), 0);

  // A write that cannot fit 32 bits of position reports 0 and keeps what was written.
  const char byte = 'q';
  EXPECT_EQ(MemoryConsumerPutBytes(&sink, &byte, std::size_t{0xFFFFFFFF}), 0u);
  EXPECT_EQ(sink.position, 16u);
  EXPECT_EQ(sink.blockSize, 32u);
  EXPECT_EQ(std::memcmp(sink.block.get(), (bytes + "y").data(), 16), 0);
  EXPECT_EQ(MemoryConsumerPutBytes(nullptr, "a", 1), 0u);

  // A block of size 0, as the preview's, grows to cover the write instead of doubling 0 for ever.
  MemoryConsumer empty;
  ASSERT_EQ(CreateMemoryConsumer(0, &empty), platform::noErr);
  ASSERT_EQ(MemoryConsumerPutBytes(&empty, "hello world", 11), 11u);
  EXPECT_GE(empty.blockSize, 12u);
  EXPECT_EQ(std::memcmp(empty.block.get(), "hello world", 11), 0);
}


std::string CoverText(const FaxCoverSection& sender, const FaxCoverSection& recipients, const FaxCoverSection& notes,
                      std::string* layout = nullptr) {
  korvo_test::ScopedXdgHome home;
  korvo_test::TempDir dir;
  WatermarkData record = TextRecord("FAX", 0, 96, 20);
  MemoryConsumer sink;
  EXPECT_EQ(CreateMemoryConsumer(1024, &sink), platform::noErr);
  EXPECT_EQ(DrawFaxCover(&sink, PageRect{0, 0, 612, 792}, sender, recipients, notes, &record), platform::noErr);
  korvo_test::WriteFile(dir.file("cover.pdf"), std::string(reinterpret_cast<const char*>(sink.block.get()), sink.position));
  std::string text;
  EXPECT_EQ(korvo_test::RunCommand("pdftotext -raw " + dir.file("cover.pdf") + " -", &text, true), 0) << text;
  if (layout) korvo_test::RunCommand("pdftotext -bbox " + dir.file("cover.pdf") + " -", layout, true);
  return text;
}

TEST(FaxCover, SectionsAppearInOrderAndEmptyOnesAreLeftOut) {
  const std::string text = CoverText({"From:", "Ann %s%n%d"}, {"To:", ""}, {"Notes:", "Call me back"});
  EXPECT_EQ(text.find("To:"), std::string::npos);
  const std::size_t from = text.find("From:"), ann = text.find("Ann %s%n%d"), notes = text.find("Notes:"),
                    call = text.find("Call me back");
  ASSERT_NE(ann, std::string::npos) << text;
  EXPECT_LT(from, ann);
  EXPECT_LT(ann, notes);
  EXPECT_LT(notes, call);
  EXPECT_NE(text.find("FAX"), std::string::npos);
}

TEST(FaxCover, LongTextIsWrappedWithinTheMargins) {
  std::string words;
  for (int i = 0; i < 60; ++i) words += "word" + std::to_string(i) + " ";
  std::string layout;
  const std::string text = CoverText({"From:", words}, {"To:", "Bo"}, {"Notes:", ""}, &layout);
  EXPECT_NE(text.find("word59"), std::string::npos);
  // Every word's box lies inside the 31-point margins.
  std::size_t at = 0, boxes = 0;
  while ((at = layout.find("<word xMin=\"", at)) != std::string::npos) {
    const double xMin = std::stod(layout.substr(at + 12));
    const double xMax = std::stod(layout.substr(layout.find("xMax=\"", at) + 6));
    EXPECT_GE(xMin, 30.5);
    EXPECT_LE(xMax, 612 - 30.5);
    ++boxes;
    ++at;
  }
  EXPECT_GT(boxes, 60u);
}

}  // namespace
