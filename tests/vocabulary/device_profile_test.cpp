// The device feature profile: loading, lookups and defaults.
#include <gtest/gtest.h>

#include "platform/plist/xml_plist.h"
#include "ppd_test_support.h"
#include "vocabulary/device_profile.h"

namespace {

using platform::PlistArray;
using platform::PlistDict;
using platform::PlistValue;

PlistDict Keyword(const char* jtktValue, std::optional<PlistValue> isDefault = std::nullopt) {
  PlistDict keyword{{"Properties", PlistDict{{"JTKTValue", jtktValue}}}};
  if (isDefault) keyword["Default"] = *isDefault;
  return keyword;
}

class DeviceProfile : public ::testing::Test {
 protected:
  void SetUp() override {
    const PlistDict features{
        {"Sides", PlistDict{{"ID", "Sides"},
                            {"Properties", PlistDict{{"JTKT", true}}},
                            {"Syntax", PlistDict{{"Keyword", PlistDict{{"Long", Keyword("two-sided-long-edge", true)},
                                                                       {"One", Keyword("one-sided")}}}}}}},
        {"Named", PlistDict{{"ID", "Named"},
                            {"Properties", PlistDict{{"JTKT", false}}},
                            {"Syntax", PlistDict{{"Keyword", PlistDict{{"A", Keyword("a", 1)}}},
                                                 {"Name", PlistDict{{"Default", "Plain"}}},
                                                 {"Number", PlistDict{{"Default", 7}}}}}}},
        {"Counted", PlistDict{{"ID", "Counted"}, {"Syntax", PlistDict{{"Number", PlistDict{{"Default", 3}}}}}}},
        {"Bare", PlistDict{{"ID", "Bare"}, {"Properties", PlistDict{{"Other", 1}}}}}};
    ASSERT_TRUE(platform::WriteXMLPlistFile(path_, PlistDict{{"Features", features}}));
  }
  void TearDown() override { KFSFinalize(); }
  korvo_test::TempDir dir_;
  std::string path_ = dir_.file("profile.plist");
};

TEST_F(DeviceProfile, LookupsAnswerNothingWithoutAProfile) {
  KFSFinalize();
  EXPECT_EQ(KFSGetFeature("Sides"), nullptr);
  ASSERT_TRUE(KFSInitializeFromFile(path_));
  KFSFinalize();
  EXPECT_EQ(KFSGetFeature("Sides"), nullptr);
  EXPECT_FALSE(KFSInitializeFromFile(dir_.file("missing.plist")));
  EXPECT_EQ(KFSGetProfile(), nullptr);
}

TEST_F(DeviceProfile, FeaturesPropertiesAndKeywordsAreFound) {
  ASSERT_TRUE(KFSInitializeFromFile(path_));
  const PlistDict* sides = KFSGetFeature("Sides");
  ASSERT_NE(sides, nullptr);
  EXPECT_EQ(*KFSGetFeatureProperty(sides, "JTKT"), PlistValue(true));
  EXPECT_EQ(KFSGetFeatureProperty(sides, "Missing"), nullptr);
  EXPECT_EQ(KFSGetFeatureSyntax(sides, "Number"), nullptr);
  const PlistArray found = KFSGetKeywordsWithPropertyAndValue(sides, "JTKTValue", PlistValue("one-sided"));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0], PlistValue(Keyword("one-sided")));
  EXPECT_TRUE(KFSGetKeywordsWithPropertyAndValue(KFSGetFeature("Counted"), "JTKTValue", PlistValue("x")).empty());
}

TEST_F(DeviceProfile, DefaultsComeFromTheKeywordThenTheNameThenTheNumber) {
  ASSERT_TRUE(KFSInitializeFromFile(path_));
  std::string syntaxClass;
  PlistValue value;
  ASSERT_TRUE(KFSGetFeatureDefaultValue(KFSGetFeature("Sides"), &syntaxClass, &value));
  EXPECT_EQ(syntaxClass, "Keyword");
  EXPECT_EQ(value, PlistValue("Long"));
  // A keyword whose "Default" is the number 1, not the boolean true, is not the default.
  ASSERT_TRUE(KFSGetFeatureDefaultValue(KFSGetFeature("Named"), &syntaxClass, &value));
  EXPECT_EQ(syntaxClass, "Name");
  EXPECT_EQ(value, PlistValue("Plain"));
  ASSERT_TRUE(KFSGetFeatureDefaultValue(KFSGetFeature("Counted"), &syntaxClass, &value));
  EXPECT_EQ(syntaxClass, "Number");
  EXPECT_EQ(value, PlistValue(3));
  EXPECT_FALSE(KFSGetFeatureDefaultValue(KFSGetFeature("Bare"), &syntaxClass, &value));
  EXPECT_FALSE(KFSGetFeatureDefaultValue(nullptr, &syntaxClass, &value));
}

}  // namespace
