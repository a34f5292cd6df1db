// The reader drops the blank text between elements as it parses; text that is a value, even one
// made of spaces, still comes through whole.
#include <gtest/gtest.h>

#include "model/job_notes_keys.h"
#include "model/paper_output_keys.h"
#include "reader_test_support.h"

namespace {

using platform::PlistDict;
using platform::PlistValue;

class ReaderWhitespace : public jtkt_test::ReaderTest {};

TEST_F(ReaderWhitespace, IndentationIsPassedOverAndBlankValuesAreKept) {
  const std::string indented =
      "<?xml version=\"1.0\"?>\n<jtkt version=\"1.0\">\n  <job-template-attributes>\n"
      "    <job-sheet-message syntax=\"text\">   </job-sheet-message>\n"
      "    <job-recipient-name syntax=\"name\"> two  words </job-recipient-name>\n"
      "    <sides syntax=\"keyword\">two-sided-long-edge</sides>\n"
      "  </job-template-attributes>\n  <jtkt-operation-attributes>\n"
      "    <job-name syntax=\"name\">\n\t</job-name>\n"
      "  </jtkt-operation-attributes>\n</jtkt>\n";
  const PlistDict imported = jtkt_test::Imported(indented);
  const auto at = [&](const char* key) {
    const PlistValue* value = platform::PlistDictFind(imported, key);
    return value != nullptr && value->asString() != nullptr ? *value->asString() : std::string("(none)");
  };
  EXPECT_EQ(at(kJobNotesSheetMessageKey), "   ");
  EXPECT_EQ(at(kJobNotesRecipientKey), " two  words ");
  EXPECT_EQ(at(kJobNotesJobNameKey), "\n\t");
  const PlistValue* sides = platform::PlistDictFind(imported, kFinishingDuplexKey);
  ASSERT_NE(sides, nullptr);
  EXPECT_EQ(sides->asInteger() ? *sides->asInteger() : -1, 2);
}

}  // namespace
