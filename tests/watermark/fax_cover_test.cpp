// The fax cover: its sections in order, wrapped inside the margins, texts drawn as they are.
#include <gtest/gtest.h>

#include "support/test_support.h"
#include "watermark/fax_cover.h"

namespace {

std::string CoverText(const FaxCoverSection& sender, const FaxCoverSection& recipients, const FaxCoverSection& notes,
                      std::string* layout = nullptr) {
  korvo_test::ScopedXdgHome home;
  korvo_test::TempDir dir;
  WatermarkData record;
  record.isText = true;
  record.textString = "FAX";
  record.fontName = "DejaVuSans";
  record.fontSize = 96;
  record.density = 20;
  record.wellColorAlpha = 1;
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
