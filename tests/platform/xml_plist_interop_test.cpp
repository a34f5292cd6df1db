// Our property lists against Python's plistlib, in both directions. The sample value is
// mirrored in tests/data/plist/plistlib_interop.py.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/plist/xml_plist.h"
#include "support/test_support.h"

namespace platform {
namespace {

PlistValue InteropSample() {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  PlistData all(256);
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<std::uint8_t>(i);
  PlistArray reals;
  for (double r : {0.0, -0.0, 1.5, -2.25, 0.1, 1e16, 1e15, 1e-05, 0.0001, 123456.789, 5e-324,
                   1.7976931348623157e308, kInf, -kInf})
    reals.emplace_back(r);
  return PlistDict{
      {"zz last", "z"},
      {"Integers", PlistArray{0, 1, -1, 42, std::numeric_limits<std::int64_t>::max(),
                              std::numeric_limits<std::int64_t>::min()}},
      {"Reals", reals},
      {"Booleans", PlistArray{true, false}},
      {"Strings", PlistArray{"", "plain", "a & b < c > d", "Grüße, 日本語, 🖨",
                             "  spaced\n\ttext  ", "]]> \"quoted\" 'apos'"}},
      {"Data", PlistArray{PlistData{}, all}},
      {"Dates", PlistArray{PlistDate{1709251198}, PlistDate{-1}, PlistDate{-62135596800},
                           PlistDate{253402300799}}},
      {"Nested", PlistDict{{"Empty dict", PlistDict{}},
                           {"Empty array", PlistArray{}},
                           {"Deeper", PlistDict{{"list", PlistArray{PlistDict{{"k", "v"}},
                                                                    PlistArray{1, PlistArray{2, PlistArray{3}}}}}}}}},
      {"Aa first", "a"},
      {"éclair", "non-ASCII key"},
  };
}

std::string Python(const std::string& arguments) {
  std::string output;
  const std::string script = korvo_test::DataPath("plist/plistlib_interop.py");
  int status = korvo_test::RunCommand("python3 '" + script + "' " + arguments, &output, true);
  EXPECT_EQ(status, 0) << output;
  return output;
}

TEST(XmlPlistInterop, PlistlibReadsWhatWeWriteWithTheSameValuesAndBytes) {
  korvo_test::TempDir dir;
  ASSERT_TRUE(WriteXMLPlistFile(dir.file("ours.plist"), InteropSample()));
  EXPECT_EQ(Python("sample-check " + dir.file("ours.plist")), "values: same\nbytes: same\n");
}

TEST(XmlPlistInterop, WeReadWhatPlistlibWritesSortedOrNot) {
  korvo_test::TempDir dir;
  for (const char* mode : {"sorted", "unsorted"}) {
    const std::string path = dir.file(std::string(mode) + ".plist");
    Python("sample-write " + path + " " + mode);
    auto read = ReadXMLPlistFile(path);
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(*read, InteropSample()) << mode;
    // -0.0 == 0.0 for the comparison above, so check the sign separately.
    EXPECT_TRUE(std::signbit(*(*PlistDictFind(*read->asDictionary(), "Reals")->asArray())[1].asReal()));
  }
}

TEST(XmlPlistInterop, RandomRealsComeBackInPlistlibsExactText) {
  korvo_test::TempDir dir;
  const std::string path = dir.file("reals.plist");
  Python("reals-write " + path + " 20240229");
  auto read = ReadXMLPlistFile(path);
  ASSERT_TRUE(read) << read.error();
  ASSERT_EQ(read->asArray()->size(), 4000U);
  auto written = WriteXMLPlist(*read);
  ASSERT_TRUE(written) << written.error();
  EXPECT_TRUE(*written == korvo_test::ReadFile(path)) << "a real is written unlike Python's repr";
}

TEST(XmlPlistInterop, NanIsWrittenTheWayPlistlibReadsIt) {
  korvo_test::TempDir dir;
  ASSERT_TRUE(WriteXMLPlistFile(dir.file("nan.plist"), std::numeric_limits<double>::quiet_NaN()));
  EXPECT_EQ(Python("nan-check " + dir.file("nan.plist")), "nan\n");
}

}  // namespace
}  // namespace platform
