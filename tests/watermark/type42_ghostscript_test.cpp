// What a real PostScript interpreter makes of our programs: Ghostscript draws a line of text from
// them as FreeType draws it from the TrueType file, and to the same ink box as it does from the
// program of an independent converter (ttftotype42).
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "kit/preference_locations.h"
#include "platform/fonts/font_face.h"
#include "support/test_support.h"
#include "watermark/font_preparation.h"
#include "watermark/type42_test_support.h"
#include "watermark/watermark_drawing.h"
#include "watermark/watermark_file.h"
#include "watermark/watermark_fonts.h"

namespace {

using namespace type42_test;

constexpr int kWidth = 620, kHeight = 70;
constexpr double kSize = 40, kX = 10, kBaseline = 20;  // baseline measured from the bottom
constexpr const char* kText = "Hamburgefonstiv 0123";

// Ink coverage 0 to 255 of each pixel, rows from the top.
using Coverage = std::vector<int>;

// text is a PostScript string: "(...)" of characters, or "<...>" of codes.
std::string ShowText(const std::string& fontName, const std::string& text = std::string("(") + kText + ")") {
  std::ostringstream ps;
  ps << "/" << fontName << " findfont " << kSize << " scalefont setfont " << kX << " " << kBaseline << " moveto "
     << text << " show showpage\n";
  return ps.str();
}

Coverage GhostscriptCoverage(const std::string& fontFile, const std::string& fontName,
                             const korvo_test::TempDir& dir, const std::string& text) {
  korvo_test::WriteFile(dir.file("show.ps"), ShowText(fontName, text));
  std::string output;
  const int status = RunGhostscript("-sDEVICE=pgmraw -r72 -g" + std::to_string(kWidth) + "x" +
                                        std::to_string(kHeight) +
                                        " -dTextAlphaBits=4 -dGridFitTT=0 -sOutputFile=" + dir.file("gs.pgm") + " " +
                                        fontFile + " " + dir.file("show.ps"),
                                    &output);
  EXPECT_EQ(status, 0) << output;
  const std::string pgm = korvo_test::ReadFile(dir.file("gs.pgm"));
  // A binary grey map: "P5", a comment, the size, the maximum 255, then the pixels.
  EXPECT_TRUE(pgm.starts_with("P5\n"));
  EXPECT_NE(pgm.find("\n" + std::to_string(kWidth) + " " + std::to_string(kHeight) + "\n255\n"), std::string::npos);
  Coverage ink(static_cast<std::size_t>(kWidth * kHeight), 0);
  if (pgm.size() < ink.size()) return ink;
  const std::size_t pixels = pgm.size() - ink.size();
  for (std::size_t i = 0; i < ink.size(); ++i) ink[i] = 255 - static_cast<unsigned char>(pgm[pixels + i]);
  return ink;
}

Coverage FreeTypeCoverage(const std::string& fontFile) {
  platform::CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_A8, kWidth, kHeight));
  platform::CairoContext cr(cairo_create(surface.get()));
  platform::CairoFontFace face = platform::CreateFontFace(platform::FontFile{fontFile, 0, "", true});
  cairo_set_font_face(cr.get(), face.get());
  cairo_set_font_size(cr.get(), kSize);
  platform::SetDeviceIndependentFontOptions(cr.get());
  cairo_move_to(cr.get(), kX, kHeight - kBaseline);
  cairo_show_text(cr.get(), kText);
  cr.reset();
  cairo_surface_flush(surface.get());
  Coverage ink(static_cast<std::size_t>(kWidth * kHeight), 0);
  const unsigned char* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) ink[static_cast<std::size_t>(y * kWidth + x)] = data[y * stride + x];
  return ink;
}

// Ghostscript keeps 16 levels of coverage (4 x 4 samples a pixel) where FreeType computes exact
// areas, and the two rasterisers round edges differently: a pixel on an outline's edge may differ
// by up to about a quarter of full ink, a pixel inside or outside the glyphs not at all. So: the
// total ink agrees within 2 %, and fewer than 1 % of the inked pixels differ by more than half of
// full ink (a glyph drawn wrongly, shifted by a pixel or missing, breaks both by far).
// program is the Type 42 program of fontFile (or of a subset of it) named fontName; text the
// PostScript string that draws kText with it.
void ExpectSameDrawing(const std::string& fontFile, const std::string& program, const std::string& fontName,
                       const std::string& text = std::string("(") + kText + ")") {
  SCOPED_TRACE(fontFile);
  korvo_test::TempDir dir;
  ASSERT_FALSE(program.empty());
  korvo_test::WriteFile(dir.file("font.t42"), program);
  const Coverage gs = GhostscriptCoverage(dir.file("font.t42"), fontName, dir, text);
  const Coverage ft = FreeTypeCoverage(fontFile);
  long gsTotal = 0, ftTotal = 0, inked = 0, farOff = 0;
  for (std::size_t i = 0; i < gs.size(); ++i) {
    gsTotal += gs[i];
    ftTotal += ft[i];
    if (gs[i] > 0 || ft[i] > 0) ++inked;
    if (std::abs(gs[i] - ft[i]) > 128) ++farOff;
  }
  ASSERT_GT(ftTotal, 255 * 2000) << "FreeType drew almost nothing";
  EXPECT_NEAR(static_cast<double>(gsTotal) / static_cast<double>(ftTotal), 1.0, 0.02);
  EXPECT_LT(static_cast<double>(farOff), 0.01 * static_cast<double>(inked)) << farOff << " of " << inked;
}

