// korvo-pde type42 and korvo-pde watermark, run as a user runs them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "host/korvo_pde_runner.h"
#include "support/test_support.h"

namespace {

using host_test::Has;
using host_test::RunPde;
using host_test::Python;

// What Ghostscript makes of the program is the converter's tests' (tests/watermark); here a real
// font is converted quietly, and a hostile, missing or endless one is refused writing nothing.
TEST(Type42Command, ConvertsAFontQuietlyAndRefusesAHostileOneWritingNothing) {
  korvo_test::TempDir dir;
  std::string err;
  ASSERT_EQ(RunPde("type42 /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf -o " + dir.file("d.t42"), &err, true), 0);
  EXPECT_EQ(err, "");
  const std::string program = korvo_test::ReadFile(dir.file("d.t42"));
  EXPECT_TRUE(program.starts_with("%!PS-TrueTypeFont-1.0000-2.3700\n") && Has(program, "/FontName /DejaVuSans def\n"));
  const std::string font = korvo_test::DataPath("watermark/fonts/post_bad_count.ttf");
  EXPECT_EQ(RunPde("type42 " + font + " -o " + dir.file("x.t42") + " 2>&1", &err), 1);
  EXPECT_TRUE(err.starts_with("DEBUG: ") && Has(err, "\nERROR: " + font + ": ")) << err;
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
    Python("p=sys.argv[1]; s=plistlib.load(open(p,\"rb\")); "
           "s[\"PMPrintSettingsTicket\"][\"Items\"][\"com.korvo.print.watermark.Watermark\"]=\"Draft\"; "
           "plistlib.dump(s, open(p,\"wb\")); os.makedirs(os.path.dirname(sys.argv[2]), exist_ok=True); "
           "w={\"textString\":\"Draft\",\"fontName\":\"DejaVuSans\",\"fontSize\":96,\"angle\":0,"
           "\"density\":100,\"scale\":100,\"wellColorBlue\":1.0,\"wellColorAlpha\":1.0}; "
           "plistlib.dump({\"WatermarkListEntries\":[\"Draft\"],\"Draft\":w}, open(sys.argv[2],\"wb\"))",
           session_ + " " + watermarks_);
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
  EXPECT_EQ(Python("w=plistlib.load(open(sys.argv[1],\"rb\"))[\"Draft\"]; print(w[\"glyphCount\"], len(w[\"glyphs\"]))",
                   watermarks_),
            "5 10\n");
}

// A watermark the file does not keep (its list says there is none), or a picture that cannot be
// read: an error, nothing drawn.
TEST_F(WatermarkCommand, AWatermarkOrAPictureThatCannotBeHadIsAnErrorAndNothingIsWritten) {
  const std::string picture = home_.dir().file("torn.png");
  korvo_test::WriteFile(picture, std::string("\x89PNG\r\n\x1a\n", 8) + "torn off here");
  for (const auto& [records, said] : {std::pair<std::string, std::string>{"{\"WatermarkListEntries\":[]}",
                                                                           "ERROR: watermark \"Draft\""},
                                      {"{\"WatermarkListEntries\":[\"Draft\"],\"Draft\":{\"filename\":\"torn.png\","
                                       "\"filePath\":sys.argv[2],\"scale\":100}}",
                                       "ERROR: the watermark picture " + picture +
                                           ": not a picture that can be read; nothing was drawn\n"}}) {
    std::string out;
    Python("plistlib.dump(" + records + ", open(sys.argv[1],\"wb\"))", watermarks_ + " " + picture);
    EXPECT_EQ(RunPde("watermark --session " + session_ + " -o " + home_.dir().file("w.png") + " 2>&1", &out), 1);
    EXPECT_TRUE(out.starts_with(said)) << out;
    EXPECT_FALSE(std::filesystem::exists(home_.dir().file("w.png")));
  }
}

// A file the job cannot use whole: said in one line, and the job keeps its watermark.
TEST_F(WatermarkCommand, AFileTheJobCannotUseWholeIsSaidOnceAndTheJobKeepsDraft) {
  const std::string draft = "{\"textString\":\"Draft\",\"fontName\":\"DejaVuSans\",\"fontSize\":96}";
  const std::pair<std::string, std::string> files[] = {
      {"open(sys.argv[1],\"w\").write(\"torn\")", "; kept as " + watermarks_ + ".damaged-"},
      {"plistlib.dump({\"Draft\":" + draft + ",\"Mine\":{\"textString\":\"Mine\"}}, open(sys.argv[1],\"wb\"))",
       "the file had no watermark list"},
      {"w=" + draft + "; w[\"filePath\"]=\"p\"*9000; "
       "plistlib.dump({\"WatermarkListEntries\":[\"Draft\"],\"Draft\":w}, open(sys.argv[1],\"wb\"))",
       "\"filePath\" is 9000 bytes long, over its 8191-byte limit"}};
  const std::string naming = korvo_test::ReadFile(session_);
  for (const auto& [write, said] : files) {
    std::string out, err;
    korvo_test::WriteFile(session_, naming);
    Python(write, watermarks_);
    ASSERT_EQ(RunPde("show --session " + session_ + " 2>" + home_.dir().file("err"), &out), 0) << out;
    err = korvo_test::ReadFile(home_.dir().file("err"));
    EXPECT_TRUE(host_test::IsOneErrorLine(err, said)) << err;
    EXPECT_NE(out.find("com.korvo.print.watermark.Watermark = \"Draft\"\n"), std::string::npos) << out;
  }
  // The list came back with the defaults and the watermarks the file held, the user's Draft kept.
  EXPECT_EQ(Python("plistlib.dump({\"Draft\":" + draft + ",\"Mine\":{\"textString\":\"Mine\"}}, "
                   "open(sys.argv[1],\"wb\")); os.system(sys.argv[2]); d=plistlib.load(open(sys.argv[1],\"rb\")); "
                   "print(d[\"WatermarkListEntries\"], d[\"Draft\"][\"fontName\"])",
                   watermarks_ + " '" + std::string(KORVO_BIN_DIR) + "/korvo-pde show --session " + session_ +
                       " >/dev/null 2>&1'"),
            "['Draft', 'Confidential', 'Copy', 'Mine'] DejaVuSans\n");
}

// A set refused at any step, or a watermark file whose lock cannot be had, changes no file, in one
// line (drawing, which keeps the text's glyphs with the record, fails too); a set that goes
// through leaves no lock file behind.
TEST_F(WatermarkCommand, ARefusedSetChangesNoFileAndLeavesNoLockFiles) {
  const std::string session = korvo_test::ReadFile(session_), watermarks = korvo_test::ReadFile(watermarks_);
  std::string err;
  EXPECT_EQ(host_test::RunSet(session_, {"Panel=Booklet/Watermark", "Watermark=Delete>Delete", "Watermark=Nope"}, &err,
                              true),
            1);
  EXPECT_TRUE(host_test::IsOneErrorLine(err, "Watermark=Nope")) << err;
  EXPECT_EQ(korvo_test::ReadFile(watermarks_), watermarks);
  korvo_test::WriteFile(watermarks_, watermarks);  // each case from the same file
  ASSERT_TRUE(std::filesystem::create_directory(watermarks_ + ".lock"));
  for (const char* step : {"Watermark=Delete>Delete", "Watermark=New...>Text=Z1", "Watermark=No Watermark"}) {
    EXPECT_EQ(host_test::RunSet(session_, {"Panel=Booklet/Watermark", "Watermark=Draft", step}, &err, true), 1) << step;
    EXPECT_TRUE(host_test::IsOneErrorLine(err, watermarks_ + ".lock")) << step << ": " << err;
  }
  EXPECT_EQ(RunPde("watermark --session " + session_ + " -o " + home_.dir().file("w.png") + " 2>&1", &err), 1);
  EXPECT_TRUE(Has(err, "ERROR: " + watermarks_)) << err;
  EXPECT_EQ(korvo_test::ReadFile(session_), session);
  EXPECT_EQ(korvo_test::ReadFile(watermarks_), watermarks);
  std::filesystem::remove(watermarks_ + ".lock");
  ASSERT_EQ(host_test::RunSet(session_, {"Panel=Booklet/Watermark", "Watermark=New...>Text=Z1"}, &err, true), 0) << err;
  EXPECT_EQ(korvo_test::NamesIn(home_.dir().file("data/Korvo"), ".lock"), std::vector<std::string>{});
  EXPECT_EQ(korvo_test::NamesIn(home_.dir().path(), ".lock"), std::vector<std::string>{});
}

// What the editor cannot file as a printable watermark is one line, and nothing changes.
TEST_F(WatermarkCommand, TheEditorRefusesWhatCannotPrintInOneLine) {
  const std::string gif = home_.dir().file("empty.png");  // a GIF of no pixels, named .png
  Python("import base64; b=bytearray(base64.b64decode(\"R0lGODlhAQABAIAAAAAAAP///ywAAAAAAQABAAACAUwAOw==\")); "
         "b[6:10]=bytes(4); open(sys.argv[1],\"wb\").write(b)",
         gif);
  std::string out;
  std::vector<std::pair<std::string, std::string>> refused = {
      {"Text=", "The watermark has no text."},
      {"Text=   ", "The watermark has no text."},
      {"Picture>PictureFile=" + gif, gif + ": not a picture that can be read"}};
  std::string font;
  // A font of CFF outlines cannot become Type 42 (where the system has one to stand for Courier).
  if (korvo_test::RunCommand("fc-match -f '%{fontformat}' :postscriptname=Courier", &font) == 0 && font == "CFF")
    refused.push_back({"Font=Courier", "no font is stored to print it with"});
  const std::string session = korvo_test::ReadFile(session_), watermarks = korvo_test::ReadFile(watermarks_);
  for (const auto& [step, said] : refused) {
    EXPECT_EQ(RunPde("set --session " + session_ + " Panel=Booklet/Watermark 'Watermark=New...>Text=Z1>" + step +
                         "' >/dev/null 2>" + home_.dir().file("err"),
                     &out),
              1);
    // The converter's own DEBUG lines aside.
    std::string err, line;
    std::istringstream lines(korvo_test::ReadFile(home_.dir().file("err")));
    while (std::getline(lines, line))
      if (!line.starts_with("DEBUG: ")) err += line + "\n";
    EXPECT_TRUE(host_test::IsOneErrorLine(err, said)) << step << ": " << err;
    EXPECT_EQ(korvo_test::ReadFile(session_), session) << step;
    EXPECT_EQ(korvo_test::ReadFile(watermarks_), watermarks) << step;
  }
}

}  // namespace
