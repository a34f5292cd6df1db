// korvo-pde type42 and korvo-pde watermark, run as a user runs them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::RunPde;
using host_test::RunPython;

// What Ghostscript makes of the program is the converter's tests' (tests/watermark).
TEST(Type42Command, ConvertsAFontQuietly) {
  korvo_test::TempDir dir;
  std::string out;
  ASSERT_EQ(RunPde("type42 /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf -o " + dir.file("d.t42"), &out, true), 0)
      << out;
  EXPECT_EQ(out, "");
  const std::string program = korvo_test::ReadFile(dir.file("d.t42"));
  EXPECT_TRUE(program.starts_with("%!PS-TrueTypeFont-1.0000-2.3700\n"));
  EXPECT_NE(program.find("/FontName /DejaVuSans def\n"), std::string::npos);
}

TEST(Type42Command, AHostileFontIsRefusedAndNothingIsWritten) {
  korvo_test::TempDir dir;
  std::string err;
  const std::string font = korvo_test::DataPath("watermark/fonts/post_bad_count.ttf");
  EXPECT_EQ(RunPde("type42 " + font + " -o " + dir.file("x.t42") + " 2>&1", &err), 1);
  EXPECT_TRUE(err.starts_with("DEBUG: ")) << err;
  EXPECT_NE(err.find("\nERROR: " + font + ": "), std::string::npos) << err;
  EXPECT_FALSE(std::filesystem::exists(dir.file("x.t42")));
  EXPECT_EQ(RunPde("type42 " + font + " 2>&1", &err), 2);
  EXPECT_EQ(RunPde("type42 /nonexistent.ttf -o " + dir.file("x.t42") + " 2>&1", &err), 1);
  EXPECT_EQ(err, "ERROR: /nonexistent.ttf: there is no such font file\n");
  ASSERT_EQ(::mkfifo(dir.file("fifo.ttf").c_str(), 0600), 0);  // nobody writes it: reading would hang
  EXPECT_EQ(RunPde("type42 " + dir.file("fifo.ttf") + " -o " + dir.file("x.t42") + " 2>&1", &err), 1);
  EXPECT_EQ(err, "ERROR: " + dir.file("fifo.ttf") + " is a FIFO, not a file\n");
}

// A session naming the watermark "Draft", kept in the shared watermark file.
class WatermarkCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string out;
    ASSERT_EQ(RunPde("show --session " + session_ + " >/dev/null", &out), 0);
    ASSERT_EQ(RunPython("p=sys.argv[1]; s=plistlib.load(open(p,\"rb\")); "
                        "s[\"PMPrintSettingsTicket\"][\"Items\"][\"com.korvo.print.watermark.Watermark\"]=\"Draft\"; "
                        "plistlib.dump(s, open(p,\"wb\")); os.makedirs(os.path.dirname(sys.argv[2]), exist_ok=True); "
                        "w={\"textString\":\"Draft\",\"fontName\":\"DejaVuSans\",\"fontSize\":96,\"angle\":0,"
                        "\"density\":100,\"scale\":100,\"wellColorBlue\":1.0,\"wellColorAlpha\":1.0}; "
                        "plistlib.dump({\"WatermarkListEntries\":[\"Draft\"],\"Draft\":w}, open(sys.argv[2],\"wb\"))",
                        session_ + " " + watermarks_, &out),
              0)
        << out;
  }
  korvo_test::ScopedXdgHome home_;
  std::string session_ = home_.dir().file("s.plist");
  std::string watermarks_ = home_.dir().file("data/Korvo/com.korvo.printing.watermarks.plist");
};

// Where the text is drawn is the drawing's tests' (tests/watermark): here, that each format is
// written as asked.
TEST_F(WatermarkCommand, DrawsTheSessionsWatermarkAsPdfAndPng) {
  std::string out;
  ASSERT_EQ(RunPde("watermark --session " + session_ + " -o " + home_.dir().file("w.pdf"), &out, true), 0) << out;
  ASSERT_EQ(korvo_test::RunCommand("pdfinfo " + home_.dir().file("w.pdf") + " | grep '^Page size'", &out), 0) << out;
  EXPECT_TRUE(out.find("612 x 792 pts") != std::string::npos) << out;
  ASSERT_EQ(RunPde("watermark --session " + session_ + " -o " + home_.dir().file("w.png"), &out, true), 0) << out;
  const std::string png = korvo_test::ReadFile(home_.dir().file("w.png"));
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x02\x64\0\0\x03\x18", 8));  // 612 x 792
  // The drawing kept the glyphs of "Draft" with the record.
  ASSERT_EQ(RunPython("w=plistlib.load(open(sys.argv[1],\"rb\"))[\"Draft\"]; print(w[\"glyphCount\"], len(w[\"glyphs\"]))",
                      watermarks_, &out), 0)
      << out;
  EXPECT_EQ(out, "5 10\n");
}

// A watermark the file does not keep, or a picture that cannot be read: an error, nothing drawn.
TEST_F(WatermarkCommand, AWatermarkOrAPictureThatCannotBeHadIsAnErrorAndNothingIsWritten) {
  const std::string picture = home_.dir().file("torn.png");
  korvo_test::WriteFile(picture, std::string("\x89PNG\r\n\x1a\n", 8) + "torn off here");
  for (const auto& [records, said] : {std::pair<std::string, std::string>{"{}", "ERROR: watermark \"Draft\""},
                                      {"{\"WatermarkListEntries\":[\"Draft\"],\"Draft\":{\"filename\":\"torn.png\","
                                       "\"filePath\":sys.argv[2],\"scale\":100}}",
                                       "ERROR: the watermark picture " + picture +
                                           ": not a picture that can be read; nothing was drawn\n"}}) {
    std::string out;
    ASSERT_EQ(RunPython("plistlib.dump(" + records + ", open(sys.argv[1],\"wb\"))", watermarks_ + " " + picture, &out), 0)
        << out;
    EXPECT_EQ(RunPde("watermark --session " + session_ + " -o " + home_.dir().file("w.png") + " 2>&1", &out), 1);
    EXPECT_TRUE(out.starts_with(said)) << out;
    EXPECT_FALSE(std::filesystem::exists(home_.dir().file("w.png")));
  }
}

TEST_F(WatermarkCommand, AWatermarkFileThatCannotBeWrittenFailsTheCommand) {
  // The drawing keeps the text's glyphs with the record; a lock that cannot be had keeps them out.
  // (The set-up's show gave the user the default watermarks, which left the lock file.)
  std::filesystem::remove(watermarks_ + ".lock");
  ASSERT_TRUE(std::filesystem::create_directory(watermarks_ + ".lock"));
  std::string out;
  EXPECT_EQ(RunPde("watermark --session " + session_ + " -o " + home_.dir().file("w.png") + " 2>&1", &out), 1);
  EXPECT_NE(out.find("ERROR: " + watermarks_), std::string::npos) << out;
}

}  // namespace