TEST(Type42Ghostscript, RealFontsDrawAsFreeTypeDrawsThem) {
  ExpectSameDrawing(kDejaVuSans, Convert(kDejaVuSans, "DejaVuSans"), "DejaVuSans");
  ExpectSameDrawing(kLiberationSerif, Convert(kLiberationSerif, "LiberationSerif"), "LiberationSerif");
}

// A watermark's text goes to the printer as codes 0, 1, 2... of a subset holding only its glyphs:
// drawn so, it must look as the text drawn from the whole font.
TEST(Type42Ghostscript, AWatermarksSubsetDrawsItsTextAsTheWholeFontDoes) {
  korvo_test::ScopedXdgHome home;
  WatermarkData record;
  record.isText = true;
  record.textString = kText;
  record.fontName = "DejaVuSans";
  record.fontSize = kSize;
  platform::CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1));
  platform::CairoContext cr(cairo_create(surface.get()));
  DrawWatermark(WatermarkCanvas{cr.get(), 792}, PageRect{0, 0, 612, 792}, &record);
  ASSERT_EQ(record.glyphs.size(), std::string_view(kText).size());

  std::string subsetName, error;
  ASSERT_EQ(convertFont(WatermarkName(record), &subsetName, &error), WatermarkResult::kDone) << error;
  ASSERT_EQ(subsetName, "KV-DejaVuSans-KV");
  platform::PlistData program;
  ASSERT_EQ(loadFontData(kWatermarkFileName, subsetName, &program), WatermarkResult::kDone);
  EXPECT_LT(program.size(), ReadBytes(kDejaVuSans).size() / 4) << "the subset carries most of the font";
  std::ostringstream codes;
  codes << "<" << std::hex;
  for (std::size_t code = 0; code < record.glyphs.size(); ++code) codes << (code < 16 ? "0" : "") << code;
  codes << ">";
  ExpectSameDrawing(kDejaVuSans, std::string(program.begin(), program.end()), subsetName, codes.str());
}

std::string InkBox(const std::string& fontFile, const std::string& fontName, const korvo_test::TempDir& dir) {
  korvo_test::WriteFile(dir.file("show.ps"), ShowText(fontName));
  std::string output;
  EXPECT_EQ(RunGhostscript("-dGridFitTT=0 -sDEVICE=bbox " + fontFile + " " + dir.file("show.ps"), &output), 0)
      << output;
  const std::size_t at = output.find("%%HiResBoundingBox: ");
  return at == std::string::npos ? output : output.substr(at, output.find('\n', at) - at);
}

TEST(Type42Ghostscript, InkBoxIsTtftotype42sAndTheTinyFontDraws) {
  korvo_test::TempDir dir;
  std::string output;
  ASSERT_EQ(korvo_test::RunCommand(std::string("ttftotype42 ") + kDejaVuSans + " " + dir.file("theirs.t42"), &output,
                                   true),
            0)
      << output;
  korvo_test::WriteFile(dir.file("ours.t42"), Convert(kDejaVuSans, "DejaVuSans"));
  const std::string ours = InkBox(dir.file("ours.t42"), "DejaVuSans", dir);
  const std::string theirs = InkBox(dir.file("theirs.t42"), "DejaVuSans", dir);
  EXPECT_TRUE(ours.starts_with("%%HiResBoundingBox: ")) << ours;
  EXPECT_EQ(ours, theirs);
  // The tiny test font loads and draws too.
  korvo_test::WriteFile(dir.file("tiny.t42"), Convert(korvo_test::DataPath("watermark/fonts/tiny.ttf"), "Tiny"));
  const std::string box = InkBox(dir.file("tiny.t42"), "Tiny", dir);
  EXPECT_TRUE(box.starts_with("%%HiResBoundingBox: ")) << box;
}

}  // namespace
